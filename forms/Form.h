#pragma once
#include "Control.h"
#include "Font.h"

#include <string>

// A top-level window with a fixed dialog frame, centred on the screen, in the button-face
// colour and the font "MS Sans Serif" 8 pt. Created hidden; its controls are its children.
class TForm : public TWinControl {
public:
    // The client area's size in pixels at 96 DPI.
    TForm(const std::string& caption, int clientWidth, int clientHeight);
    ~TForm() override;

    void Show();

    // The user closes the window (close box, Alt+F4, system menu). When set it runs instead of
    // the default, which terminates the application.
    TNotifyEvent OnClose;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void RememberFocus();
    bool RestoreFocus();

    TFont font;
    HWND focusedControl = nullptr;
};
