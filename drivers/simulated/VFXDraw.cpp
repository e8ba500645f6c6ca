// Simulated VFXDraw.dll: display settings of the headset, which a desktop pointer has no use for.
#include <cstdint>

#define VFX_EXPORT extern "C" __declspec(dllexport)

namespace {
int32_t configBits = 0;
}

VFX_EXPORT int32_t __cdecl VFXLockOutMode(int32_t)
{
    return 1;
}

VFX_EXPORT int32_t __cdecl VFXSetConfigBits(int32_t bits)
{
    configBits = bits;
    return 1;
}

VFX_EXPORT int32_t __cdecl VFXGetConfigBits(void)
{
    return configBits;
}

VFX_EXPORT int32_t __cdecl VFXSetIPDPercent(int32_t)
{
    return 1;
}
