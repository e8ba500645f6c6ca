#include "ProfileName.h"

#include "AsciiCase.h"

#include <array>

namespace {
bool IsForbiddenCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
}

// Windows takes Latin-1's superscript digits 1, 2 and 3 for port numbers too. They are these
// bytes in Windows-1252 and most other Windows code pages; in the rest the bytes only refuse a
// few harmless names.
bool IsPortNumber(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (c >= '1' && c <= '9') || byte == 0xB9 || byte == 0xB2 || byte == 0xB3;
}

// Windows maps the device names to devices whatever follows the first dot, and ignores
// blanks before that dot.
bool IsReservedDeviceName(std::string_view name)
{
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    static constexpr std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    for (std::string_view device : plain)
        if (EqualsIgnoringAsciiCase(base, device))
            return true;
    const bool numberedPort =
        base.size() == 4 && IsPortNumber(base[3]) &&
        (EqualsIgnoringAsciiCase(base.substr(0, 3), "COM") || EqualsIgnoringAsciiCase(base.substr(0, 3), "LPT"));
    return numberedPort;
}
}

bool IsPlainProfileName(std::string_view name)
{
    for (char c : name)
        if (IsForbiddenCharacter(c))
            return false;
    return !IsReservedDeviceName(name);
}
