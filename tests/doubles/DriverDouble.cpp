// Scriptable double of the headset's driver DLLs, built as VFXDrive.dll and as VFXDraw.dll in a
// folder per scenario. The build renames away the entry points a DLL must lack (the other
// library's, and the one a scenario leaves out), so GetProcAddress finds no such name.
#include "DriverScript.h"

#include <windows.h>

#include <cstring>
#include <iterator>

#define VFX_EXPORT extern "C" __declspec(dllexport) int32_t __cdecl

namespace {
DriverScript& Script()
{
    using Export = DriverScript* (*)();
    static DriverScript unscripted;
    const auto record = reinterpret_cast<Export>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), "NodlinkDriverScript")));
    return record ? *record() : unscripted;
}

int32_t Record(const char* name, int32_t argument = 0)
{
    DriverScript& script = Script();
    if (script.callCount < static_cast<int>(std::size(script.calls))) {
        strncpy(script.calls[script.callCount].name, name, sizeof script.calls[0].name - 1);
        script.calls[script.callCount++].argument = argument;
    }
    return 1;
}
}

VFX_EXPORT VFXOpen() { return Record("VFXOpen"); }
VFX_EXPORT VFXClose() { return Record("VFXClose"); }
VFX_EXPORT VFXZeroSet() { return Record("VFXZeroSet"); }
VFX_EXPORT VFXSetVideoMode(int32_t mode) { return Record("VFXSetVideoMode", mode); }
VFX_EXPORT VFXGetTracking(int32_t* x, int32_t* y, int32_t* z)
{
    Record("VFXGetTracking");
    const DriverScript& script = Script();
    if (script.trackingWrites)
        *x = script.sample[0], *y = script.sample[1], *z = script.sample[2];
    return script.trackingStatus;
}

VFX_EXPORT VFXLockOutMode(int32_t mode) { return Record("VFXLockOutMode", mode); }
VFX_EXPORT VFXSetConfigBits(int32_t bits) { return Record("VFXSetConfigBits", bits); }
VFX_EXPORT VFXGetConfigBits() { return Record("VFXGetConfigBits"); }
VFX_EXPORT VFXSetIPDPercent(int32_t percent) { return Record("VFXSetIPDPercent", percent); }
