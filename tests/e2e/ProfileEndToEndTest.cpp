// A profile edited through Nodlink's window and saved at Exit, checked in the file.
#include "NodlinkProcess.h"

#include <gtest/gtest.h>

namespace {
constexpr DWORD Patience = 20000; // ms; generous, Wine can be slow to start a process

std::string ZetaProfile(const std::string& xSens)
{
    return "[CONFIGURATION]\r\nTEST=1\r\nInvertX=1\r\nInvertY=0\r\nXSens=" + xSens +
           "\r\nYSens=23\r\nAbsMode=0\r\nBaseX=5\r\nBaseY=-4\r\n";
}

}

TEST(ProfileEndToEnd, AnEditSavedAtExitChangesThatKeyAndNothingElse)
{
    TemporaryFolder folder;
    CopyProgramFiles(folder, {"nodlink.exe", "VFXDrive.dll", "VFXDraw.dll", "default.vfx"});
    folder.Write("zeta.vfx", ZetaProfile("17"));
    NodlinkProcess nodlink(folder.Path());

    nodlink.SelectListEntry(nodlink.Control("ListBox", ""), "zeta.vfx");
    HWND xSens = nodlink.WaitForControl("Edit", "17", Patience);
    ASSERT_NE(xSens, nullptr) << "zeta.vfx was not loaded";
    nodlink.SetText(xSens, "42");

    nodlink.Click(nodlink.Control("Button", "Exit"));
    HWND prompt = nodlink.WaitForMessageBox(Patience);
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(nodlink.MessageBoxText(prompt), "The current profile has been modified.Save changes?");
    nodlink.Press(prompt, IDOK);
    DWORD exitCode = 1;
    ASSERT_TRUE(nodlink.WaitForExit(Patience, exitCode));
    EXPECT_EQ(exitCode, 0u);

    EXPECT_EQ(folder.Read("zeta.vfx"), ZetaProfile("42"));
    EXPECT_EQ(folder.Read("default.vfx"), ReadWholeFile(BuildProgramDirectory() + "default.vfx"));
}
