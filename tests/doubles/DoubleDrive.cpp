// Test double of VFXDrive.dll. Built once per variant; OMIT_<entry point> leaves one out.
#include "DoubleRecorder.h"

#include <windows.h>

#define VFX_EXPORT extern "C" __declspec(dllexport)

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    CountLoad(reason, &DriverDoubleControl::driveLoads, &DriverDoubleControl::driveUnloads);
    return TRUE;
}

#ifndef OMIT_VFXOpen
VFX_EXPORT int32_t __cdecl VFXOpen(void)
{
    Record("VFXOpen");
    return 1;
}
#endif

#ifndef OMIT_VFXClose
VFX_EXPORT int32_t __cdecl VFXClose(void)
{
    Record("VFXClose");
    return 1;
}
#endif

#ifndef OMIT_VFXZeroSet
VFX_EXPORT int32_t __cdecl VFXZeroSet(void)
{
    Record("VFXZeroSet");
    return 1;
}
#endif

#ifndef OMIT_VFXSetVideoMode
VFX_EXPORT int32_t __cdecl VFXSetVideoMode(int32_t mode)
{
    Record("VFXSetVideoMode", static_cast<uint32_t>(mode));
    return 1;
}
#endif

#ifndef OMIT_VFXGetTracking
VFX_EXPORT int32_t __cdecl VFXGetTracking(int32_t* x, int32_t* y, int32_t* z)
{
    Record("VFXGetTracking", reinterpret_cast<uintptr_t>(x), reinterpret_cast<uintptr_t>(y),
           reinterpret_cast<uintptr_t>(z));
    DriverDoubleControl* control = Control();
    if (!control)
        return 1;
    if (control->trackingWrites) {
        *x = control->sample[0];
        *y = control->sample[1];
        *z = control->sample[2];
    }
    return control->trackingStatus;
}
#endif
