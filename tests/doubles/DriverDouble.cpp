// Scriptable double of the headset's driver DLLs: built with VFX_DRIVE as VFXDrive.dll and with
// VFX_DRAW as VFXDraw.dll, in a folder per scenario; OMIT_<entry point> leaves one out.
#include "DoubleControl.h"

#include <windows.h>

#include <cstring>

#define VFX_EXPORT extern "C" __declspec(dllexport)

namespace {
DriverDoubleControl* Control()
{
    const auto lookUp = reinterpret_cast<DriverDoublesExport>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), "NodlinkDriverDoubles")));
    return lookUp ? lookUp() : nullptr;
}

int32_t Record(const char* name, int32_t argument = 0)
{
    DriverDoubleControl* control = Control();
    if (control && control->callCount < static_cast<int>(sizeof control->calls / sizeof control->calls[0])) {
        DriverCall& call = control->calls[control->callCount++];
        strncpy(call.name, name, sizeof call.name - 1);
        call.argument = argument;
    }
    if (control && control->onCall)
        control->onCall(name);
    return 1;
}
}

#ifdef VFX_DRIVE
#ifndef OMIT_VFXOpen
VFX_EXPORT int32_t __cdecl VFXOpen(void)
{
    if (DriverDoubleControl* control = Control())
        Sleep(control->openDelayMs);
    return Record("VFXOpen");
}
#endif
#ifndef OMIT_VFXClose
VFX_EXPORT int32_t __cdecl VFXClose(void) { return Record("VFXClose"); }
#endif
#ifndef OMIT_VFXZeroSet
VFX_EXPORT int32_t __cdecl VFXZeroSet(void) { return Record("VFXZeroSet"); }
#endif
#ifndef OMIT_VFXSetVideoMode
VFX_EXPORT int32_t __cdecl VFXSetVideoMode(int32_t mode) { return Record("VFXSetVideoMode", mode); }
#endif
#ifndef OMIT_VFXGetTracking
VFX_EXPORT int32_t __cdecl VFXGetTracking(int32_t* x, int32_t* y, int32_t* z)
{
    Record("VFXGetTracking");
    DriverDoubleControl* control = Control();
    if (!control)
        return 1;
    Sleep(control->readDelayMs);
    if (control->alternateExtremes) {
        const int32_t extreme = control->sample[0] == INT32_MIN ? INT32_MAX : INT32_MIN;
        control->sample[0] = control->sample[1] = control->sample[2] = extreme;
    }
    if (control->trackingWrites) {
        *x = control->sample[0];
        *y = control->sample[1];
        *z = control->sample[2];
    }
    return control->trackingStatus;
}
#endif
#endif

#ifdef VFX_DRAW
#ifndef OMIT_VFXLockOutMode
VFX_EXPORT int32_t __cdecl VFXLockOutMode(int32_t mode) { return Record("VFXLockOutMode", mode); }
#endif
#ifndef OMIT_VFXSetConfigBits
VFX_EXPORT int32_t __cdecl VFXSetConfigBits(int32_t bits) { return Record("VFXSetConfigBits", bits); }
#endif
#ifndef OMIT_VFXGetConfigBits
VFX_EXPORT int32_t __cdecl VFXGetConfigBits(void) { return Record("VFXGetConfigBits"); }
#endif
#ifndef OMIT_VFXSetIPDPercent
VFX_EXPORT int32_t __cdecl VFXSetIPDPercent(int32_t percent) { return Record("VFXSetIPDPercent", percent); }
#endif
#endif
