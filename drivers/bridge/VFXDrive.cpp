// Bridge VFXDrive.dll: head poses from opentrack's "UDP over network" output become tracker
// samples.
#include "BindFailure.h"
#include "BridgeSettings.h"
#include "PosePacket.h"
#include "PoseSocket.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <optional>

#define VFX_EXPORT extern "C" __declspec(dllexport)

namespace {
// A flood of datagrams must not stall a tick; what is left waits for the next read.
constexpr int MaxDatagramsPerRead = 256;

struct Bridge {
    BridgeSettings settings;
    std::optional<PoseSocket> socket; // bound, between a successful open and the close
    bool hasPose = false; // since the open
    HeadAngles newest{};
    HeadAngles centre{};
    ULONGLONG newestAt = 0;
    unsigned long ignored = 0; // datagrams that were not poses, since the open
};

Bridge bridge;

void DrainSocket()
{
    bool arrived = false;
    for (int read = 0; read < MaxDatagramsPerRead; ++read) {
        unsigned char datagram[PosePacketSize + 1]; // one byte more shows a datagram too long
        const int size = bridge.socket->Receive(datagram, sizeof datagram);
        if (size < 0)
            break;
        const std::optional<HeadAngles> pose = ParsePosePacket(datagram, static_cast<size_t>(size));
        if (!pose) {
            ++bridge.ignored;
            continue;
        }
        if (!bridge.hasPose)
            bridge.centre = *pose;
        bridge.hasPose = true;
        bridge.newest = *pose;
        arrived = true;
    }
    if (arrived)
        bridge.newestAt = GetTickCount64();
}

void ReportIgnored()
{
    if (bridge.ignored == 0)
        return;
    char text[128];
    std::snprintf(text, sizeof text, "Nodlink bridge: %lu datagrams on port %u were not poses and were ignored.\n",
                  bridge.ignored, static_cast<unsigned>(bridge.settings.port));
    OutputDebugStringA(text);
}
}

// 1 once listening; 0 when the socket could not be bound, which a message box explains.
VFX_EXPORT int32_t __cdecl VFXOpen(void)
{
    bridge.hasPose = false;
    bridge.ignored = 0;
    bridge.settings = ReadBridgeSettings();
    // emplace closes an earlier socket first: an open without a close never meets its own port.
    const int error = bridge.socket.emplace().Bind(bridge.settings.listen, bridge.settings.port);
    if (error == 0)
        return 1;
    bridge.socket.reset();
    ShowBindFailure(bridge.settings, error);
    return 0;
}

VFX_EXPORT int32_t __cdecl VFXClose(void)
{
    ReportIgnored();
    bridge.socket.reset();
    return 1;
}

// The newest pose becomes the centre: where the head points now reads as 32768.
VFX_EXPORT int32_t __cdecl VFXZeroSet(void)
{
    if (bridge.socket)
        DrainSocket();
    bridge.centre = bridge.newest;
    return 1;
}

VFX_EXPORT int32_t __cdecl VFXSetVideoMode(int32_t)
{
    return 1;
}

// Status 1: a pose arrived within TimeoutMs; 2: poses stopped, the values hold the last one;
// 3: no pose since the open, the values read the centre so relative mode stands still.
VFX_EXPORT int32_t __cdecl VFXGetTracking(int32_t* x, int32_t* y, int32_t* z)
{
    if (bridge.socket)
        DrainSocket();
    if (!bridge.hasPose) {
        *x = *y = *z = CentreValue;
        return 3;
    }
    const TrackerValues values = MapPose(bridge.newest, bridge.centre, bridge.settings.scale);
    *x = values.x;
    *y = values.y;
    *z = values.z;
    return GetTickCount64() - bridge.newestAt <= bridge.settings.timeoutMs ? 1 : 2;
}
