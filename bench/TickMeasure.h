#pragma once
// How often a timer tick ran and what the whole process spent meanwhile, while messages are
// dispatched as the program's own loop does.
#include <windows.h>

struct TickCost {
    double ticksPerSecond;
    double cpuSecondsPerSecond; // user and kernel time of this process
};

// Dispatches messages for MS milliseconds; TICKS is what the measured tick counts up.
TickCost MeasureTicks(const long& ticks, DWORD ms);

double SecondsSince(LONGLONG start);
LONGLONG Now(); // in performance counter units
