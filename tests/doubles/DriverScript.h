#pragma once
// What the driver doubles answer and the calls they record: one record in the test executable,
// exported as `NodlinkDriverScript`, which each double looks up in the main module. Plain data.
#include <cstdint>

struct DriverScript {
    int32_t trackingStatus = 1; // what VFXGetTracking answers
    bool trackingWrites = true; // whether it writes its outputs
    int32_t sample[3] = {};
    // Every entry point called, in order, with the mode of VFXSetVideoMode and VFXLockOutMode.
    struct Call {
        char name[24];
        int32_t argument;
    } calls[64] = {};
    int callCount = 0;
};
