// The paths the profile functions build and the names they take: none may reach outside the
// program folder, name a device, or let the template be deleted.
#include "dialog/ProfileName.h"
#include "dialog/ProgramPaths.h"

#include <gtest/gtest.h>

TEST(ProfilePaths, KnowTheTemplateInAnyCase)
{
    for (const char* name : {"default.vfx", "DEFAULT.VFX", "dEfAuLt.vFx"})
        EXPECT_TRUE(IsTemplateFileName(name)) << name;
    // clang-format off
    for (const char* name : {"", "default.vfx ", "default.vf", "xdefault.vfx", "d\xC9""fault.vfx"})
        EXPECT_FALSE(IsTemplateFileName(name)) << name;
    // clang-format on
}

TEST(ProfilePaths, RefuseNamesWithPathsForbiddenCharactersOrDevicesOnly)
{
    for (const char* name : {"Test", "my profile", "   ", "a.b", "console", "COM10", "LPT0", "CONx", "caf\xE9"})
        EXPECT_TRUE(IsPlainProfileName(name)) << name;
    // clang-format off
    for (const char* name : {"..\\evil", "../evil", "C:evil", "con", "Prn", "COM1", "lpt9", "COM\xB9", "lpt\xB2",
                             "LPT\xB3", "NUL.txt", "AUX ", "a<b", "a>b", "a\"b", "a|b", "a*b", "a\tb", "a\x1F" "b"})
        EXPECT_FALSE(IsPlainProfileName(name)) << name;
    // clang-format on
}
