#pragma once
#include <windows.h>

#include <string>

// An owned font, created for the system DPI.
class TFont {
public:
    // HEIGHT as in LOGFONT at 96 DPI: negative for the character height without leading.
    TFont(const std::string& name, int height);
    ~TFont();
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    HFONT Handle() const { return handle; }

private:
    HFONT handle;
};
