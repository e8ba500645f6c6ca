#pragma once
#include "Control.h"

#include <memory>

// A timer that ticks on the GUI thread at its interval, 3 ms included, which a message-loop
// timer cannot do: the system raises those to 10 ms or more. The application's message loop
// waits on a waitable timer and ticks it when it falls due. Inside a modal loop that is not
// ours (a message box, a window being dragged) a message-loop timer on the owner's window
// stands in, at the pace the system allows it. Either way a tick that falls due while the
// thread is busy comes once, when it is free, and none comes after SetEnabled(false) or after
// the timer is gone.
// While a timer runs, the system's timer resolution is raised to 1 ms, which the waitable
// timer needs on Windows; it is given back when the timer stops or goes.
class TTimer {
public:
    TTimer(TWinControl& owner, UINT intervalMs); // disabled
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    UINT Interval() const { return interval; }
    bool Enabled() const { return enabled; }
    void SetEnabled(bool enable);

    TNotifyEvent OnTimer;

    // For the application's message loop: waits up to MS for a message, or ticks the enabled
    // timer that falls due first. True when a message waits.
    static bool TickOrWaitForMessage(DWORD ms);
    // A stand-in's tick, which the application's loop leaves alone: it ticks the timers itself.
    static bool IsStandIn(const MSG& message);

private:
    struct HandleCloser {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };

    static void CALLBACK StandInProc(HWND window, UINT message, UINT_PTR id, DWORD time);
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }
    void Tick();

    TWinControl& owner;
    UINT interval;
    bool enabled = false;
    std::unique_ptr<void, HandleCloser> due; // periodic; signalled while a tick is due
};
