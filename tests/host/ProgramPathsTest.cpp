#include "dialog/ProgramPaths.h"

#include <gtest/gtest.h>

#include <string>

TEST(ProgramPaths, DirectoryPartEndsAtTheLastSeparatorOfEitherKind)
{
    EXPECT_EQ(DirectoryPart("C:\\Program Files\\Nodlink\\nodlink.exe"), "C:\\Program Files\\Nodlink\\");
    EXPECT_EQ(DirectoryPart("C:\\tools/nodlink.exe"), "C:\\tools/");
    EXPECT_EQ(DirectoryPart("C:/a\\b/nodlink.exe"), "C:/a\\b/");
    EXPECT_EQ(DirectoryPart("nodlink.exe"), "");
}

TEST(ProgramPaths, FileNamePartCountsOnlyBackslashes)
{
    EXPECT_EQ(FileNamePart("C:\\Nodlink\\Default.vfx"), "Default.vfx");
    EXPECT_EQ(FileNamePart("C:\\tools/default.vfx"), "tools/default.vfx");
    EXPECT_EQ(FileNamePart("default.vfx"), "default.vfx");
    EXPECT_EQ(FileNamePart(""), "");
    EXPECT_EQ(FileNamePart("C:\\Nodlink\\"), "");
}

TEST(ProgramPaths, JoinedPathsEndAt255Characters)
{
    const std::string directory = "C:\\" + std::string(200, 'd') + "\\";
    EXPECT_EQ(JoinPath(directory, std::string(51, 'n')), directory + std::string(51, 'n'));
    EXPECT_FALSE(JoinPath(directory, std::string(52, 'n')));
    EXPECT_FALSE(JoinPath(std::string(256, 'd'), ""));
    EXPECT_FALSE(JoinPath(std::string(100, 'd'), std::string(300, 'n')));
    EXPECT_EQ(JoinPath("", "x.vfx"), "x.vfx");
}

TEST(ProgramPaths, TheTemplateNameMatchesInAnyLetterCaseOnly)
{
    for (const char* name : {"default.vfx", "DEFAULT.VFX", "Default.Vfx", "dEfAuLt.vFx"})
        EXPECT_TRUE(IsTemplateFileName(name)) << name;
    for (const char* name : {"", "default.vfx ", " default.vfx", "default.vf", "xdefault.vfx", "default_vfx",
                             "default.vfx\\", "d\xC9""fault.vfx"})
        EXPECT_FALSE(IsTemplateFileName(name)) << name;
}
