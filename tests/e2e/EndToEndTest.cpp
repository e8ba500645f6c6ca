// Nodlink started as a user starts it, from its own program directory with the simulated
// headset, driven through its window from another process.
#include "ExecutableDirectory.h"
#include "TemporaryFolder.h"
#include "WindowQueries.h"

#include <gtest/gtest.h>

namespace {
// Polls FOUND for up to 20 s; Wine can be slow to start a process.
template <class Find>
auto WaitFor(Find found)
{
    for (int tries = 0; tries < 1000 && !found(); ++tries)
        Sleep(20);
    return found();
}

// The process ends with the test, whatever becomes of it.
struct Process : PROCESS_INFORMATION {
    Process() : PROCESS_INFORMATION{} {}
    ~Process()
    {
        TerminateProcess(hProcess, 99);
        CloseHandle(hThread);
        CloseHandle(hProcess);
    }
};

HWND StatusLine(HWND window, const char* prefix)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (WindowText(child).starts_with(prefix))
            return child;
    return nullptr;
}
}

TEST(EndToEnd, AUserActivatesStopsAndClosesTheWindow)
{
    TemporaryFolder folder;
    for (const std::string name : {"nodlink.exe", "VFXDrive.dll", "VFXDraw.dll", "default.vfx"})
        ASSERT_TRUE(CopyFileA((BuiltProgram() + name).c_str(), (folder.Path() + name).c_str(), FALSE));
    std::string commandLine = "\"" + folder.Path() + "nodlink.exe\"";
    STARTUPINFOA startup{sizeof startup};
    Process process;
    // Started from another folder, as from a desktop shortcut: the program must find its own.
    ASSERT_TRUE(
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    const HWND window = WaitFor([] { return FindWindowA("TForm", "Nodlink"); });
    ASSERT_NE(WaitFor([&] { return StatusLine(window, "Stopped"); }), nullptr);
    POINT start{};
    GetCursorPos(&start);

    PostMessageA(FindButton(window, "Activate"), BM_CLICK, 0, 0);
    EXPECT_NE(WaitFor([&] { return StatusLine(window, "Running        x = "); }), nullptr);
    EXPECT_TRUE(WaitFor([&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x != start.x || now.y != start.y;
    })) << "the pointer follows the simulated head";
    PostMessageA(FindButton(window, "Stop"), BM_CLICK, 0, 0);
    EXPECT_NE(WaitFor([&] { return StatusLine(window, "Stopped."); }), nullptr);

    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = 99;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0);
}
