#pragma once
// What the bench and the soak share: the real dialog run in this process as nodlink.exe runs it,
// timing, and the count of heap allocations.
#include "Application.h"
#include "BuildTree.h"
#include "Clock.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

// The dialog created next runs as nodlink.exe in FOLDER would, with the simulated headset of
// the built program folder.
inline void RunDialogFrom(const std::string& folder)
{
    Application->Initialize();
    Application->SetExeName(folder + "nodlink.exe");
    SetDllDirectoryA(BuildTreeFolder("program").c_str());
}

// Handles messages and ticks as the program's own loop does until DONE gives true or MS
// milliseconds have passed; gives DONE().
template <class Done>
bool PumpUntil(Done done, DWORD ms)
{
    const double end = MillisecondsNow() + ms;
    for (double now = MillisecondsNow(); !done() && now < end; now = MillisecondsNow())
        Application->HandleMessages(static_cast<DWORD>(end - now) + 1);
    return done();
}

// Runs CLEANUP when it goes, on every way out of its scope.
template <class Cleanup>
struct Finally {
    Cleanup cleanup;
    ~Finally() { cleanup(); }
};

// The value a FRACTION of the way from the smallest of VALUES to the largest: 0.5, the median.
inline double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1))];
}

using Clock = std::chrono::steady_clock;
inline double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void DialogFigures();

// Heap allocations made by this executable's own code, the program's code linked into it and
// its static C++ runtime. Allocations inside system and driver DLLs are not counted.
struct Allocations {
    unsigned long long operatorNew;
    unsigned long long heapCalls;
    Allocations operator-(const Allocations& before) const
    {
        return {operatorNew - before.operatorNew, heapCalls - before.heapCalls};
    }
};
inline constexpr const char* WhatAllocationsCount =
    "operator new: its calls; heap calls: malloc, calloc, realloc through the exe's imports, operator new's too";
extern Allocations allocationsSoFar;
void StartCountingAllocations(); // once, before counting
