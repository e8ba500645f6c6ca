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

void WriteProfile(const std::string& path, const std::string& contents)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &written, nullptr);
    CloseHandle(file);
}
}

TEST(ProfileEndToEnd, AnEditSavedAtExitChangesThatKeyAndNothingElse)
{
    TemporaryProgramDirectory folder;
    for (const char* file : {"nodlink.exe", "VFXDrive.dll", "VFXDraw.dll", "default.vfx"})
        folder.CopyFromBuild(file);
    WriteProfile(folder.Path() + "zeta.vfx", ZetaProfile("17"));
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

    EXPECT_EQ(ReadFile(folder.Path() + "zeta.vfx"), ZetaProfile("42"));
    EXPECT_EQ(ReadFile(folder.Path() + "default.vfx"), ReadFile(BuildProgramDirectory() + "default.vfx"));
}
