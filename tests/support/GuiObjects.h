#pragma once
// What a leak of window resources makes grow in this process.
#include <windows.h>

struct GuiObjects {
    DWORD gdiObjects;
    DWORD windows; // top-level windows of this process and all their descendants
    bool operator==(const GuiObjects&) const = default;
};

GuiObjects CountGuiObjects();
