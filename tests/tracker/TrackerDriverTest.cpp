#include "TrackerDriver.h"

#include "DriverDoubles.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {
using Calls = std::vector<std::string>;
using Values = std::array<int32_t, 3>;

struct Sample {
    bool delivered;
    Values values;
};

Sample ReadOnce()
{
    Values values{99, 99, 99};
    const bool delivered = ReadSample(values[0], values[1], values[2]);
    return {delivered, values};
}

// The driver state and the loads are process-wide: every test starts and ends closed.
class TrackerDriverTest : public testing::Test {
protected:
    void SetUp() override
    {
        CloseTracker();
        UnloadDriverDoubles();
        ResetDoubles();
    }

    void TearDown() override
    {
        CloseTracker();
        UnloadDriverDoubles();
    }
};

TEST_F(TrackerDriverTest, OpenRunsTheDriverStepsInOrderAndCloseOnlyCallsVFXClose)
{
    UseDriverScenario("full");
    ASSERT_TRUE(OpenTracker());
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode"}));
    EXPECT_EQ(Doubles().calls[1].arguments[0], 0u);
    EXPECT_EQ(Doubles().calls[2].arguments[0], 0u);
    EXPECT_TRUE(IsDriverLibraryLoaded("VFXDrive.dll"));
    EXPECT_TRUE(IsDriverLibraryLoaded("VFXDraw.dll"));

    CloseTracker();
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode", "VFXClose"}));
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDrive.dll"));
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDraw.dll"));
}

TEST_F(TrackerDriverTest, LowLevelOperationsSucceedOncePassTheirModeAndCloseOnlyWhatIsLoaded)
{
    UseDriverScenario("full");
    EXPECT_EQ(LoadDriveLibrary(), TrackerOk);
    EXPECT_EQ(SetVideoMode(-5), TrackerOk);
    EXPECT_EQ(LoadDrawLibrary(), TrackerOk);
    EXPECT_EQ(LockOutMode(7), TrackerOk);
    EXPECT_EQ(ReadTracking(), TrackerOk);
    EXPECT_EQ(CloseDriveLibrary(), TrackerOk);
    EXPECT_EQ(CloseDrawLibrary(), TrackerOk);
    EXPECT_EQ(CloseDriveLibrary(), LibraryNotLoaded);
    EXPECT_EQ(CloseDrawLibrary(), LibraryNotLoaded);

    EXPECT_EQ(CallNames(),
              (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode", "VFXGetTracking", "VFXClose"}));
    EXPECT_EQ(Doubles().calls[1].arguments[0], 0xFFFFFFFBu);
    EXPECT_EQ(Doubles().calls[2].arguments[0], 7u);
}

TEST_F(TrackerDriverTest, MissingDriveLibraryStopsTheOpenWithNothingLoaded)
{
    UseDriverScenario("none");
    EXPECT_FALSE(OpenTracker());
    EXPECT_EQ(LoadDriveLibrary(), DriveLoadFailed);
    EXPECT_EQ(LoadDrawLibrary(), DrawLoadFailed);
    CloseTracker();
    EXPECT_EQ(CloseDriveLibrary(), LibraryNotLoaded);
    EXPECT_EQ(CloseDrawLibrary(), LibraryNotLoaded);
    EXPECT_EQ(Doubles().driveLoads + Doubles().drawLoads, 0);
    EXPECT_EQ(Doubles().callCount, 0);
}

TEST_F(TrackerDriverTest, MissingDrawLibraryLeavesTheDriveLoadedUntilClose)
{
    UseDriverScenario("drive-only");
    EXPECT_FALSE(OpenTracker());
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode"}));
    EXPECT_TRUE(IsDriverLibraryLoaded("VFXDrive.dll"));

    CloseTracker();
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXClose"}));
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDrive.dll"));
}

TEST_F(TrackerDriverTest, EveryOpenCountsAndEveryCloseReleasesOneLoad)
{
    UseDriverScenario("full");
    ASSERT_TRUE(OpenTracker());
    ASSERT_TRUE(OpenTracker());
    CloseTracker();
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode", "VFXOpen",
                                  "VFXSetVideoMode", "VFXLockOutMode", "VFXClose"}));
    EXPECT_TRUE(IsDriverLibraryLoaded("VFXDrive.dll"));
    EXPECT_TRUE(IsDriverLibraryLoaded("VFXDraw.dll"));

    EXPECT_EQ(CloseDriveLibrary(), LibraryNotLoaded);
    EXPECT_EQ(CloseDrawLibrary(), LibraryNotLoaded);
    EXPECT_EQ(Doubles().callCount, 7);
}

TEST_F(TrackerDriverTest, ARebindForgetsEntriesTheNewLibraryLacks)
{
    UseDriverScenario("full");
    ASSERT_TRUE(OpenTracker());
    CloseTracker();

    UseDriverScenario("drive-without-VFXSetVideoMode");
    EXPECT_EQ(LoadDriveLibrary(), DriveEntryMissing);
    EXPECT_EQ(SetVideoMode(0), DriveEntryMissing);
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
        EXPECT_EQ(ReadOnce().delivered, expected == TrackerOk) << "status " << status;
    }
}

TEST_F(TrackerDriverTest, ReadSampleHandsOutTheHoldersWhateverTheStatus)
{
    UseDriverScenario("full");
    ASSERT_TRUE(OpenTracker());
    DriverDoubleControl& driver = Doubles();

    driver.sample[0] = 11, driver.sample[1] = -22, driver.sample[2] = 33;
    const Sample delivered = ReadOnce();
    EXPECT_TRUE(delivered.delivered);
    EXPECT_EQ(delivered.values, (Values{11, -22, 33}));

    driver.trackingStatus = 2;
    driver.trackingWrites = false;
    const Sample unwritten = ReadOnce();
    EXPECT_FALSE(unwritten.delivered);
    EXPECT_EQ(unwritten.values, (Values{11, -22, 33}));

    driver.trackingStatus = -1;
    driver.trackingWrites = true;
    driver.sample[0] = 4, driver.sample[1] = 5, driver.sample[2] = 6;
    const Sample written = ReadOnce();
    EXPECT_FALSE(written.delivered);
    EXPECT_EQ(written.values, (Values{4, 5, 6}));

    ASSERT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXLockOutMode", "VFXGetTracking",
                                  "VFXGetTracking", "VFXGetTracking"}));
    const uintptr_t* holders = driver.calls[3].arguments;
    EXPECT_EQ((std::set<uintptr_t>{holders[0], holders[1], holders[2]}).size(), 3u);
    for (int call = 4; call < 6; ++call)
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(driver.calls[call].arguments[i], holders[i]);
}

class TrackerDriverMissingDriveEntry : public TrackerDriverTest,
                                       public testing::WithParamInterface<const char*> {};

TEST_P(TrackerDriverMissingDriveEntry, FailsTheOpenBeforeVFXOpenAndStaysLoadedUntilClose)
{
    const std::string missing = GetParam();
    UseDriverScenario("drive-without-" + missing);
    EXPECT_FALSE(OpenTracker());
    EXPECT_EQ(Doubles().callCount, 0);
    EXPECT_TRUE(IsDriverLibraryLoaded("VFXDrive.dll"));
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDraw.dll"));

    CloseTracker();
    EXPECT_EQ(CallNames(), missing == "VFXClose" ? Calls{} : Calls{"VFXClose"});
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDrive.dll"));
    EXPECT_EQ(LoadDriveLibrary(), DriveEntryMissing);
}

INSTANTIATE_TEST_SUITE_P(EachEntry, TrackerDriverMissingDriveEntry,
                         testing::Values("VFXOpen", "VFXClose", "VFXZeroSet", "VFXSetVideoMode",
                                         "VFXGetTracking"));

class TrackerDriverMissingDrawEntry : public TrackerDriverTest,
                                      public testing::WithParamInterface<const char*> {};

TEST_P(TrackerDriverMissingDrawEntry, FailsTheOpenAfterTheDriveStepsAndStaysLoadedUntilClose)
{
    UseDriverScenario(std::string("draw-without-") + GetParam());
    EXPECT_FALSE(OpenTracker());
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode"}));
    EXPECT_TRUE(IsDriverLibraryLoaded("VFXDraw.dll"));

    CloseTracker();
    EXPECT_EQ(CallNames(), (Calls{"VFXOpen", "VFXSetVideoMode", "VFXClose"}));
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDrive.dll"));
    EXPECT_FALSE(IsDriverLibraryLoaded("VFXDraw.dll"));
    EXPECT_EQ(LoadDrawLibrary(), DrawEntryMissing);
}

INSTANTIATE_TEST_SUITE_P(EachEntry, TrackerDriverMissingDrawEntry,
                         testing::Values("VFXLockOutMode", "VFXSetConfigBits", "VFXGetConfigBits",
                                         "VFXSetIPDPercent"));
}
