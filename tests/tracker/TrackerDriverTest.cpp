#include "TrackerDriver.h"

#include "DriverDoubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {
using Calls = std::vector<std::string>;

// The driver state and the loads are process-wide: every case starts closed.
void StartClosed(const char* scenario)
{
    CloseTracker();
    UseDriverScenario(scenario);
    ResetDoubles();
}

bool Loaded(bool drive, bool draw)
{
    return IsDriverLibraryLoaded("VFXDrive.dll") == drive && IsDriverLibraryLoaded("VFXDraw.dll") == draw;
}

TEST(TrackerDriver, OpenPassesItsModesAndEveryOpenCountsUntilItsClose)
{
    StartClosed("full");
    ASSERT_TRUE(OpenTracker());
    ASSERT_TRUE(OpenTracker());
    CloseTracker();
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode", "VFXOpen", "VFXSetVideoMode",
                                  "VFXLockOutMode", "VFXClose"}));
    EXPECT_EQ(std::tuple(Doubles().calls[1].argument, Doubles().calls[2].argument), std::tuple(0, 0));
    EXPECT_TRUE(Loaded(true, true)) << "one load of each is still held";
    EXPECT_EQ(CloseDriveLibrary(), LibraryNotLoaded);
    EXPECT_EQ(CloseDrawLibrary(), LibraryNotLoaded);
    EXPECT_EQ(SetVideoMode(-5), TrackerOk) << "its binding stays";
    EXPECT_EQ(std::tuple(Doubles().callCount, Doubles().calls[7].argument), std::tuple(8, -5));
    StartClosed("none");
}

// A failed open leaves loaded what it loaded, until CloseTracker releases it.
struct FailedOpen {
    const char* scenario;
    TrackerResult (*failingStep)();
    TrackerResult failure;
    size_t callsAtOpen; // of VFXOpen, VFXSetVideoMode
    bool drawLoaded;
    bool closeCallsVFXClose;
};

const FailedOpen FailedOpens[] = {
    {"none", LoadDriveLibrary, DriveLoadFailed, 0, false, false},
    {"without-VFXOpen", LoadDriveLibrary, DriveEntryMissing, 0, false, true},
    {"without-VFXClose", LoadDriveLibrary, DriveEntryMissing, 0, false, false},
    {"without-VFXZeroSet", LoadDriveLibrary, DriveEntryMissing, 0, false, true},
    {"without-VFXSetVideoMode", LoadDriveLibrary, DriveEntryMissing, 0, false, true},
    {"without-VFXGetTracking", ReadTracking, DriveEntryMissing, 0, false, true},
    {"drive-only", LoadDrawLibrary, DrawLoadFailed, 2, false, true},
    {"without-VFXLockOutMode", [] { return LockOutMode(0); }, DrawEntryMissing, 2, true, true},
    {"without-VFXSetConfigBits", LoadDrawLibrary, DrawEntryMissing, 2, true, true},
    {"without-VFXGetConfigBits", LoadDrawLibrary, DrawEntryMissing, 2, true, true},
    {"without-VFXSetIPDPercent", LoadDrawLibrary, DrawEntryMissing, 2, true, true},
};

TEST(TrackerDriver, AFailedOpenKeepsWhatItLoadedUntilClose)
{
    for (const FailedOpen& open : FailedOpens) {
        SCOPED_TRACE(open.scenario);
        StartClosed("full"); // every entry bound: a rebind must forget what the next library lacks
        ASSERT_TRUE(OpenTracker());
        StartClosed(open.scenario);
        EXPECT_FALSE(OpenTracker());
        Calls calls{"VFXOpen", "VFXSetVideoMode"};
        calls.resize(open.callsAtOpen);
        EXPECT_EQ(CallNames(), calls);
        EXPECT_TRUE(Loaded(open.failure != DriveLoadFailed, open.drawLoaded));
        CloseTracker();
        if (open.closeCallsVFXClose)
            calls.push_back("VFXClose");
        EXPECT_EQ(CallNames(), calls);
        EXPECT_TRUE(Loaded(false, false));
        EXPECT_EQ(open.failingStep(), open.failure);
    }
    StartClosed("none");
}

TEST(TrackerDriver, ReadSampleHandsOutTheHoldersWhateverTheStatus)
{
    StartClosed("full");
    ASSERT_TRUE(OpenTracker());
    struct Read {
        int32_t status;
        bool writes;
        std::array<int32_t, 3> sample;
        TrackerResult result;
        std::array<int32_t, 3> values;
    };
    const Read reads[] = {{1, true, {11, -22, 33}, TrackerOk, {11, -22, 33}},
                          {2, false, {1, 2, 3}, TrackingNotReady, {11, -22, 33}},
                          {3, true, {4, 5, 6}, TrackingNotReady, {4, 5, 6}},
                          {0, true, {7, 8, 9}, TrackingFailed, {7, 8, 9}},
                          {4, false, {1, 2, 3}, TrackingFailed, {7, 8, 9}},
                          {-1, true, {-1, -2, -3}, TrackingFailed, {-1, -2, -3}}};
    for (const Read& read : reads) {
        Doubles().trackingStatus = read.status;
        Doubles().trackingWrites = read.writes;
        std::copy(read.sample.begin(), read.sample.end(), Doubles().sample);
        std::array<int32_t, 3> values{99, 99, 99};
        EXPECT_EQ(ReadSample(values[0], values[1], values[2]), read.result == TrackerOk) << read.status;
        EXPECT_EQ(std::tuple(values, ReadTracking()), std::tuple(read.values, read.result)) << read.status;
    }
    StartClosed("none");
}
}
