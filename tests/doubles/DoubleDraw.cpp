// Test double of VFXDraw.dll. Built once per variant; OMIT_<entry point> leaves one out.
#include "DoubleRecorder.h"

#include <windows.h>

#define VFX_EXPORT extern "C" __declspec(dllexport)

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    CountLoad(reason, &DriverDoubleControl::drawLoads, &DriverDoubleControl::drawUnloads);
    return TRUE;
}

#ifndef OMIT_VFXLockOutMode
VFX_EXPORT int32_t __cdecl VFXLockOutMode(int32_t mode)
{
    Record("VFXLockOutMode", static_cast<uint32_t>(mode));
    return 1;
}
#endif

#ifndef OMIT_VFXSetConfigBits
VFX_EXPORT int32_t __cdecl VFXSetConfigBits(int32_t bits)
{
    Record("VFXSetConfigBits", static_cast<uint32_t>(bits));
    return 1;
}
#endif

#ifndef OMIT_VFXGetConfigBits
VFX_EXPORT int32_t __cdecl VFXGetConfigBits(void)
{
    Record("VFXGetConfigBits");
    return 0;
}
#endif

#ifndef OMIT_VFXSetIPDPercent
VFX_EXPORT int32_t __cdecl VFXSetIPDPercent(int32_t percent)
{
    Record("VFXSetIPDPercent", static_cast<uint32_t>(percent));
    return 1;
}
#endif
