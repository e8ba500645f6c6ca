# The flags that differ by compiler, for every target of a tree: the product's, the tests', the
# benches' and GoogleTest's where it is built here.
if(MSVC)
  # MSVC's counterpart of -Wall -Wextra; its /Wall warns about the Windows SDK's own headers.
  add_compile_options(/W4)
else()
  add_compile_options(-Wall -Wextra)
endif()
# MSVC's /W4 also rejects a name that hides a member, a local or a global (C4456 to C4459);
# Clang says the same with -Wshadow-all, and so the Clang build stands in for it here.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  add_compile_options(-Wshadow-all)
endif()

if(WIN32)
  # A static runtime: the program and the DLLs import nothing but system DLLs.
  if(MSVC)
    set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
    # The manifest is embedded once, by Nodlink.rc, as under MinGW; link.exe would add one of
    # its own under the same resource id.
    add_link_options(/MANIFEST:NO)
  else()
    # Release builds drop their symbol tables, which more than halves nodlink.exe.
    add_link_options(-static $<$<CONFIG:Release>:-s>)
  endif()
endif()
