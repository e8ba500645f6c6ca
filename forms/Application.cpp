#include "Application.h"

#include "Clock.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {
TApplication application;
}

TApplication* const Application = &application;

void RaiseEvent(const TNotifyEvent& event)
{
    if (!event)
        return;
    try {
        event();
    } catch (const std::exception& exception) {
        Application->ShowException(exception);
    }
}

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
    if (TickOrWaitForMessage(ms))
        ProcessMessages();
}

void TApplication::ProcessMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            terminated = true;
        else if (!IsStandIn(message))
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

void TApplication::RegisterTimer(HANDLE due, UINT intervalMs, const TNotifyEvent& onTimer, HWND window)
{
    timers.push_back({due, intervalMs, &onTimer, window});
    if (window) // null once destroyed: SetTimer would then choose an id of its own
        SetTimer(window, reinterpret_cast<UINT_PTR>(due), intervalMs, &TApplication::StandInProc);
}

void TApplication::UnregisterTimer(HANDLE due)
{
    const auto timer = Running(due);
    if (timer->window)
        KillTimer(timer->window, reinterpret_cast<UINT_PTR>(due));
    timers.erase(timer);
}

std::vector<TApplication::RunningTimer>::iterator TApplication::Running(HANDLE due)
{
    return std::find_if(timers.begin(), timers.end(), [due](const RunningTimer& timer) { return timer.due == due; });
}

bool TApplication::TickOrWaitForMessage(DWORD ms)
{
    if (std::exchange(messagesFirst, false) && HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0)
        return true; // a message of any kind is in the queue
    HANDLE handles[MAXIMUM_WAIT_OBJECTS - 1];
    const DWORD count = static_cast<DWORD>(std::min(timers.size(), std::size(handles)));
    for (DWORD i = 0; i < count; ++i)
        handles[i] = timers[i].due;
    // Waiting satisfied resets the timer's signal: each time it falls due gives one tick.
    const DWORD woken = MsgWaitForMultipleObjectsEx(count, handles, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken < WAIT_OBJECT_0 + count)
        Tick(timers[woken - WAIT_OBJECT_0]);
    return woken == WAIT_OBJECT_0 + count;
}

bool TApplication::IsStandIn(const MSG& message) const
{
    return message.message == WM_TIMER &&
           std::any_of(timers.begin(), timers.end(), [&message](const RunningTimer& timer) {
               return reinterpret_cast<UINT_PTR>(timer.due) == message.wParam && timer.window == message.hwnd;
           });
}

void CALLBACK TApplication::StandInProc(HWND, UINT, UINT_PTR id, DWORD)
{
    Application->TickIfDue(reinterpret_cast<HANDLE>(id));
}

// A stand-in's tick can be on its way while its timer stops or goes: only running timers tick.
void TApplication::TickIfDue(HANDLE due)
{
    const auto timer = Running(due);
    if (timer != timers.end() && WaitForSingleObject(due, 0) == WAIT_OBJECT_0)
        Tick(*timer);
}

void TApplication::Tick(const RunningTimer& timer)
{
    const double start = MillisecondsNow(), slow = timer.intervalMs; // the handler may stop this timer
    RaiseEvent(*timer.onTimer);
    messagesFirst = MillisecondsNow() - start >= slow;
}
