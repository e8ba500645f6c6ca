#include "dialog/ProfileName.h"

#include <gtest/gtest.h>

#include <string>

TEST(IsPlainProfileName, RefusesPathsForbiddenCharactersAndDeviceNamesOnly)
{
    for (const char* name : {"Test", "my profile", "   ", "a.b", "console", "COM10", "LPT0", "CONx", "caf\xE9"})
        EXPECT_TRUE(IsPlainProfileName(name)) << name;
    for (const char* name : {"..\\evil", "../evil", "C:evil", "CON", "con", "Prn", "AUX", "nul", "COM1", "lpt9",
                             "NUL.txt", "AUX ", "CON .x", "a<b", "a>b", "a\"b", "a|b", "a*b", "a\tb", "a\x1F" "b"})
        EXPECT_FALSE(IsPlainProfileName(name)) << name;
}
