#include "ProfileName.h"

#include "AsciiCase.h"

#include <array>

namespace {
bool IsForbiddenCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 32 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
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
        base.size() == 4 && base[3] >= '1' && base[3] <= '9' &&
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
