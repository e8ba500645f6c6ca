#pragma once
#include <cstdint>
#include <string_view>

// The integer an edit box's text stands for: leading white space skipped, one optional sign,
// decimal digits up to the first non-digit accumulated with 32-bit wrap-around, the sign
// applied last; no digits give 0. Our own because atoi and strtol differ on overflow.
int32_t EditTextToInteger(std::string_view text);
