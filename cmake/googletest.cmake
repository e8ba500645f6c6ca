# GoogleTest for the tests, found rather than assumed, in this order: an installed package
# (MSYS2's mingw-w64-i686-gtest, vcpkg's, Debian's for the host, any prefix on
# CMAKE_PREFIX_PATH); the sources that Debian's libgtest-dev ships; a pinned release, fetched at
# configure time. Without any of them the product still configures and builds, and ctest fails.
set(NODLINK_GTEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest's sources, built here when no package is installed")
set(gtest_release 1.15.2)
set(gtest_url https://github.com/google/googletest/archive/refs/tags/v${gtest_release}.tar.gz)
set(gtest_sha256 7b42b4d6ed48810c5362c265a17faebe90dc2373c885e5216439d37927f02926)

# The folder of the pinned release's sources, fetched unless an earlier configure did; empty
# when it cannot be fetched.
function(fetch_googletest result)
  set(sources ${CMAKE_BINARY_DIR}/_deps/googletest-${gtest_release})
  if(NOT EXISTS ${sources}/CMakeLists.txt)
    message(STATUS "GoogleTest: no installed package, no sources in ${NODLINK_GTEST_SOURCES}: fetching release ${gtest_release}")
    set(archive ${sources}.tar.gz)
    # The hash is checked apart: given to file(DOWNLOAD), a failed download would be an error.
    file(DOWNLOAD ${gtest_url} ${archive} TLS_VERIFY ON STATUS status)
    list(GET status 0 code)
    if(NOT code EQUAL 0)
      list(GET status 1 reason)
      file(REMOVE ${archive})
      message(WARNING "GoogleTest ${gtest_release} could not be fetched from ${gtest_url} (${reason}). "
                      "The product builds; the tests are left out, and ctest fails on googletest_not_found. "
                      "Install GoogleTest (Debian: libgtest-dev; MSYS2 MINGW32: mingw-w64-i686-gtest; vcpkg: "
                      "gtest) or name its install prefix with -DCMAKE_PREFIX_PATH=... or its sources with "
                      "-DNODLINK_GTEST_SOURCES=..., and configure again.")
      set(${result} "" PARENT_SCOPE)
      return()
    endif()
    file(SHA256 ${archive} sha256)
    if(NOT sha256 STREQUAL gtest_sha256)
      file(REMOVE ${archive})
      message(FATAL_ERROR "${gtest_url} is not the release it was pinned to: SHA-256 ${sha256}")
    endif()
    file(ARCHIVE_EXTRACT INPUT ${archive} DESTINATION ${CMAKE_BINARY_DIR}/_deps)
  endif()
  message(STATUS "GoogleTest: release ${gtest_release}, built from ${sources}")
  set(${result} ${sources} PARENT_SCOPE)
endfunction()

find_package(GTest CONFIG QUIET)
if(GTest_FOUND)
  message(STATUS "GoogleTest: the installed package in ${GTest_DIR}")
else()
  if(EXISTS ${NODLINK_GTEST_SOURCES}/CMakeLists.txt)
    set(gtest_sources ${NODLINK_GTEST_SOURCES})
    message(STATUS "GoogleTest: built from the sources in ${gtest_sources}")
  else()
    fetch_googletest(gtest_sources)
  endif()
  if(gtest_sources)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${gtest_sources} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  else()
    add_test(NAME googletest_not_found COMMAND ${CMAKE_COMMAND} -E false)
  endif()
endif()
include(GoogleTest)
