#pragma once
// Windows as a user sees them: the title, the text, the buttons and which of them Enter presses.
#include "Control.h" // WindowText

#include <windows.h>

#include <string>
#include <vector>

struct ShownWindow {
    std::string title;
    std::string message;              // the texts of its visible static controls, joined
    std::vector<std::string> buttons; // the captions of its visible buttons, in window order
    std::string defaultButton;
};

ShownWindow Describe(HWND window);
std::string WindowClass(HWND window);
HWND FindButton(HWND window, const std::string& caption); // visible, among the descendants
