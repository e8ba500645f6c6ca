// Scriptable double of the headset's driver DLLs, built as VFXDrive.dll and as VFXDraw.dll in a
// folder per scenario. The build renames away the entry points a DLL must lack (the other
// library's, and the one a scenario leaves out), so GetProcAddress finds no such name.
#include "DoubleControl.h"

#include <windows.h>

#include <algorithm>
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

VFX_EXPORT VFXOpen() { Sleep(Control().openDelayMs); return Record("VFXOpen"); }
VFX_EXPORT VFXClose() { return Record("VFXClose"); }
VFX_EXPORT VFXZeroSet() { return Record("VFXZeroSet"); }
VFX_EXPORT VFXSetVideoMode(int32_t mode) { return Record("VFXSetVideoMode", mode); }
VFX_EXPORT VFXGetTracking(int32_t* x, int32_t* y, int32_t* z)
{
    Record("VFXGetTracking");
    DriverDoubleControl& control = Control();
    Sleep(control.readDelayMs);
    if (control.alternateExtremes)
        std::fill_n(control.sample, 3, control.sample[0] == INT32_MIN ? INT32_MAX : INT32_MIN);
    if (control.trackingWrites)
        *x = control.sample[0], *y = control.sample[1], *z = control.sample[2];
    return control.trackingStatus;
}

VFX_EXPORT VFXLockOutMode(int32_t mode) { return Record("VFXLockOutMode", mode); }
VFX_EXPORT VFXSetConfigBits(int32_t bits) { return Record("VFXSetConfigBits", bits); }
VFX_EXPORT VFXGetConfigBits() { return Record("VFXGetConfigBits"); }
VFX_EXPORT VFXSetIPDPercent(int32_t percent) { return Record("VFXSetIPDPercent", percent); }
