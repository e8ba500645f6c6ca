#pragma once
#include "GdiHandles.h"

#include <windows.h>

#include <string>

// An owned font, created for the system DPI.
class TFont {
public:
    // HEIGHT as in LOGFONT at 96 DPI: negative for the character height without leading.
    TFont(const std::string& name, int height);

    HFONT Handle() const { return handle.Get(); }

private:
    GdiObject<HFONT> handle;
};
