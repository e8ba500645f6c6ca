// Loaded into the soaked nodlink.exe and run there on a thread of its own: GDI handles belong
// to their process, and Wine's GetGuiResources answers 0 for any process.
#include "GuiObjects.h"

#include <windows.h>

extern "C" __declspec(dllexport) DWORD WINAPI CountGdiObjects(void*)
{
    return CountGuiObjects().gdiObjects;
}
