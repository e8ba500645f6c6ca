#include "Application.h"

#include "Timer.h"

#include <commctrl.h>

#include <vector>

namespace {
TApplication application;
}

TApplication* const Application = &application;

void TApplication::Initialize()
{
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    terminated = false;
}

std::string TApplication::ExeName() const
{
    if (!exeNameOverride.empty())
        return exeNameOverride;
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

void TApplication::SetExeName(const std::string& path)
{
    exeNameOverride = path;
}

HWND TApplication::MainWindow() const
{
    return mainWindow;
}

void TApplication::Run()
{
    while (!terminated)
        HandleMessages(INFINITE);
}

void TApplication::HandleMessages(DWORD ms)
{
    if (TTimer::TickOrWaitForMessage(ms))
        ProcessMessages();
}

void TApplication::ProcessMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            terminated = true;
        else if (!TTimer::IsStandIn(message))
            Dispatch(message);
    }
}

void TApplication::Dispatch(MSG& message)
{
    // The dialog manager gives the main form Tab, Shift+Tab and the arrow keys.
    HWND window = MainWindow();
    if (window && IsDialogMessageA(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void TApplication::Terminate()
{
    terminated = true;
    if (HWND window = MainWindow())
        DestroyWindow(window);
}

void TApplication::BringToFront()
{
    if (HWND window = MainWindow())
        SetForegroundWindow(window);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    return ::MessageBoxA(MainWindow(), text.c_str(), caption.c_str(), flags);
}

void TApplication::ShowException(const std::exception& exception)
{
    ::MessageBoxA(MainWindow(), exception.what(), Title.c_str(), MB_OK | MB_ICONSTOP);
}

void TApplication::FormCreated(HWND window)
{
    if (!mainWindow)
        mainWindow = window;
}

void TApplication::FormDestroyed(HWND window)
{
    if (mainWindow == window)
        mainWindow = nullptr;
}
