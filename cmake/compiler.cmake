# The flags that differ by compiler, for every target of a tree: the product's, the tests', the
# benches' and GoogleTest's where it is built here.
if(MSVC)
  # MSVC's counterpart of -Wall -Wextra; its /Wall warns about the Windows SDK's own headers.
  add_compile_options(/W4)
else()
  add_compile_options(-Wall -Wextra)
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
