#pragma once
// Looking at windows as a user or the dialog manager sees them.
#include <windows.h>

#include <string>
#include <vector>

std::string WindowText(HWND window);
std::string WindowClass(HWND window);
RECT RectInParent(HWND window);       // the window's rectangle in its parent's client area
std::vector<HWND> TabOrder(HWND form); // the controls Tab walks through, from the first
