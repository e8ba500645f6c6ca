#include "SettingValue.h"

std::optional<int32_t> ParseWholeNumber(std::string_view text, int32_t min, int32_t max)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    // Leading zeros count for nothing; ten digits after them at most, so the magnitude fits into
    // 64 bits before the range check.
    while (!text.empty() && text.front() == '0')
        text.remove_prefix(1);
    if (text.size() > 10)
        return std::nullopt;
    int64_t magnitude = 0;
    for (const char digit : text) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (digit - '0');
    }
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < min || value > max)
        return std::nullopt;
    return static_cast<int32_t>(value);
}
