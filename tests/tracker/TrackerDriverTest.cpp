#include "TrackerDriver.h"

#include "ScriptedDrivers.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {
// The driver state and the loads are process-wide: every case starts closed.
void StartClosed(const char* scenario)
{
    CloseTracker();
    UseDriverScenario(scenario);
    Script() = DriverScript{};
}

bool Loaded(bool drive, bool draw)
{
    return (GetModuleHandleA("VFXDrive.dll") != nullptr) == drive &&
           (GetModuleHandleA("VFXDraw.dll") != nullptr) == draw;
}

TEST(TrackerDriver, OpenPassesItsModesAndEveryOpenCountsUntilItsClose)
{
    StartClosed("full");
    ASSERT_TRUE(OpenTracker() && OpenTracker());
    CloseTracker();
    CloseTracker(); // has nothing left to release: the handles are forgotten
    EXPECT_EQ(std::string(Script().calls), "VFXOpen VFXSetVideoMode(0) VFXLockOutMode(0) VFXOpen VFXSetVideoMode(0) "
                                           "VFXLockOutMode(0) VFXClose ");
    EXPECT_TRUE(Loaded(true, true)) << "one load of each is still held";
    StartClosed("none");
}
}
