#include "Dpi.h"

#include "GdiHandles.h"

int SystemDpi()
{
    // The system DPI changes only with a new logon.
    static const int dpi = GetDeviceCaps(WindowDc(nullptr).Get(), LOGPIXELSY);
    return dpi;
}

int ScaleToDpi(int pixelsAt96Dpi)
{
    return MulDiv(pixelsAt96Dpi, SystemDpi(), 96);
}
