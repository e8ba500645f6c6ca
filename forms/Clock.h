#pragma once
#include <windows.h>

// Milliseconds since some fixed moment, from the performance counter: the system's tick count
// moves in steps of up to 16 ms, too coarse for a 3 ms timer or a display frame.
inline double MillisecondsNow()
{
    static const double countsPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / countsPerMs;
}
