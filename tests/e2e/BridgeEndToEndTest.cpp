// Nodlink with the opentrack bridge beside it, fed poses from a socket of the test's own. With
// no profile Nodlink maps absolutely, both axes inverted, at sensitivity 1; with 1092 units per
// degree the pointer's normalised position is 32767 + 1092 * (yaw turned right) across and
// 32767 - 1092 * (pitch looked up) down.
#include "NodlinkProcess.h"
#include "WindowQueries.h"
#include "drivers/bridge/PoseSocket.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <stdexcept>

namespace {
constexpr DWORD Patience = 20000; // ms
constexpr u_short Port = 47424; // not opentrack's, which a developer may be running

class BridgeEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        CopyProgramFiles(folder, {"nodlink.exe"});
        for (const std::string name : {"VFXDrive.dll", "VFXDraw.dll"})
            if (!CopyFileA((BuildProgramDirectory() + "bridge\\" + name).c_str(), (folder.Path() + name).c_str(), FALSE))
                throw std::runtime_error("cannot copy the bridge's " + name);
        folder.Write("VFXBridge.ini", "[Bridge]\r\nPort=47424\r\nUnitsPerDegree=1092\r\n");
    }
    void TearDown() override { closesocket(sender); }

    // X, Y, Z, yaw, pitch, roll, little-endian as on every Windows, cut or padded to SIZE bytes.
    void SendPose(double yaw, double pitch, double roll = 0, int size = 48) const
    {
        const double pose[7] = {1, 2, 3, yaw, pitch, roll, 0};
        sockaddr_in to{AF_INET, htons(Port), {}, {}};
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        sendto(sender, reinterpret_cast<const char*>(pose), size, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }

    static void Activate(const NodlinkProcess& nodlink)
    {
        nodlink.Click(nodlink.Control("Button", "Activate"));
        ASSERT_TRUE(nodlink.WaitForStatusPrefix("Running", Patience)) << nodlink.StatusText();
    }
    static void Stop(const NodlinkProcess& nodlink)
    {
        nodlink.Click(nodlink.Control("Button", "Stop"));
        ASSERT_TRUE(nodlink.WaitForStatusPrefix("Stopped.", Patience)) << nodlink.StatusText();
    }

    TemporaryFolder folder;
    PoseSocket winsock; // unbound: keeps Winsock started for the sender
    SOCKET sender = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
};

// Fails at once on a message box, which nobody would answer.
testing::AssertionResult PointerReaches(const NodlinkProcess& nodlink, int normalisedX, int normalisedY)
{
    const POINT expected{normalisedX * GetSystemMetrics(SM_CXSCREEN) / 65536,
                         normalisedY * GetSystemMetrics(SM_CYSCREEN) / 65536};
    POINT now{};
    for (DWORD waited = 0; waited < 5000; waited += 20) {
        if (HWND box = nodlink.WaitForMessageBox(0))
            return testing::AssertionFailure() << "message box: " << WindowText(GetDlgItem(box, 0xFFFF));
        GetCursorPos(&now);
        if (std::abs(now.x - expected.x) <= 1 && std::abs(now.y - expected.y) <= 1)
            return testing::AssertionSuccess();
        Sleep(20);
    }
    return testing::AssertionFailure() << "pointer at " << now.x << "," << now.y << ", expected " << expected.x
                                       << "," << expected.y;
}
}

TEST_F(BridgeEndToEnd, APortInUseIsExplainedPosesMoveThePointerAsSetJunkDoesNotAndEveryOpenCentres)
{
    std::optional<PoseSocket> taken(std::in_place);
    ASSERT_EQ(taken->Bind("127.0.0.1", Port), 0);
    NodlinkProcess nodlink(folder.Path());
    nodlink.Click(nodlink.Control("Button", "Activate"));
    HWND box = nodlink.WaitForMessageBox(Patience);
    ASSERT_NE(box, nullptr) << "no message box";
    EXPECT_EQ(WindowText(box), "Nodlink");
    const std::string text = WindowText(GetDlgItem(box, 0xFFFF));
    EXPECT_NE(text.find("UDP port 47424 at 127.0.0.1"), std::string::npos) << text;
    EXPECT_NE(text.find("Another program already uses this port. (Windows error 10048)"), std::string::npos) << text;
    nodlink.Press(box, IDOK);
    ASSERT_TRUE(nodlink.WaitForStatusPrefix("Running", Patience)) << nodlink.StatusText();

    // Once the port is free, Stop and Activate are all it takes.
    Stop(nodlink);
    taken.reset();
    Activate(nodlink);
    SendPose(4, -2); // the centre
    SendPose(14, 3); // 10 degrees right, 5 up
    EXPECT_TRUE(PointerReaches(nodlink, 43687, 27307));
    SendPose(-6, -7); // 10 left, 5 down
    EXPECT_TRUE(PointerReaches(nodlink, 21847, 38227));

    const double nan = std::nan(""), infinity = HUGE_VAL;
    SendPose(14, 3, 0, 47);
    SendPose(14, 3, 0, 49);
    SendPose(nan, 3);
    SendPose(14, infinity);
    SendPose(14, 3, -infinity);
    SendPose(180.5, 3);
    SendPose(14, -181);
    Sleep(300); // many ticks
    EXPECT_TRUE(PointerReaches(nodlink, 21847, 38227));

    // Activate while running opens the bridge a second time without a close.
    nodlink.Click(nodlink.Control("Button", "Activate"));
    EXPECT_TRUE(PointerReaches(nodlink, 32767, 32767)); // no pose yet: the centre
    SendPose(20, 0); // the new centre
    SendPose(25, 0);
    EXPECT_TRUE(PointerReaches(nodlink, 38227, 32767));

    // Stop releases the port, although the double open keeps the bridge loaded.
    Stop(nodlink);
    EXPECT_EQ(PoseSocket().Bind("127.0.0.1", Port), 0);
}
