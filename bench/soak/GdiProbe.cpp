// Loaded into the soaked nodlink.exe and run there on a thread of its own: GDI handles belong
// to their process, and Wine's GetGuiResources answers 0 for any process. Wine takes a GDI
// handle by its table index alone, so probing every index counts the live objects.
#include <windows.h>

extern "C" __declspec(dllexport) DWORD WINAPI CountGdiObjects(void*)
{
    DWORD count = 0;
    for (UINT_PTR index = 0; index <= 0xFFFF; ++index)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    return count;
}
