// Bridge VFXDraw.dll: a head tracker has no display to set, so every entry point does nothing.
#include <cstdint>

#define VFX_EXPORT extern "C" __declspec(dllexport)

VFX_EXPORT int32_t __cdecl VFXLockOutMode(int32_t)
{
    return 0;
}

VFX_EXPORT int32_t __cdecl VFXSetConfigBits(int32_t)
{
    return 0;
}

VFX_EXPORT int32_t __cdecl VFXGetConfigBits(void)
{
    return 0;
}

VFX_EXPORT int32_t __cdecl VFXSetIPDPercent(int32_t)
{
    return 0;
}
