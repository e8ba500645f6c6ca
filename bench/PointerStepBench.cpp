// Cost of PointerStep with the simulated headset: nanoseconds per step, once with the real
// SendInput and once with the event discarded, and whether the steps allocated.
#include "AllocationCounter.h"
#include "BuildTree.h"
#include "PointerStep.h"
#include "TrackerDriver.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

namespace {
constexpr int StepsPerRun = 100000;
constexpr int Runs = 7;

struct BenchResult {
    double medianNs;
    double fastestNs;
    double slowestNs;
    AllocationCount allocations;
};

UINT WINAPI DiscardInput(UINT count, LPINPUT, int)
{
    return count;
}

double NanosecondsPerStep(LONGLONG ticks)
{
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) * 1e9 / static_cast<double>(frequency.QuadPart) / StepsPerRun;
}

BenchResult Measure(SendInputFunction send)
{
    SendPointerInput = send;
    std::array<double, Runs> perStep{};
    const AllocationCount before = AllocationsSoFar();
    for (double& nanoseconds : perStep) {
        int32_t shownX = 0, shownY = 0;
        LARGE_INTEGER start{}, end{};
        QueryPerformanceCounter(&start);
        for (int step = 0; step < StepsPerRun; ++step)
            PointerStep(shownX, shownY);
        QueryPerformanceCounter(&end);
        nanoseconds = NanosecondsPerStep(end.QuadPart - start.QuadPart);
    }
    const AllocationCount after = AllocationsSoFar();
    std::sort(perStep.begin(), perStep.end());
    return {perStep[Runs / 2], perStep.front(), perStep.back(),
            {after.operatorNew - before.operatorNew, after.heapCalls - before.heapCalls}};
}

void PrintRow(const char* send, const BenchResult& result)
{
    std::printf("%-10s %12.0f %10.0f %10.0f %14llu %12llu\n", send, result.medianNs, result.fastestNs,
                result.slowestNs, static_cast<unsigned long long>(result.allocations.operatorNew),
                static_cast<unsigned long long>(result.allocations.heapCalls));
}
}

int main()
{
    SetDllDirectoryA(BuildTreeFolder("program").c_str());
    if (!OpenTracker()) {
        std::fprintf(stderr, "The simulated headset did not open (VFXDrive.dll, VFXDraw.dll in ..\\program).\n");
        CloseTracker();
        return 1;
    }
    StartCountingAllocations();
    MappingParameters = {false, true, true, 10, 10, 0, 0};
    POINT cursor{};
    GetCursorPos(&cursor);

    const BenchResult real = Measure(SendInput);
    const BenchResult discarded = Measure(DiscardInput);

    SetCursorPos(cursor.x, cursor.y);
    CloseTracker();

    std::printf("PointerStep, relative mode, simulated headset: %d runs of %d steps\n\n", Runs, StepsPerRun);
    std::printf("%-10s %12s %10s %10s %14s %12s\n", "send", "median ns", "fastest", "slowest",
                "operator new", "heap calls");
    PrintRow("SendInput", real);
    PrintRow("no-op", discarded);
    std::printf("\nns per step; operator new and heap calls counted during the steps (malloc, calloc,\n"
                "realloc, _aligned_malloc, HeapAlloc, HeapReAlloc called by this executable).\n");
    return 0;
}
