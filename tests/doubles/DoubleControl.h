#pragma once
// The record a test executable shares with the driver doubles it loads: the test exports it as
// `NodlinkDriverDoubles`, each double looks it up in the main module. Plain data only.
#include <cstdint>

struct DriverDoubleControl {
    // The headset's script.
    int32_t trackingStatus;  // what VFXGetTracking answers
    bool trackingWrites;     // whether it writes its outputs
    bool alternateExtremes;  // each read writes INT32_MIN, then INT32_MAX, in turn
    int32_t sample[3];
    uint32_t openDelayMs;    // how long VFXOpen takes
    uint32_t readDelayMs;    // and each VFXGetTracking
    // Every entry point called, in order, with the mode of VFXSetVideoMode and VFXLockOutMode.
    struct { char name[24]; int32_t argument; } calls[512];
    int callCount;
    void (*onCall)(const char* name); // lets a test look at the program inside a driver call
};
