#include "TrackerDriver.h"

#include "DriverDoubles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {
using Calls = std::vector<std::string>;
const Calls OpenCalls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode"};

// The driver state and the loads are process-wide: every case starts and ends closed.
void StartClosed(const char* scenario)
{
    CloseTracker();
    UseDriverScenario(scenario);
    ResetDoubles();
}

bool DriveLoaded()
{
    return IsDriverLibraryLoaded("VFXDrive.dll");
}

bool DrawLoaded()
{
    return IsDriverLibraryLoaded("VFXDraw.dll");
}

class TrackerDriverTest : public testing::Test {
protected:
    void TearDown() override { StartClosed("none"); }
};

TEST_F(TrackerDriverTest, OpenPassesModeZeroAndEveryOpenCountsUntilItsClose)
{
    StartClosed("full");
    ASSERT_TRUE(OpenTracker());
    EXPECT_EQ(CallNames(), OpenCalls);
    EXPECT_EQ(Doubles().calls[1].argument, 0);
    EXPECT_EQ(Doubles().calls[2].argument, 0);
    ASSERT_TRUE(OpenTracker());
    CloseTracker();
    EXPECT_EQ(CallNames().back(), "VFXClose");
    EXPECT_TRUE(DriveLoaded() && DrawLoaded()) << "one load of each is still held";
    EXPECT_EQ(CloseDriveLibrary(), LibraryNotLoaded);
    EXPECT_EQ(CloseDrawLibrary(), LibraryNotLoaded);
    EXPECT_EQ(Doubles().callCount, 7) << "a close of a closed tracker calls nothing";
    CloseTracker();
    UnloadDriverDoubles();

    StartClosed("full");
    EXPECT_EQ(LoadDriveLibrary(), TrackerOk);
    EXPECT_EQ(SetVideoMode(-5), TrackerOk);
    EXPECT_EQ(LoadDrawLibrary(), TrackerOk);
    EXPECT_EQ(LockOutMode(7), TrackerOk);
    EXPECT_EQ(Doubles().calls[1].argument, -5);
    EXPECT_EQ(Doubles().calls[2].argument, 7);
    CloseTracker();
    EXPECT_FALSE(DriveLoaded() || DrawLoaded());
}

// A failed open leaves loaded what it loaded, until CloseTracker releases it.
struct FailedOpen {
    const char* scenario;
    TrackerResult (*failingStep)();
    TrackerResult failure;
    Calls callsAtOpen;
    bool drawLoaded;
    bool closeCallsVFXClose;
};

const Calls DriveSteps{"VFXOpen", "VFXSetVideoMode"};
const FailedOpen FailedOpens[] = {
    {"none", LoadDriveLibrary, DriveLoadFailed, {}, false, false},
    {"without-VFXOpen", LoadDriveLibrary, DriveEntryMissing, {}, false, true},
    {"without-VFXClose", LoadDriveLibrary, DriveEntryMissing, {}, false, false},
    {"without-VFXZeroSet", LoadDriveLibrary, DriveEntryMissing, {}, false, true},
    {"without-VFXSetVideoMode", LoadDriveLibrary, DriveEntryMissing, {}, false, true},
    {"without-VFXGetTracking", ReadTracking, DriveEntryMissing, {}, false, true},
    {"drive-only", LoadDrawLibrary, DrawLoadFailed, DriveSteps, false, true},
    {"without-VFXLockOutMode", [] { return LockOutMode(0); }, DrawEntryMissing, DriveSteps, true, true},
    {"without-VFXSetConfigBits", LoadDrawLibrary, DrawEntryMissing, DriveSteps, true, true},
    {"without-VFXGetConfigBits", LoadDrawLibrary, DrawEntryMissing, DriveSteps, true, true},
    {"without-VFXSetIPDPercent", LoadDrawLibrary, DrawEntryMissing, DriveSteps, true, true},
};

TEST_F(TrackerDriverTest, AFailedOpenKeepsWhatItLoadedUntilClose)
{
    for (const FailedOpen& open : FailedOpens) {
        SCOPED_TRACE(open.scenario);
        StartClosed("full"); // every entry bound, so a rebind must forget what the next lacks
        ASSERT_TRUE(OpenTracker());
        StartClosed(open.scenario);
        EXPECT_FALSE(OpenTracker());
        EXPECT_EQ(CallNames(), open.callsAtOpen);
        EXPECT_EQ(DriveLoaded(), open.failure != DriveLoadFailed);
        EXPECT_EQ(DrawLoaded(), open.drawLoaded);

        CloseTracker();
        Calls afterClose = open.callsAtOpen;
        if (open.closeCallsVFXClose)
            afterClose.push_back("VFXClose");
        EXPECT_EQ(CallNames(), afterClose);
        EXPECT_FALSE(DriveLoaded() || DrawLoaded());
        EXPECT_EQ(open.failingStep(), open.failure);
    }
}

TEST_F(TrackerDriverTest, ReadSampleHandsOutTheHoldersWhateverTheStatus)
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
        EXPECT_EQ(values, read.values) << read.status;
        EXPECT_EQ(ReadTracking(), read.result) << read.status;
    }
}
}
