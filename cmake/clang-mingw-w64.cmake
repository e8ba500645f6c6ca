# The same cross build with Debian's Clang in place of GCC, a second compiler that warns where
# GCC is silent: MinGW-w64's headers and libraries, GCC's posix C++ library, and LLVM's linker,
# which takes GCC's and Clang's copies of the same inline data (GCC pads them) without a word,
# where GNU ld warns.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(target ${MINGW_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER clang-14)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_C_COMPILER_TARGET ${target})
set(CMAKE_CXX_COMPILER_TARGET ${target})
set(CMAKE_SYSROOT /usr/${target})

# Clang finds MinGW's C headers but not GCC's C++ library, nor GCC's crtbegin.o, which registers
# the unwind tables for GCC's unwinder (with MinGW-w64's own, every throw ends the program): it
# does not read Debian's folder name (lib/gcc/<target>/12-posix) as a GCC version. The posix GCC
# names that folder. Its libstdc++ needs winpthreads, which -pthread links (statically, as
# everything).
execute_process(COMMAND ${target}-gcc-posix -print-libgcc-file-name OUTPUT_VARIABLE libgcc
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
cmake_path(GET libgcc PARENT_PATH gcc_folder)
set(cxx_headers ${gcc_folder}/include/c++)
set(CMAKE_CXX_FLAGS_INIT
    "-stdlib++-isystem${cxx_headers} -stdlib++-isystem${cxx_headers}/${target} -stdlib++-isystem${cxx_headers}/backward")
foreach(kind IN ITEMS EXE SHARED MODULE)
  set(CMAKE_${kind}_LINKER_FLAGS_INIT "-fuse-ld=lld-14 -B${gcc_folder} -L${gcc_folder} -pthread")
endforeach()
