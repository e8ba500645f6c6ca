// Nodlink started as a user starts it, from its own program directory with the simulated
// headset, and driven through its window from outside.
#include "NodlinkProcess.h"

#include <gtest/gtest.h>

namespace {
constexpr DWORD Patience = 20000; // ms; generous, Wine can be slow to start a process

class EndToEnd : public testing::Test {
protected:
    void SetUp() override { CopyProgramFiles(folder, {"nodlink.exe", "VFXDrive.dll", "VFXDraw.dll"}); }

    TemporaryFolder folder;
};

bool WaitForCursorToLeave(POINT from)
{
    for (DWORD waited = 0; waited < Patience; waited += 20) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x != from.x || now.y != from.y)
            return true;
        Sleep(20);
    }
    return false;
}
}

TEST_F(EndToEnd, ActivateMovesThePointerStopStopsItExitEndsTheProgram)
{
    SetCursorPos(3, 3);
    POINT start{};
    GetCursorPos(&start);
    NodlinkProcess nodlink(folder.Path());
    ASSERT_NE(nodlink.StatusLabel(), nullptr) << "no status label reading \"Stopped\"";

    nodlink.Click(nodlink.Control("Button", "Activate"));
    ASSERT_TRUE(nodlink.WaitForStatusPrefix("Running        x = ", Patience)) << nodlink.Text(nodlink.StatusLabel());
    EXPECT_TRUE(WaitForCursorToLeave(start));

    nodlink.Click(nodlink.Control("Button", "Stop"));
    ASSERT_TRUE(nodlink.WaitForStatusPrefix("Stopped.", Patience)) << nodlink.Text(nodlink.StatusLabel());

    nodlink.Click(nodlink.Control("Button", "Exit"));
    DWORD exitCode = 1;
    ASSERT_TRUE(nodlink.WaitForExit(Patience, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST_F(EndToEnd, ClosingTheWindowWhileTrackingEndsTheProgramCleanly)
{
    NodlinkProcess nodlink(folder.Path());
    nodlink.Click(nodlink.Control("Button", "Activate"));
    ASSERT_TRUE(nodlink.WaitForStatusPrefix("Running        x = ", Patience));

    PostMessageA(nodlink.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(nodlink.WaitForExit(Patience, exitCode));
    EXPECT_EQ(exitCode, 0u);
}
