#pragma once
// What the driver doubles deliver and the calls they record: one record in the test executable,
// exported as `NodlinkDriverScript`, which each double looks up in the main module. Plain data.
#include <cstdint>

struct DriverScript {
    int32_t sample[3] = {}; // what VFXGetTracking delivers, with status 1
    // Every call but VFXGetTracking, in order, each followed by a blank, with the mode that
    // VFXSetVideoMode and VFXLockOutMode get: "VFXOpen VFXSetVideoMode(0) ...".
    char calls[1024] = {};
};
