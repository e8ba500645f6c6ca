#pragma once
#include <windows.h>

// Runs the calling thread at PRIORITY while the object lives, then at the priority it had.
class TThreadPriority {
public:
    explicit TThreadPriority(int priority) : before(GetThreadPriority(GetCurrentThread()))
    {
        SetThreadPriority(GetCurrentThread(), priority);
    }
    ~TThreadPriority() { SetThreadPriority(GetCurrentThread(), before); }
    TThreadPriority(const TThreadPriority&) = delete;
    TThreadPriority& operator=(const TThreadPriority&) = delete;

private:
    int before;
};
