#include "dialog/EditText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

TEST(EditTextToInteger, ReadsTheExamplesAndWrapsAroundBeyondThirtyTwoBits)
{
    // clang-format off
    const std::pair<const char*, int32_t> cases[] = {
        {"10", 10}, {"+7", 7}, {" -7", -7}, {"\t\n\v\f\r 3", 3}, {"12abc", 12}, {"007", 7},
        // No digits give 0; only the six classic blanks are skipped, not a no-break space.
        {"", 0}, {"abc", 0}, {"-", 0}, {"+-5", 0}, {"- 5", 0}, {"\xA0" "5", 0},
        {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"2147483648", INT32_MIN}, {"4294967295", -1},
        {"4294967296", 0}, {"-4294967297", -1}, {"99999999999999999999999999999999999999999", -1}};
    // clang-format on
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(EditTextToInteger(text), expected) << '"' << text << '"';
}
