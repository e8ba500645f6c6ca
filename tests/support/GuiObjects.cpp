#include "GuiObjects.h"

#include <windows.h>

namespace {
BOOL CALLBACK CountWindow(HWND, LPARAM counter)
{
    ++*reinterpret_cast<unsigned*>(counter);
    return TRUE;
}

BOOL CALLBACK CountWindowAndDescendants(HWND window, LPARAM counter)
{
    CountWindow(window, counter);
    return EnumChildWindows(window, CountWindow, counter), TRUE;
}
}

unsigned CountGdiObjects()
{
    unsigned count = 0;
    for (UINT_PTR index = 0; index <= 0xFFFF; ++index)
        count += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0;
    return count;
}

unsigned CountThreadWindows()
{
    unsigned count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndDescendants, reinterpret_cast<LPARAM>(&count));
    return count;
}
