#include "dialog/EditText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>

namespace {
// An independent reference: 10^32 is a multiple of 2^32, so only the last 32 digits count,
// and those fit a 128-bit integer.
int32_t Reference(const std::string& text)
{
    size_t i = text.find_first_not_of(" \t\n\v\f\r");
    if (i == std::string::npos)
        return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-')
        negative = text[i++] == '-';
    const size_t end = text.find_first_not_of("0123456789", i);
    std::string digits = text.substr(i, end == std::string::npos ? std::string::npos : end - i);
    if (digits.size() > 32)
        digits = digits.substr(digits.size() - 32);
    unsigned __int128 value = 0;
    for (char d : digits)
        value = value * 10 + static_cast<unsigned>(d - '0');
    uint32_t low = static_cast<uint32_t>(value & 0xFFFFFFFFu);
    if (negative)
        low = ~low + 1u;
    return static_cast<int32_t>(low);
}
}

TEST(EditTextToInteger, ReadsTheExamplesAndWrapsAroundBeyondThirtyTwoBits)
{
    const std::pair<const char*, int32_t> cases[] = {
        {"10", 10}, {"+7", 7}, {" -7", -7}, {"\t\n\v\f\r 3", 3}, {"12abc", 12}, {"007", 7},
        // No digits give 0; only the six classic blanks are skipped, not a no-break space.
        {"", 0}, {"abc", 0}, {"-", 0}, {"+-5", 0}, {"- 5", 0}, {"\xA0" "5", 0},
        {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"2147483648", INT32_MIN},
        {"4294967295", -1}, {"4294967296", 0}, {"-4294967297", -1},
        {"99999999999999999999999999999999999999999", -1}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(EditTextToInteger(text), expected) << '"' << text << '"';
}

TEST(EditTextToInteger, AgreesWithTheReferenceOnRandomText)
{
    std::mt19937 random(20261207);
    const std::string alphabet = " \t\n\v\f\r+-0123456789012345678901234567890123456789aZ.\xA0";
    for (int round = 0; round < 200000; ++round) {
        std::string text(random() % 48, ' ');
        for (char& c : text)
            c = alphabet[random() % alphabet.size()];
        ASSERT_EQ(EditTextToInteger(text), Reference(text)) << '"' << text << '"';
    }
}
