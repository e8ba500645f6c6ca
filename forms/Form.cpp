#include "Form.h"

#include "Application.h"
#include "Dpi.h"

#include <stdexcept>

namespace {
constexpr char ClassName[] = "TForm";
constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr DWORD FormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
constexpr WORD MainIconId = 1;

void RegisterFormClass(WNDPROC windowProc)
{
    static const ATOM atom = [windowProc] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(MainIconId));
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        windowClass.lpszClassName = ClassName;
        return RegisterClassExA(&windowClass);
    }();
    if (!atom)
        throw std::runtime_error("cannot register the window class TForm");
}
}

TForm::TForm(const std::string& caption, int clientWidth, int clientHeight) : font("MS Sans Serif", -11)
{
    RegisterFormClass(WindowProc);
    RECT frame{0, 0, ScaleToDpi(clientWidth), ScaleToDpi(clientHeight)};
    AdjustWindowRectEx(&frame, FormStyle, FALSE, FormExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (!CreateWindowExA(FormExStyle, ClassName, caption.c_str(), FormStyle, left, top, width, height, nullptr, nullptr,
                         GetModuleHandleA(nullptr), this))
        throw std::runtime_error("cannot create the window " + caption);
}

TForm::~TForm()
{
    DestroyHandle();
}

void TForm::Show()
{
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->Attach(window);
        Application->FormCreated(window);
    }
    auto* form = static_cast<TForm*>(FromHandle(window));
    LRESULT result = 0;
    if (form && form->HandleMessage(message, wParam, lParam, result))
        return result;
    if (form && message == WM_NCDESTROY) {
        Application->FormDestroyed(window);
        form->Detach();
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): a window procedure's message, wParam, lParam
bool TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_COMMAND:
        ForwardCommand(lParam, wParam);
        return true;
    case WM_GETFONT:
        result = reinterpret_cast<LRESULT>(font.Handle());
        return true;
    case WM_CLOSE:
        if (OnClose)
            RaiseEvent(OnClose);
        else
            Application->Terminate();
        return true;
    case WM_ACTIVATE:
        // As a dialog box does: the focused control survives a message box or a switch away.
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus();
            return false;
        }
        return RestoreFocus();
    default:
        return false;
    }
}

void TForm::RememberFocus()
{
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus))
        focusedControl = focus;
}

bool TForm::RestoreFocus()
{
    HWND target = focusedControl && IsChild(Handle(), focusedControl) ? focusedControl
                                                                      : GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (!target)
        return false;
    SetFocus(target);
    return true;
}
