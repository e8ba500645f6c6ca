# The Windows program, its simulated headset and the tests that run on Windows or under Wine.
enable_language(RC)

add_compile_definitions(STRICT NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601 WINVER=0x0601)

# The output folder is laid out as a user's program directory.
set(NODLINK_PROGRAM_DIR ${CMAKE_BINARY_DIR}/program)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${NODLINK_PROGRAM_DIR})

# Where the Windows tests run, and so their label: natively on Windows, under Wine on Linux. On
# Linux they are registered only where Wine runs this build: a kernel without 32-bit support
# cannot run the 32-bit build.
if(CMAKE_HOST_WIN32)
  set(NODLINK_TESTS_RUN_ON windows)
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${CMAKE_BINARY_DIR}/wine/prefix ${CMAKE_SYSTEM_PROCESSOR})
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh - ${CMAKE_SYSTEM_PROCESSOR} --can-run
                  RESULT_VARIABLE wine_status)
  if(wine_status EQUAL 0)
    set(NODLINK_TESTS_RUN_ON wine)
  else()
    message(STATUS "Wine cannot run ${CMAKE_SYSTEM_PROCESSOR} programs here: their tests are built, not registered")
  endif()
endif()

add_subdirectory(tracker)
add_subdirectory(forms)
add_subdirectory(dialog)
add_subdirectory(drivers)
add_subdirectory(data)
include(cmake/package.cmake)
# What a user's program folder needs, without the tests: scripts/start.sh builds only this.
add_custom_target(program)
add_dependencies(program nodlink VFXDrive VFXDraw BridgeDrive BridgeDraw)

include(cmake/googletest.cmake)
# Tests and benches are built on request (targets tests and benches), so the program and the
# package build only what they ship. The benches share the tests' support.
if(TARGET GTest::gtest_main)
  add_subdirectory(tests EXCLUDE_FROM_ALL)
  add_subdirectory(bench EXCLUDE_FROM_ALL)
endif()
