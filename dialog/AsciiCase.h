#pragma once
#include <string_view>

// Compares without regard to the case of ASCII letters; other bytes must match exactly, as
// the system's code page may give them other case rules.
inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}
