#include "Font.h"

#include "Dpi.h"

#include <stdexcept>

TFont::TFont(const std::string& name, int height)
    : handle(CreateFontA(ScaleToDpi(height), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                         name.c_str()))
{
    if (!handle.Get())
        throw std::runtime_error("cannot create the font " + name);
}
