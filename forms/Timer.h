#pragma once
#include "Control.h"

#include <memory>

// A timer that ticks on the GUI thread at its interval, 3 ms included, which a message-loop
// timer cannot do: the system raises those to 10 ms or more. While it runs it is registered
// with the application, whose loop waits on its waitable timer and ticks it when it falls due,
// and stands in for it inside modal loops that are not ours (TApplication::RegisterTimer).
// A tick that falls due while the thread is busy comes once, when it is free, and none comes
// after SetEnabled(false) or after the timer is gone.
// Where Windows has high-resolution waitable timers (Windows 10, version 1803 and later) that
// is all it needs. Elsewhere, while it runs, the system's timer resolution is raised to 1 ms,
// which a plain waitable timer needs; it is given back when the timer stops or goes.
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

private:
    struct HandleCloser {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };

    TWinControl& owner;
    UINT interval;
    bool enabled = false;
    std::unique_ptr<void, HandleCloser> due; // periodic; signalled while a tick is due
    bool raisesResolution = false;           // a plain waitable timer: no high resolution here
};
