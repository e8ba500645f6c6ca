#include "Timer.h"

#include "Application.h"

#include <mmsystem.h>

#include <stdexcept>

namespace {
constexpr UINT ResolutionMs = 1;

// CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, which MinGW's headers lack. CreateWaitableTimerExW's
// documentation gives it for timers that must keep to a few milliseconds, from Windows 10,
// version 1803; older Windows refuses it. Such a timer needs no timeBeginPeriod.
constexpr DWORD HighResolution = 0x00000002;

HANDLE CreateTimer(DWORD flags)
{
    return CreateWaitableTimerExW(nullptr, nullptr, flags, TIMER_MODIFY_STATE | SYNCHRONIZE);
}

// Windows 11 may ignore a raised timer resolution while the process's windows are covered or
// minimized, which is where Nodlink's usually are: timeBeginPeriod's Remarks say so and point to
// SetProcessInformation, whose Remarks give this request (PROCESS_POWER_THROTTLING_STATE with
// the control mask PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION and no state mask) to have
// it honoured all the same. Windows 7 has no SetProcessInformation, and before Windows 11 it
// does not ignore the resolution. Windows 11 has high-resolution timers, so this is only for a
// Windows 11 that refuses one all the same.
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

TTimer::TTimer(TWinControl& ownedBy, UINT intervalMs)
    : owner(ownedBy), interval(intervalMs), due(CreateTimer(HighResolution))
{
    if (!due) {
        raisesResolution = true;
        due.reset(CreateTimer(0));
    }
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
    if (enabled) {
        if (raisesResolution) {
            HonourTimerResolutionWhenHidden();
            timeBeginPeriod(ResolutionMs);
        }
        LARGE_INTEGER firstDue;
        firstDue.QuadPart = -static_cast<LONGLONG>(interval) * 10000; // from now, in 100 ns
        SetWaitableTimer(due.get(), &firstDue, static_cast<LONG>(interval), nullptr, nullptr, FALSE);
        Application->RegisterTimer(due.get(), interval, OnTimer, owner.Handle());
    } else {
        CancelWaitableTimer(due.get());
        if (raisesResolution)
            timeEndPeriod(ResolutionMs);
        Application->UnregisterTimer(due.get());
    }
}
