#pragma once
// Windows as a user sees them: title, every visible control with its text, the default button,
// and whether each text fits its control, measured with the control's own font.
#include <windows.h>

#include <string>
#include <vector>

struct ShownControl {
    std::string className;
    std::string text; // "<icon>" and "<picture>" for an icon or a bitmap shown
    RECT rect;        // in the parent's client area
    bool isDefault;   // drawn as the default button, which Enter presses
    bool fits;        // the text inside the control, the control inside its parent
};

struct ShownWindow {
    std::string title;
    std::vector<ShownControl> controls; // the visible ones, depth first in window order

    std::string Message() const; // the texts of its plain static controls, joined
    std::string DefaultButton() const;
};

ShownWindow Describe(HWND window);
std::string WindowText(HWND window);
std::string WindowClass(HWND window);
HWND FindButton(HWND window, const std::string& caption); // visible, among the descendants
void SaveWindowPicture(HWND window, const std::string& path); // with its frame, as a BMP file
