#pragma once
// Counts the heap allocations made by this executable's own code, the program's code linked
// into it and its static C++ runtime: every operator new, and every call through the
// executable's import table to malloc, calloc, realloc, _aligned_malloc, HeapAlloc and
// HeapReAlloc. Allocations inside system DLLs and the driver DLLs are not counted.
#include <cstdint>

struct AllocationCount {
    uint64_t operatorNew;
    uint64_t heapCalls;
};

// Redirects the import-table entries to counting wrappers; call once, before counting.
void StartCountingAllocations();
AllocationCount AllocationsSoFar();
