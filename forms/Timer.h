#pragma once
#include "Control.h"

// A message-loop timer on its owner's window: it fires whenever the thread dispatches messages,
// in a message box's modal loop too, and ticks missed while the thread is busy come as one.
// The system raises intervals below about 10 ms to that.
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
    static void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

    TWinControl& owner;
    UINT interval;
    bool enabled = false;
};
