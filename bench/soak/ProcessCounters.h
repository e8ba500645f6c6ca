#pragma once
// What a leak would make grow in another process, sampled from outside.
#include <windows.h>

#include <cstdint>
#include <memory>

struct Counters {
    uint64_t handles;
    uint64_t gdiObjects;
    uint64_t userObjects;
    uint64_t privateBytes; // committed private memory
    uint64_t workingSet;
};

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

class ProcessCounters {
public:
    // Opens the process and loads the GDI probe (soak_probe.dll beside this program) into it.
    explicit ProcessCounters(DWORD processId);

    Counters Sample() const;

private:
    uint64_t Handles() const;
    uint64_t GdiObjects() const;
    uint64_t UserObjects() const;
    uint64_t PrivateBytes() const;

    DWORD processId;
    OwnedHandle process;
    LPTHREAD_START_ROUTINE countGdiObjects; // in the other process
};
