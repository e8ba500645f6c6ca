// Bridge VFXDrive.dll: head poses from opentrack's "UDP over network" output become tracker
// samples.
#include "BindFailure.h"
#include "BridgeSettings.h"
#include "PoseSocket.h"
#include "PoseStream.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <utility>

#define VFX_EXPORT extern "C" __declspec(dllexport)

namespace {
// A flood of datagrams must not stall a tick; what is left waits for the next read.
constexpr int MaxDatagramsPerRead = 256;

struct Bridge {
    BridgeSettings settings;
    std::optional<PoseSocket> socket; // bound, between a successful open and the close
    HMODULE self = nullptr;           // a load of this DLL held while the socket is open
    PoseStream poses{0};              // since the open
    unsigned long ignored = 0;        // datagrams that were not poses, since the open
};

// Never destroyed: a destructor would close the socket and end Winsock inside DllMain, at an
// unload without VFXClose or at the process's end, which Windows forbids. Only VFXClose and a
// rebind in VFXOpen release them.
Bridge& bridge = *new Bridge;

// While the socket is open the DLL holds a load of itself, so a FreeLibrary without VFXClose
// leaves it loaded and the next load's VFXOpen finds the socket and rebinds the port.
void HoldSelf()
{
    if (!bridge.self)
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&HoldSelf), &bridge.self);
}

// The caller holds a load of its own, so this never unloads the code it returns to.
void ReleaseSocket()
{
    bridge.socket.reset();
    if (bridge.self)
        FreeLibrary(std::exchange(bridge.self, nullptr));
}

void DrainSocket()
{
    const ULONGLONG now = GetTickCount64();
    for (int read = 0; read < MaxDatagramsPerRead; ++read) {
        unsigned char datagram[PosePacketSize + 1]; // one byte more shows a datagram too long
        const int size = bridge.socket->Receive(datagram, sizeof datagram);
        if (size < 0)
            break;
        if (!bridge.poses.TakeDatagram({datagram, static_cast<size_t>(size)}, now))
            ++bridge.ignored;
    }
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
    bridge.ignored = 0;
    bridge.settings = ReadBridgeSettings();
    bridge.poses = PoseStream(bridge.settings.timeoutMs);
    // emplace closes an earlier socket first: an open without a close never meets its own port.
    const int error = bridge.socket.emplace().Bind(bridge.settings.listen, bridge.settings.port);
    if (error == 0) {
        HoldSelf();
        return 1;
    }
    ReleaseSocket();
    ShowBindFailure(bridge.settings, error);
    return 0;
}

VFX_EXPORT int32_t __cdecl VFXClose(void)
{
    ReportIgnored();
    ReleaseSocket();
    return 1;
}

// The newest pose becomes the centre: where the head points now reads as 32768.
VFX_EXPORT int32_t __cdecl VFXZeroSet(void)
{
    if (bridge.socket)
        DrainSocket();
    bridge.poses.Centre();
    return 1;
}

VFX_EXPORT int32_t __cdecl VFXSetVideoMode(int32_t)
{
    return 1;
}

// Status 1: a pose arrived within TimeoutMs; 2: poses stopped, the values hold the last one;
// 3: no pose since the open, the values read the centre so relative mode stands still.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the signature of the headset's driver
VFX_EXPORT int32_t __cdecl VFXGetTracking(int32_t* x, int32_t* y, int32_t* z)
{
    if (bridge.socket)
        DrainSocket();
    const TrackerValues values = ScaledValues(bridge.poses.Turned(), bridge.settings.scale);
    *x = values.x;
    *y = values.y;
    *z = values.z;
    if (!bridge.poses.HasPose())
        return 3;
    return bridge.poses.IsFresh(GetTickCount64()) ? 1 : 2;
}
