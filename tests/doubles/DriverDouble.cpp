// Scriptable double of the headset's driver DLLs, built as VFXDrive.dll and as VFXDraw.dll in a
// folder per scenario. The build renames away the entry points a DLL must lack (the other
// library's, and the one a scenario leaves out), so GetProcAddress finds no such name.
#include "DriverScript.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

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

// NAME, and the MODE it got unless that is -1.
int32_t Record(const char* name, int32_t mode = -1)
{
    char* calls = Script().calls;
    const size_t used = std::strlen(calls);
    std::snprintf(calls + used, sizeof Script().calls - used, mode == -1 ? "%s " : "%s(%d) ", name,
                  static_cast<int>(mode));
    return 1;
}
}

// clang-format off
VFX_EXPORT VFXOpen() { return Record("VFXOpen"); }
VFX_EXPORT VFXClose() { return Record("VFXClose"); }
VFX_EXPORT VFXZeroSet() { return Record("VFXZeroSet"); }
VFX_EXPORT VFXSetVideoMode(int32_t mode) { return Record("VFXSetVideoMode", mode); }
VFX_EXPORT VFXGetTracking(int32_t* x, int32_t* y, int32_t* z)
{
    const DriverScript& script = Script();
    *x = script.sample[0], *y = script.sample[1], *z = script.sample[2];
    return 1;
}

VFX_EXPORT VFXLockOutMode(int32_t mode) { return Record("VFXLockOutMode", mode); }
VFX_EXPORT VFXSetConfigBits(int32_t) { return Record("VFXSetConfigBits"); }
VFX_EXPORT VFXGetConfigBits() { return Record("VFXGetConfigBits"); }
VFX_EXPORT VFXSetIPDPercent(int32_t) { return Record("VFXSetIPDPercent"); }
// clang-format on
