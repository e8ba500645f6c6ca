#include "Dpi.h"

#include <windows.h>

namespace {
int ReadSystemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}
}

int SystemDpi()
{
    // The system DPI changes only with a new logon.
    static const int dpi = ReadSystemDpi();
    return dpi;
}

int ScaleToDpi(int pixelsAt96Dpi)
{
    return MulDiv(pixelsAt96Dpi, SystemDpi(), 96);
}
