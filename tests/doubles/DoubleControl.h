#pragma once
// The shared record between a test executable and the driver doubles it loads. The test
// executable owns it and exports `NodlinkDriverDoubles`; each double looks the export up in the
// process's main module. Plain data only: the doubles and the test have separate C runtimes,
// and the record must outlive every unload of a double.
#include <cstdint>

struct DriverCall {
    char name[24];
    uintptr_t arguments[3];
};

struct DriverDoubleControl {
    // Script: what VFXGetTracking answers and whether it writes its outputs.
    int32_t trackingStatus;
    bool trackingWrites;
    int32_t sample[3];

    // Record: every entry point call in order, and the loads and unloads of each double.
    DriverCall calls[512];
    int callCount;
    int driveLoads, driveUnloads;
    int drawLoads, drawUnloads;

    // Called after each recorded call, with the entry point's name: lets a test look at the
    // program while it is inside a driver call.
    void (*onCall)(const char* name);
};

using DriverDoublesExport = DriverDoubleControl* (*)();
constexpr const char* DriverDoublesExportName = "NodlinkDriverDoubles";
