#include "dialog/ProfileName.h"

#include <gtest/gtest.h>

#include <string>

TEST(IsPlainProfileName, AcceptsOrdinaryNamesAlsoNearDeviceNames)
{
    for (const char* name : {"Test", "my profile", "   ", "a.b", "console", "COM10", "LPT0", "CONx", "NULL",
                             "caf\xE9", "COM", "-_()[]{}'!#$%&+,;=@^`~"})
        EXPECT_TRUE(IsPlainProfileName(name)) << name;
}

TEST(IsPlainProfileName, RefusesPathsForbiddenCharactersAndDeviceNames)
{
    for (const char* name : {"..\\evil", "../evil", "sub\\name", "C:evil", "C:\\evil", "\\\\server\\share\\x",
                             "CON", "con", "Prn", "AUX", "nul", "COM1", "com9", "LPT1", "lpt9", "NUL.txt",
                             "con.anything.else", "AUX ", "CON .x"})
        EXPECT_FALSE(IsPlainProfileName(name)) << name;
    for (char c : std::string("<>:\"|?*"))
        EXPECT_FALSE(IsPlainProfileName(std::string("a") + c + "b")) << c;
    for (int c = 0; c < 32; ++c)
        EXPECT_FALSE(IsPlainProfileName(std::string("a") + static_cast<char>(c) + "b")) << c;
}
