# cmake --build --preset windows-x86 --target package: Nodlink-<version>-win32.zip, the program
# folder with the simulated headset, and bridge/ with the opentrack bridge. The version is the
# project's.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Nodlink)
set(CPACK_PACKAGE_VENDOR "the Nodlink developers")
# By pointer size: built on Windows, CMAKE_SYSTEM_PROCESSOR is the host's processor, AMD64
# under Visual Studio's 32-bit compiler too.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(CPACK_PACKAGE_FILE_NAME Nodlink-${PROJECT_VERSION}-win32)
else()
  set(CPACK_PACKAGE_FILE_NAME Nodlink-${PROJECT_VERSION}-win64)
endif()
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
