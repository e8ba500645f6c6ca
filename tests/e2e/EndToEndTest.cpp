// Nodlink started as a user starts it, from its own program directory with the simulated
// headset, and driven through its window from outside.
#include "NodlinkProcess.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {
constexpr DWORD Patience = 20000; // ms; Wine can be slow to start a process

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

std::string ZetaProfile(const std::string& xSens)
{
    return "[CONFIGURATION]\r\nTEST=1\r\nInvertX=1\r\nInvertY=0\r\nXSens=" + xSens +
           "\r\nYSens=23\r\nAbsMode=0\r\nBaseX=5\r\nBaseY=-4\r\n";
}

void AnswerTheSavePrompt(const NodlinkProcess& nodlink)
{
    HWND prompt = nodlink.WaitForMessageBox(Patience);
    ASSERT_NE(prompt, nullptr) << "no save question";
    nodlink.Press(prompt, IDOK);
}
}

TEST(EndToEnd, AUserPicksAProfileEditsItTracksAndClosesTheWindow)
{
    TemporaryFolder folder;
    CopyProgramFiles(folder, {"nodlink.exe", "VFXDrive.dll", "VFXDraw.dll", "default.vfx"});
    folder.Write("zeta.vfx", ZetaProfile("17"));
    NodlinkProcess nodlink(folder.Path());
    ASSERT_EQ(nodlink.StatusText(), "Stopped");

    nodlink.SelectListEntry(nodlink.Control("ListBox", ""), "zeta.vfx");
    HWND xSens = nodlink.Control("Edit", "17", Patience);
    ASSERT_NE(xSens, nullptr) << "zeta.vfx was not loaded";
    nodlink.SetText(xSens, "12");
    SetCursorPos(300, 300);
    nodlink.Click(nodlink.Control("Button", "Activate"));
    AnswerTheSavePrompt(nodlink);
    ASSERT_TRUE(nodlink.WaitForStatusPrefix("Running        x = ", Patience)) << nodlink.StatusText();
    EXPECT_TRUE(WaitForCursorToLeave({300, 300}));
    EXPECT_EQ(folder.Read("zeta.vfx"), ZetaProfile("12"));

    nodlink.Click(nodlink.Control("Button", "Stop"));
    ASSERT_TRUE(nodlink.WaitForStatusPrefix("Stopped.", Patience)) << nodlink.StatusText();
    nodlink.SetText(xSens, "42");
    PostMessageA(nodlink.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    AnswerTheSavePrompt(nodlink);
    DWORD exitCode = 1;
    ASSERT_TRUE(nodlink.WaitForExit(Patience, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(folder.Read("zeta.vfx"), ZetaProfile("42"));
    std::ifstream original(BuildProgramDirectory() + "default.vfx", std::ios::binary);
    EXPECT_EQ(folder.Read("default.vfx"), std::string(std::istreambuf_iterator<char>(original), {}));
}
