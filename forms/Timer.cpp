#include "Timer.h"

#include <algorithm>
#include <vector>

namespace {
// A tick can be on its way while its timer goes; only live timers are called.
std::vector<TTimer*> liveTimers;
}

TTimer::TTimer(TWinControl& owner, UINT intervalMs) : owner(owner), interval(intervalMs)
{
    liveTimers.push_back(this);
}

TTimer::~TTimer()
{
    SetEnabled(false);
    liveTimers.erase(std::find(liveTimers.begin(), liveTimers.end(), this));
}

void TTimer::SetEnabled(bool enable)
{
    if (enable == enabled)
        return;
    enabled = enable;
    HWND window = owner.Handle();
    if (!window)
        return; // destroyed: a null window would make SetTimer choose an id of its own
    if (enabled)
        SetTimer(window, Id(), interval, &TTimer::TimerProc);
    else
        KillTimer(window, Id());
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD)
{
    auto* timer = reinterpret_cast<TTimer*>(id);
    if (std::find(liveTimers.begin(), liveTimers.end(), timer) != liveTimers.end())
        RaiseEvent(timer->OnTimer);
}
