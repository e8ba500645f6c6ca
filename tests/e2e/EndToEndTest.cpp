// Nodlink started as a user starts it, from its own program folder, and driven through its
// window from this process: first with the simulated headset, then, after Stop, with the
// opentrack bridge's DLLs copied over it as a user switches, fed poses from a socket here.
#include "BuildTree.h"
#include "TemporaryFolder.h"
#include "WindowQueries.h"
#include "drivers/bridge/PoseSocket.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {
constexpr u_short Port = 47424; // not opentrack's, which a developer may be running

// Polls FOUND for up to 10 s; Wine can be slow to start a process.
template <class Find>
auto WaitFor(Find found)
{
    for (int tries = 0; tries < 500 && !found(); ++tries)
        Sleep(20);
    return found();
}

// The process ends with the test, whatever becomes of it.
struct Process : PROCESS_INFORMATION {
    Process() : PROCESS_INFORMATION{} {}
    ~Process() { TerminateProcess(hProcess, 99), CloseHandle(hThread), CloseHandle(hProcess); }
};

bool StatusShows(HWND window, const char* prefix)
{
    return WaitFor([=] { return Describe(window).message.find(prefix) != std::string::npos; });
}

void Click(HWND window, const char* caption)
{
    PostMessageA(FindButton(window, caption), BM_CLICK, 0, 0);
}

// Within a pixel of the normalised screen coordinates that an absolute move takes.
bool PointerReaches(int x, int y)
{
    return WaitFor([=] {
        POINT now{};
        GetCursorPos(&now);
        return std::abs(now.x - x * GetSystemMetrics(SM_CXSCREEN) / 65536) <= 1 &&
               std::abs(now.y - y * GetSystemMetrics(SM_CYSCREEN) / 65536) <= 1;
    });
}

// X, Y, Z, yaw, pitch, roll as opentrack sends them, little-endian, cut or padded to SIZE bytes.
void SendPose(SOCKET sender, double yaw, double pitch, double roll = 0, int size = 48)
{
    const double pose[7] = {1, 2, 3, yaw, pitch, roll, 0};
    sockaddr_in to{};
    to.sin_family = AF_INET, to.sin_port = htons(Port), to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sendto(sender, reinterpret_cast<const char*>(pose), size, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}
}

TEST(EndToEnd, AUserTracksTheSimulatedHeadThenSwitchesToOpentrack)
{
    TemporaryFolder folder;
    for (const std::string name : {"nodlink.exe", "VFXDrive.dll", "VFXDraw.dll", "default.vfx"})
        ASSERT_TRUE(folder.CopyIn(BuildTreeFolder("program"), name));
    // Listed first, so loaded at the start: absolute, both axes inverted, sensitivity 1, and
    // shifted by a base that shows the program found it in its own folder.
    folder.Write("absolute.vfx", "[CONFIGURATION]\r\nTEST=1\r\nInvertX=1\r\nInvertY=1\r\nXSens=1\r\nYSens=1\r\n"
                                 "AbsMode=1\r\nBaseX=1000\r\nBaseY=0\r\n");
    folder.Write("VFXBridge.ini", "[Bridge]\r\nPort=000000000047424\r\nUnitsPerDegree=1092\r\n");
    std::string commandLine = "\"" + folder.Path() + "nodlink.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    Process process; // started from another folder, as from a desktop shortcut
    ASSERT_TRUE(
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    const HWND window = WaitFor([] { return FindWindowA("TForm", "Nodlink"); });
    ASSERT_TRUE(StatusShows(window, "Stopped"));
    POINT start{};
    GetCursorPos(&start);
    Click(window, "Activate");
    ASSERT_TRUE(StatusShows(window, "Running        x = "));
    ASSERT_TRUE(WaitFor([&] {
        POINT now{};
        return GetCursorPos(&now) && (now.x != start.x || now.y != start.y);
    })) << "the pointer follows the simulated head";
    Click(window, "Stop");
    ASSERT_TRUE(StatusShows(window, "Stopped."));
    for (const std::string name : {"VFXDrive.dll", "VFXDraw.dll"})
        EXPECT_TRUE(folder.CopyIn(BuildTreeFolder("program\\bridge"), name)) << "Stop releases " << name;

    const PoseSocket winsock; // unbound: keeps Winsock started for the sender
    std::optional<PoseSocket> taken(std::in_place);
    ASSERT_EQ(taken->Bind("127.0.0.1", Port), 0);
    Click(window, "Activate");
    const HWND box = WaitFor([] {
        const HWND shown = FindWindowA("#32770", "Nodlink");
        return IsWindowVisible(shown) ? shown : nullptr;
    });
    const std::string message = Describe(box).message;
    EXPECT_NE(message.find("UDP port 47424 at 127.0.0.1"), std::string::npos) << message;
    EXPECT_NE(message.find("Another program already uses this port."), std::string::npos) << message;
    Click(box, "OK");
    ASSERT_TRUE(StatusShows(window, "Running        x = ")) << "Nodlink goes on";
    Click(window, "Stop");
    ASSERT_TRUE(StatusShows(window, "Stopped."));
    taken.reset();
    Click(window, "Activate");
    ASSERT_TRUE(StatusShows(window, "Running        x = "));
    // x: 32767 + 1000 + 1092 per degree turned right; y: 32767 - 1092 per degree looked up.
    const SOCKET sender = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    // In steps a head can make: a larger one is opentrack re-centring, which moves nothing.
    for (int step = 0; step <= 2; ++step)
        SendPose(sender, 4 + 5 * step, -2 + 2.5 * step); // from the centre
    ASSERT_TRUE(PointerReaches(44687, 27307)) << "10 degrees right, 5 up";
    for (int step = 1; step <= 4; ++step)
        SendPose(sender, 14 - 5 * step, 3 - 2.5 * step);
    ASSERT_TRUE(PointerReaches(22847, 38227)) << "10 degrees left, 5 down";
    // clang-format off
    // Within a head's step of the last pose, so that one taken for a pose would move the pointer.
    for (const auto& [yaw, pitch, roll, size] : {std::tuple(-4.0, -5.0, 0.0, 47), {-4, -5, 0, 49}, {NAN, -5, 0, 48},
                                                 {-4, HUGE_VAL, 0, 48}, {-4, -5, -HUGE_VAL, 48}, {180.5, -5, 0, 48}})
        SendPose(sender, yaw, pitch, roll, size);
    // clang-format on
    Sleep(300);
    ASSERT_TRUE(PointerReaches(22847, 38227)) << "what is not a pose moves nothing";
    closesocket(sender);
    Click(window, "Stop");
    ASSERT_TRUE(StatusShows(window, "Stopped."));
    EXPECT_EQ(PoseSocket().Bind("127.0.0.1", Port), 0) << "Stop releases the port";

    // Closed while tracking: the process ends with the bridge's socket open.
    Click(window, "Activate");
    ASSERT_TRUE(StatusShows(window, "Running        x = "));
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = 99;
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    EXPECT_TRUE(GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0);
}
