#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// A whole number written plainly (an optional sign, then digits only, as many leading zeros as
// you like) and within [min, max]; anything else is nothing. Stricter than GetPrivateProfileInt,
// which reads "12abc" as 12.
std::optional<int32_t> ParseWholeNumber(std::string_view text, int32_t min, int32_t max);
