#include "CounterTable.h"

#include <cstdio>

namespace {
long long Kib(uint64_t bytes)
{
    return static_cast<long long>(bytes / 1024);
}

long long Change(uint64_t from, uint64_t to)
{
    return static_cast<long long>(to) - static_cast<long long>(from);
}
}

CounterTable::CounterTable(const char* title, const char* unit, long growthBase) : unit(unit), growthBase(growthBase)
{
    std::printf("\n%s\n%8s %8s %6s %6s %12s %16s\n", title, unit, "handles", "GDI", "USER", "private KiB",
                "working set KiB");
}

void CounterTable::Add(long at, const Counters& counters)
{
    std::printf("%8ld %8llu %6llu %6llu %12lld %16lld\n", at, static_cast<unsigned long long>(counters.handles),
                static_cast<unsigned long long>(counters.gdiObjects),
                static_cast<unsigned long long>(counters.userObjects), Kib(counters.privateBytes),
                Kib(counters.workingSet));
    if (at == growthBase)
        base = counters;
    last = counters;
}

void CounterTable::PrintGrowth() const
{
    std::printf("growth after %s %ld: handles %+lld, GDI %+lld, USER %+lld, private %+lld KiB, working set %+lld KiB\n",
                unit, growthBase, Change(base.handles, last.handles), Change(base.gdiObjects, last.gdiObjects),
                Change(base.userObjects, last.userObjects), Kib(last.privateBytes) - Kib(base.privateBytes),
                Kib(last.workingSet) - Kib(base.workingSet));
}
