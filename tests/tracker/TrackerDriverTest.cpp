#include "TrackerDriver.h"

#include "DriverDoubles.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace {
using Calls = std::vector<std::string>;
using Values = std::array<int32_t, 3>;

// ReadSample into three 99s: its result and the values it wrote.
std::pair<bool, Values> ReadOnce()
{
    Values values{99, 99, 99};
    const bool delivered = ReadSample(values[0], values[1], values[2]);
    return {delivered, values};
}

bool DriveLoaded()
{
    return IsDriverLibraryLoaded("VFXDrive.dll");
}

bool DrawLoaded()
{
    return IsDriverLibraryLoaded("VFXDraw.dll");
}

// The driver state and the loads are process-wide: every test starts and ends closed.
class TrackerDriverTest : public testing::Test {
protected:
    void SetUp() override { StartClosed(); }

    void TearDown() override
    {
        CloseTracker();
        UnloadDriverDoubles();
    }

    static void StartClosed()
    {
        CloseTracker();
        UnloadDriverDoubles();
        ResetDoubles();
    }
};

TEST_F(TrackerDriverTest, OpenRunsTheDriverStepsInOrderAndCloseOnlyCallsVFXClose)
{
    UseDriverScenario("full");
    ASSERT_TRUE(OpenTracker());
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode"}));
    EXPECT_EQ(Doubles().calls[1].arguments[0], 0u);
    EXPECT_EQ(Doubles().calls[2].arguments[0], 0u);
    EXPECT_TRUE(DriveLoaded() && DrawLoaded());

    CloseTracker();
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode", "VFXClose"}));
    EXPECT_FALSE(DriveLoaded() || DrawLoaded());
    CloseTracker();
    EXPECT_EQ(Doubles().callCount, 4) << "closing a closed tracker calls nothing";
}

TEST_F(TrackerDriverTest, LowLevelOperationsPassTheirModeAndCloseOnlyWhatIsLoaded)
{
    UseDriverScenario("full");
    EXPECT_EQ(LoadDriveLibrary(), TrackerOk);
    EXPECT_EQ(SetVideoMode(-5), TrackerOk);
    EXPECT_EQ(LoadDrawLibrary(), TrackerOk);
    EXPECT_EQ(LockOutMode(7), TrackerOk);
    EXPECT_EQ(CloseDriveLibrary(), TrackerOk);
    EXPECT_EQ(CloseDrawLibrary(), TrackerOk);
    EXPECT_EQ(CloseDriveLibrary(), LibraryNotLoaded);
    EXPECT_EQ(CloseDrawLibrary(), LibraryNotLoaded);

    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode", "VFXClose"}));
    EXPECT_EQ(Doubles().calls[1].arguments[0], 0xFFFFFFFBu);
    EXPECT_EQ(Doubles().calls[2].arguments[0], 7u);
}

// A failed open leaves loaded what it loaded, until CloseTracker releases it.
struct FailedOpen {
    const char* scenario;
    TrackerResult (*failingLoad)();
    TrackerResult failure;
    Calls callsAtOpen;
    bool drawLoaded;
    bool closeCallsVFXClose;
};

const Calls DriveSteps{"VFXOpen", "VFXSetVideoMode"};
const FailedOpen FailedOpens[] = {
    {"none", LoadDriveLibrary, DriveLoadFailed, {}, false, false},
    {"drive-without-VFXOpen", LoadDriveLibrary, DriveEntryMissing, {}, false, true},
    {"drive-without-VFXClose", LoadDriveLibrary, DriveEntryMissing, {}, false, false},
    {"drive-without-VFXZeroSet", LoadDriveLibrary, DriveEntryMissing, {}, false, true},
    {"drive-without-VFXSetVideoMode", LoadDriveLibrary, DriveEntryMissing, {}, false, true},
    {"drive-without-VFXGetTracking", LoadDriveLibrary, DriveEntryMissing, {}, false, true},
    {"drive-only", LoadDrawLibrary, DrawLoadFailed, DriveSteps, false, true},
    {"draw-without-VFXLockOutMode", LoadDrawLibrary, DrawEntryMissing, DriveSteps, true, true},
    {"draw-without-VFXSetConfigBits", LoadDrawLibrary, DrawEntryMissing, DriveSteps, true, true},
    {"draw-without-VFXGetConfigBits", LoadDrawLibrary, DrawEntryMissing, DriveSteps, true, true},
    {"draw-without-VFXSetIPDPercent", LoadDrawLibrary, DrawEntryMissing, DriveSteps, true, true},
};

TEST_F(TrackerDriverTest, AFailedOpenKeepsWhatItLoadedUntilClose)
{
    for (const FailedOpen& open : FailedOpens) {
        SCOPED_TRACE(open.scenario);
        StartClosed();
        UseDriverScenario(open.scenario);
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
        EXPECT_EQ(open.failingLoad(), open.failure);
    }
}

TEST_F(TrackerDriverTest, EveryOpenCountsAndEveryCloseReleasesOneLoad)
{
    UseDriverScenario("full");
    ASSERT_TRUE(OpenTracker());
    ASSERT_TRUE(OpenTracker());
    CloseTracker();
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode", "VFXOpen",
                                  "VFXSetVideoMode", "VFXLockOutMode", "VFXClose"}));
    EXPECT_TRUE(DriveLoaded() && DrawLoaded());

    EXPECT_EQ(CloseDriveLibrary(), LibraryNotLoaded);
    EXPECT_EQ(CloseDrawLibrary(), LibraryNotLoaded);
    EXPECT_EQ(Doubles().callCount, 7);
}

TEST_F(TrackerDriverTest, ARebindForgetsEntriesTheNewLibraryLacks)
{
    UseDriverScenario("full");
    ASSERT_TRUE(OpenTracker());
    CloseTracker();

    UseDriverScenario("drive-without-VFXGetTracking");
    EXPECT_EQ(LoadDriveLibrary(), DriveEntryMissing);
    EXPECT_EQ(ReadTracking(), DriveEntryMissing);
    CloseTracker();
    UseDriverScenario("draw-without-VFXLockOutMode");
    EXPECT_EQ(LoadDrawLibrary(), DrawEntryMissing);
    EXPECT_EQ(LockOutMode(0), DrawEntryMissing);
}

TEST_F(TrackerDriverTest, TrackingStatusGivesOnlyOneSuccessAndTwoFailureClasses)
{
    UseDriverScenario("full");
    ASSERT_TRUE(OpenTracker());
    const std::pair<int32_t, TrackerResult> cases[] = {
        {1, TrackerOk},      {2, TrackingNotReady}, {3, TrackingNotReady},
        {0, TrackingFailed}, {4, TrackingFailed},   {-1, TrackingFailed}};
    for (const auto& [status, expected] : cases) {
        Doubles().trackingStatus = status;
        EXPECT_EQ(ReadTracking(), expected) << "status " << status;
        EXPECT_EQ(ReadOnce().first, expected == TrackerOk) << "status " << status;
    }
}

TEST_F(TrackerDriverTest, ReadSampleHandsOutTheHoldersWhateverTheStatus)
{
    UseDriverScenario("full");
    ASSERT_TRUE(OpenTracker());
    DriverDoubleControl& driver = Doubles();
    driver.sample[0] = 11, driver.sample[1] = -22, driver.sample[2] = 33;
    EXPECT_EQ(ReadOnce(), std::make_pair(true, Values{11, -22, 33}));

    driver.trackingStatus = 2;
    driver.trackingWrites = false;
    EXPECT_EQ(ReadOnce(), std::make_pair(false, Values{11, -22, 33})) << "what the driver wrote last";

    driver.trackingStatus = -1;
    driver.trackingWrites = true;
    driver.sample[0] = 4, driver.sample[1] = 5, driver.sample[2] = 6;
    EXPECT_EQ(ReadOnce(), std::make_pair(false, Values{4, 5, 6}));
}
}
