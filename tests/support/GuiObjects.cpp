#include "GuiObjects.h"

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM count)
{
    ++*reinterpret_cast<DWORD*>(count);
    return TRUE;
}

BOOL CALLBACK CountOwnWindowTree(HWND window, LPARAM count)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId()) {
        ++*reinterpret_cast<DWORD*>(count);
        EnumChildWindows(window, CountChild, count);
    }
    return TRUE;
}

// Wine's GetGuiResources answers 0; Wine takes a GDI handle by its table index alone, so
// probing every index counts the live objects there.
DWORD CountGdiObjects()
{
    if (const DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return objects;
    DWORD objects = 0;
    for (UINT_PTR index = 0; index <= 0xFFFF; ++index)
        objects += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    return objects;
}
}

GuiObjects CountGuiObjects()
{
    GuiObjects objects{CountGdiObjects(), 0};
    EnumWindows(CountOwnWindowTree, reinterpret_cast<LPARAM>(&objects.windows));
    return objects;
}
