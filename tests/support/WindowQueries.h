#pragma once
// Windows as a user sees them: the title, the visible controls with their texts, the buttons
// and which of them Enter presses.
#include <windows.h>

#include <string>
#include <vector>

struct ShownControl {
    std::string className;
    std::string text;
    bool isDefault; // drawn as the default button
};

struct ShownWindow {
    std::string title;
    std::vector<ShownControl> controls; // the visible ones, depth first in window order

    std::string Message() const; // the texts of its static controls, joined
    std::vector<std::string> Buttons() const;
    std::string DefaultButton() const;
};

ShownWindow Describe(HWND window);
std::string WindowText(HWND window);
std::string WindowClass(HWND window);
HWND FindButton(HWND window, const std::string& caption); // visible, among the descendants
void SaveWindowPicture(HWND window, const std::string& path); // with its frame, as a BMP file
