#pragma once
// The soak's output: a row per sample, printed as it is taken, and each counter's growth from
// the sample at the base (the first minute, the first 100 cycles) to the last.
#include "ProcessCounters.h"

class CounterTable {
public:
    CounterTable(const char* title, const char* unit, long growthBase); // unit: "minute", "cycle"
    void Add(long at, const Counters& counters);
    void PrintGrowth() const;

private:
    const char* unit;
    long growthBase;
    Counters base{};
    Counters last{};
};
