#pragma once
// The record a test executable shares with the driver doubles it loads. The test executable
// owns it and exports `NodlinkDriverDoubles`; each double looks the export up in the process's
// main module. Plain data only: the doubles and the test have separate C runtimes.
#include <cstdint>

struct DriverCall {
    char name[24];
    int32_t argument; // the mode of VFXSetVideoMode and VFXLockOutMode
};

struct DriverDoubleControl {
    // Script of the headset.
    int32_t trackingStatus;   // what VFXGetTracking answers
    bool trackingWrites;      // whether it writes its outputs
    bool alternateExtremes;   // every read writes INT32_MIN, then INT32_MAX, in turn
    int32_t sample[3];
    uint32_t openDelayMs;     // VFXOpen takes this long
    uint32_t readDelayMs;     // and each VFXGetTracking this long

    // Every entry point call, in order.
    DriverCall calls[512];
    int callCount;

    // Called after each recorded call: lets a test look at the program inside a driver call.
    void (*onCall)(const char* name);
};

using DriverDoublesExport = DriverDoubleControl* (*)();
