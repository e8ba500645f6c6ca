# Cross build for Windows with MinGW-w64. MINGW_ARCH picks the target: i686 is the product
# (the headset's driver DLLs are 32-bit); x86_64 runs the same sources where Wine cannot run
# 32-bit processes. The posix thread variant is needed: GoogleTest uses std::mutex.
if(NOT MINGW_ARCH)
  set(MINGW_ARCH i686)
endif()
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})
set(CMAKE_C_COMPILER   ${MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  ${MINGW_ARCH}-w64-mingw32-windres)
# Libraries, headers and packages (GoogleTest) are the target's: MinGW-w64's and those in the
# prefixes named on CMAKE_PREFIX_PATH, never the Linux host's.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_ARCH}-w64-mingw32 ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
