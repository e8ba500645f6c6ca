// Nodlink with the opentrack bridge as its driver, fed poses from a socket of the test's own.
// Without a profile Nodlink maps absolutely, both axes inverted, at sensitivity 1: with 1092
// units per degree the pointer sits at 32767 + 1092 * (yaw turned right) across and
// 32767 - 1092 * (pitch looked up) down, in normalised screen coordinates.
#include "NodlinkFixture.h"

#include "ExecutableDirectory.h"
#include "drivers/bridge/PoseSocket.h"

#include <cmath>
#include <optional>

namespace {
constexpr u_short Port = 47424; // not opentrack's, which a developer may be running

class Bridge : public NodlinkTest {
protected:
    void SetUp() override
    {
        NodlinkTest::SetUp();
        for (const std::string name : {"VFXDrive.dll", "VFXDraw.dll"})
            CopyFileA((BuiltProgram() + "bridge\\" + name).c_str(), PathOf(name).c_str(), FALSE);
        folder.Write("VFXBridge.ini", "[Bridge]\r\nPort=47424\r\nUnitsPerDegree=1092\r\n");
        UseDriverScenario("none");
        SetDllDirectoryA(folder.Path().c_str());
    }

    // X, Y, Z, yaw, pitch, roll, little-endian as on every Windows, cut or padded to SIZE bytes.
    void SendPose(double yaw, double pitch, double roll = 0, int size = 48) const
    {
        const double pose[7] = {1, 2, 3, yaw, pitch, roll, 0};
        sockaddr_in to{AF_INET, htons(Port), {}, {}};
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        sendto(sender, reinterpret_cast<const char*>(pose), size, 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    }

    bool PointerReaches(int normalisedX, int normalisedY)
    {
        const POINT expected{normalisedX * GetSystemMetrics(SM_CXSCREEN) / 65536,
                             normalisedY * GetSystemMetrics(SM_CYSCREEN) / 65536};
        return PumpUntil([&] {
            POINT now{};
            GetCursorPos(&now);
            return std::abs(now.x - expected.x) <= 1 && std::abs(now.y - expected.y) <= 1;
        });
    }

    PoseSocket winsock; // unbound: keeps Winsock started for the sender
    SOCKET sender = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
};
}

TEST_F(Bridge, APortInUseIsExplainedPosesMoveThePointerAsSetAndJunkDoesNot)
{
    std::optional<PoseSocket> taken(std::in_place);
    ASSERT_EQ(taken->Bind("127.0.0.1", Port), 0);
    TNodlink& form = Form();
    dialogs.Press("OK");
    form.RunClick();
    const std::string message = dialogs.Seen().at(0).Message();
    EXPECT_NE(message.find("UDP port 47424 at 127.0.0.1"), std::string::npos) << message;
    EXPECT_NE(message.find("Another program already uses this port. (Windows error 10048)"), std::string::npos);
    EXPECT_EQ(form.Status.Caption(), "VFX3D init OK.") << "Nodlink keeps working";

    form.StopClick(); // once the port is free, Stop and Activate are all it takes
    taken.reset();
    form.RunClick();
    SendPose(4, -2); // the centre
    SendPose(14, 3); // 10 degrees right, 5 up
    EXPECT_TRUE(PointerReaches(43687, 27307));
    SendPose(-6, -7); // 10 left, 5 down
    EXPECT_TRUE(PointerReaches(21847, 38227));
    for (const std::tuple<double, double, double, int> junk :
         {std::tuple(14.0, 3.0, 0.0, 47), {14, 3, 0, 49}, {std::nan(""), 3, 0, 48}, {14, HUGE_VAL, 0, 48},
          {14, 3, -HUGE_VAL, 48}, {180.5, 3, 0, 48}, {14, -181, 0, 48}})
        SendPose(std::get<0>(junk), std::get<1>(junk), std::get<2>(junk), std::get<3>(junk));
    PumpUntil([] { return false; }, 30); // many ticks
    EXPECT_TRUE(PointerReaches(21847, 38227));
    form.StopClick();
    EXPECT_EQ(PoseSocket().Bind("127.0.0.1", Port), 0) << "Stop releases the port";
}
