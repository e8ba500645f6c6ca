// Simulated VFXDrive.dll: tracking and video mode of the headset.
#include "HeadMotion.h"

#include <windows.h>

#include <cstdint>

#define VFX_EXPORT extern "C" __declspec(dllexport)

namespace {
LARGE_INTEGER openedAt{};
bool isOpen = false;

double SecondsSinceOpen()
{
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - openedAt.QuadPart) / static_cast<double>(frequency.QuadPart);
}
}

VFX_EXPORT int32_t __cdecl VFXOpen(void)
{
    QueryPerformanceCounter(&openedAt);
    isOpen = true;
    return 1;
}

VFX_EXPORT int32_t __cdecl VFXClose(void)
{
    isOpen = false;
    return 1;
}

VFX_EXPORT int32_t __cdecl VFXZeroSet(void)
{
    QueryPerformanceCounter(&openedAt);
    return 1;
}

VFX_EXPORT int32_t __cdecl VFXSetVideoMode(int32_t)
{
    return 1;
}

// Status 1: a sample was delivered; 3: the tracker is not open (the outputs are left alone).
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the signature of the headset's driver
VFX_EXPORT int32_t __cdecl VFXGetTracking(int32_t* yaw, int32_t* pitch, int32_t* roll)
{
    if (!isOpen)
        return 3;
    const HeadPose pose = HeadPoseAt(SecondsSinceOpen());
    *yaw = pose.yaw;
    *pitch = pose.pitch;
    *roll = pose.roll;
    return 1;
}
