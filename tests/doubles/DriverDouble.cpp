// Scriptable double of the headset's driver DLLs: built with VFX_DRIVE as VFXDrive.dll and with
// VFX_DRAW as VFXDraw.dll, in a folder per scenario; OMIT_<entry point> leaves one out.
#include "DoubleControl.h"

#include <windows.h>

#include <cstring>

#define VFX_EXPORT extern "C" __declspec(dllexport) int32_t __cdecl

namespace {
DriverDoubleControl& Control()
{
    using Export = DriverDoubleControl* (*)();
    static DriverDoubleControl unscripted{1, true};
    const auto record = reinterpret_cast<Export>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), "NodlinkDriverDoubles")));
    return record ? *record() : unscripted;
}

int32_t Record(const char* name, int32_t argument = 0)
{
    DriverDoubleControl& control = Control();
    if (control.callCount < 512) {
        strncpy(control.calls[control.callCount].name, name, 23);
        control.calls[control.callCount++].argument = argument;
    }
    if (control.onCall)
        control.onCall(name);
    return 1;
}
}

#ifdef VFX_DRIVE
#ifndef OMIT_VFXOpen
VFX_EXPORT VFXOpen() { Sleep(Control().openDelayMs); return Record("VFXOpen"); }
#endif
#ifndef OMIT_VFXClose
VFX_EXPORT VFXClose() { return Record("VFXClose"); }
#endif
#ifndef OMIT_VFXZeroSet
VFX_EXPORT VFXZeroSet() { return Record("VFXZeroSet"); }
#endif
#ifndef OMIT_VFXSetVideoMode
VFX_EXPORT VFXSetVideoMode(int32_t mode) { return Record("VFXSetVideoMode", mode); }
#endif
#ifndef OMIT_VFXGetTracking
VFX_EXPORT VFXGetTracking(int32_t* x, int32_t* y, int32_t* z)
{
    Record("VFXGetTracking");
    DriverDoubleControl& control = Control();
    Sleep(control.readDelayMs);
    if (control.alternateExtremes)
        control.sample[0] = control.sample[1] = control.sample[2] = control.sample[0] == INT32_MIN ? INT32_MAX : INT32_MIN;
    if (control.trackingWrites)
        *x = control.sample[0], *y = control.sample[1], *z = control.sample[2];
    return control.trackingStatus;
}
#endif
#endif

#ifdef VFX_DRAW
#ifndef OMIT_VFXLockOutMode
VFX_EXPORT VFXLockOutMode(int32_t mode) { return Record("VFXLockOutMode", mode); }
#endif
#ifndef OMIT_VFXSetConfigBits
VFX_EXPORT VFXSetConfigBits(int32_t bits) { return Record("VFXSetConfigBits", bits); }
#endif
#ifndef OMIT_VFXGetConfigBits
VFX_EXPORT VFXGetConfigBits() { return Record("VFXGetConfigBits"); }
#endif
#ifndef OMIT_VFXSetIPDPercent
VFX_EXPORT VFXSetIPDPercent(int32_t percent) { return Record("VFXSetIPDPercent", percent); }
#endif
#endif
