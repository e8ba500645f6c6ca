#include "Control.h"

#include "Dpi.h"

#include <stdexcept>
#include <vector>

namespace {
// Below 100 ids could meet IDOK and IDCANCEL, which IsDialogMessage sends for Enter and Esc.
constexpr int FirstControlId = 100;

int ChildCount(HWND parent)
{
    int count = 0;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}
}

TWinControl::~TWinControl()
{
    DestroyHandle();
}

void TWinControl::SetEnabled(bool enabled)
{
    EnableWindow(handle, enabled ? TRUE : FALSE);
}

bool TWinControl::Enabled() const
{
    return IsWindowEnabled(handle) != FALSE;
}

void TWinControl::CreateChild(TWinControl& parent, const char* windowClass, const std::string& text, DWORD style,
                              DWORD exStyle, TBounds bounds)
{
    const int siblings = ChildCount(parent.Handle());
    if (siblings == 0)
        style |= WS_GROUP;
    HWND window = CreateWindowExA(
        exStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, ScaleToDpi(bounds.Left),
        ScaleToDpi(bounds.Top), ScaleToDpi(bounds.Width), ScaleToDpi(bounds.Height), parent.Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(FirstControlId + siblings)), GetModuleHandleA(nullptr), nullptr);
    if (!window)
        throw std::runtime_error(std::string("cannot create a control of class ") + windowClass);
    Attach(window);
    SendMessageA(window, WM_SETFONT, SendMessageA(parent.Handle(), WM_GETFONT, 0, 0), FALSE);
}

void TWinControl::Attach(HWND window)
{
    handle = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void TWinControl::Detach()
{
    SetWindowLongPtrA(handle, GWLP_USERDATA, 0);
    handle = nullptr;
}

void TWinControl::DestroyHandle()
{
    if (handle && FromHandle(handle) == this)
        DestroyWindow(handle);
    handle = nullptr;
}

std::string WindowText(HWND window)
{
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string TWinControl::ReadText() const
{
    return WindowText(handle);
}

void TWinControl::WriteText(const std::string& text)
{
    SetWindowTextA(handle, text.c_str());
}

void TWinControl::Notify(WORD)
{
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): WM_COMMAND's lParam and wParam, by those names
void TWinControl::ForwardCommand(LPARAM control, WPARAM wParam)
{
    if (TWinControl* sender = FromHandle(reinterpret_cast<HWND>(control)))
        sender->Notify(HIWORD(wParam));
}

TWinControl* TWinControl::FromHandle(HWND window)
{
    if (!window || !IsWindow(window))
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}
