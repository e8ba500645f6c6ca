#include "GuiObjects.h"

#include <windows.h>

namespace {
// Wine's GetGuiResources is a stub that answers 0. Wine takes a GDI handle by its table
// index alone (upper word 0), so probing every index counts the live GDI objects.
unsigned CountGdiObjectsByIndex()
{
    unsigned count = 0;
    for (UINT_PTR index = 0; index <= 0xFFFF; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0)
            ++count;
    return count;
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter)
{
    ++*reinterpret_cast<unsigned*>(counter);
    return TRUE;
}

BOOL CALLBACK CountWindowAndDescendants(HWND window, LPARAM counter)
{
    CountWindow(window, counter);
    EnumChildWindows(window, CountWindow, counter); // walks all descendants
    return TRUE;
}

// Windows, the only USER objects a form creates: counted on Wine, where GetGuiResources is
// a stub, among the thread's windows with all their descendants.
unsigned CountThreadWindows()
{
    unsigned count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWindowAndDescendants, reinterpret_cast<LPARAM>(&count));
    return count;
}
}

GuiObjectCounts CountGuiObjects()
{
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    if (gdi == 0 && user == 0)
        return {CountGdiObjectsByIndex(), CountThreadWindows()};
    return {gdi, user};
}
