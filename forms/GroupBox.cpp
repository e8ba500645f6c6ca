#include "GroupBox.h"

// cppcheck-suppress passedByValue ; four ints, copied once as the control is made
TGroupBox::TGroupBox(TWinControl& parent, TBounds bounds, const std::string& caption)
{
    CreateChild(parent, "BUTTON", caption, BS_GROUPBOX, WS_EX_CONTROLPARENT, bounds);
    buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TGroupBox::WindowProc)));
}

TGroupBox::~TGroupBox()
{
    DestroyHandle(); // while buttonProc still lives
}

LRESULT CALLBACK TGroupBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A group box drops its children's notifications; their objects want them.
    if (message == WM_COMMAND) {
        ForwardCommand(lParam, wParam);
        return 0;
    }
    auto* group = static_cast<TGroupBox*>(FromHandle(window));
    return CallWindowProcA(group->buttonProc, window, message, wParam, lParam);
}
