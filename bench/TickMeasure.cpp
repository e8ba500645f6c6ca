#include "TickMeasure.h"

#include "Application.h"

namespace {
double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto total = [](FILETIME time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (total(kernel) + total(user)) / 1e7;
}
}

LONGLONG Now()
{
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double SecondsSince(LONGLONG start)
{
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(Now() - start) / static_cast<double>(frequency.QuadPart);
}

TickCost MeasureTicks(const long& ticks, DWORD ms)
{
    const long ticksBefore = ticks;
    const double cpuBefore = CpuSeconds();
    const LONGLONG start = Now();
    const DWORD startMs = GetTickCount();
    for (DWORD waited = 0; waited < ms; waited = GetTickCount() - startMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - waited, QS_ALLINPUT);
        Application->ProcessMessages();
    }
    const double elapsed = SecondsSince(start);
    return {(ticks - ticksBefore) / elapsed, (CpuSeconds() - cpuBefore) / elapsed};
}
