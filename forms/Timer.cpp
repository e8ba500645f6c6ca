#include "Timer.h"

#include "Clock.h"

#include <mmsystem.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

namespace {
constexpr UINT ResolutionMs = 1;

// The timers that tick. A stand-in's tick can be on its way while its timer stops or goes;
// only the timers listed here are ticked.
std::vector<TTimer*> enabledTimers;

// A tick that took its whole interval would find the next one due at once, and the loop's
// wait prefers timers to messages: the messages waiting then go first, so that a slow tick
// cannot starve the clicks that would stop it.
bool messagesFirst = false;

// Windows 11 may ignore a raised timer resolution while the process's windows are covered or
// minimized, which is where Nodlink's usually are; SetProcessInformation's documentation gives
// this request to have it honoured all the same. Windows 7 has no SetProcessInformation, and
// before Windows 11 it does not ignore the resolution.
void HonourTimerResolutionWhenHidden()
{
    using SetInformation = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
    const FARPROC entry = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetProcessInformation");
    if (!entry)
        return;
    PROCESS_POWER_THROTTLING_STATE state{PROCESS_POWER_THROTTLING_CURRENT_VERSION,
                                         PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION, 0};
    reinterpret_cast<SetInformation>(reinterpret_cast<void*>(entry))(GetCurrentProcess(), ProcessPowerThrottling,
                                                                     &state, sizeof state);
}
}

TTimer::TTimer(TWinControl& owner, UINT intervalMs)
    : owner(owner), interval(intervalMs), due(CreateWaitableTimerA(nullptr, FALSE, nullptr))
{
    if (!due)
        throw std::runtime_error("cannot create a timer");
}

TTimer::~TTimer()
{
    SetEnabled(false);
}

void TTimer::SetEnabled(bool enable)
{
    if (enable == enabled)
        return;
    enabled = enable;
    HWND window = owner.Handle(); // null once destroyed: SetTimer would then choose an id of its own
    if (enabled) {
        HonourTimerResolutionWhenHidden();
        timeBeginPeriod(ResolutionMs);
        LARGE_INTEGER firstDue;
        firstDue.QuadPart = -static_cast<LONGLONG>(interval) * 10000; // from now, in 100 ns
        SetWaitableTimer(due.get(), &firstDue, static_cast<LONG>(interval), nullptr, nullptr, FALSE);
        enabledTimers.push_back(this);
        if (window)
            SetTimer(window, Id(), interval, &TTimer::StandInProc);
    } else {
        CancelWaitableTimer(due.get());
        timeEndPeriod(ResolutionMs);
        enabledTimers.erase(std::find(enabledTimers.begin(), enabledTimers.end(), this));
        if (window)
            KillTimer(window, Id());
    }
}

bool TTimer::TickOrWaitForMessage(DWORD ms)
{
    if (std::exchange(messagesFirst, false) && HIWORD(GetQueueStatus(QS_ALLINPUT)) != 0)
        return true; // a message of any kind is in the queue
    HANDLE handles[MAXIMUM_WAIT_OBJECTS - 1];
    const DWORD count = static_cast<DWORD>(std::min(enabledTimers.size(), std::size(handles)));
    for (DWORD i = 0; i < count; ++i)
        handles[i] = enabledTimers[i]->due.get();
    // Waiting satisfied resets the timer's signal: each time it falls due gives one tick.
    const DWORD woken = MsgWaitForMultipleObjectsEx(count, handles, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken < WAIT_OBJECT_0 + count)
        enabledTimers[woken - WAIT_OBJECT_0]->Tick();
    return woken == WAIT_OBJECT_0 + count;
}

bool TTimer::IsStandIn(const MSG& message)
{
    return message.message == WM_TIMER &&
           std::any_of(enabledTimers.begin(), enabledTimers.end(), [&message](const TTimer* timer) {
               return timer->Id() == message.wParam && timer->owner.Handle() == message.hwnd;
           });
}

void CALLBACK TTimer::StandInProc(HWND, UINT, UINT_PTR id, DWORD)
{
    const auto timer = std::find(enabledTimers.begin(), enabledTimers.end(), reinterpret_cast<TTimer*>(id));
    if (timer != enabledTimers.end() && WaitForSingleObject((*timer)->due.get(), 0) == WAIT_OBJECT_0)
        (*timer)->Tick();
}

void TTimer::Tick()
{
    const double start = MillisecondsNow(), slow = interval; // the handler may destroy this timer
    RaiseEvent(OnTimer);
    messagesFirst = MillisecondsNow() - start >= slow;
}
