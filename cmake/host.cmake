# The pure arithmetic on the Linux host, under UndefinedBehaviorSanitizer and AddressSanitizer:
# a wrap-around done with signed overflow would abort the tests here.
set(SANITIZE -fsanitize=undefined,address -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${SANITIZE})
add_link_options(${SANITIZE})

include(cmake/googletest.cmake)
# The program's own sources that hold no Windows calls.
set(NODLINK_HOST_SOURCES ${PROJECT_SOURCE_DIR}/tracker/PointerMapping.cpp
    ${PROJECT_SOURCE_DIR}/dialog/EditText.cpp ${PROJECT_SOURCE_DIR}/dialog/ProfileName.cpp
    ${PROJECT_SOURCE_DIR}/dialog/ProgramPaths.cpp
    ${PROJECT_SOURCE_DIR}/drivers/bridge/PosePacket.cpp
    ${PROJECT_SOURCE_DIR}/drivers/bridge/PoseStream.cpp ${PROJECT_SOURCE_DIR}/drivers/bridge/SettingValue.cpp)
if(TARGET GTest::gtest_main)
  add_subdirectory(tests/host)
endif()
