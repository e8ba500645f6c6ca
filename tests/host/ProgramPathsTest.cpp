#include "dialog/ProgramPaths.h"

#include <gtest/gtest.h>

#include <string>

TEST(ProgramPaths, SplitJoinAndNameTheTemplate)
{
    EXPECT_EQ(DirectoryPart("C:\\Program Files\\Nodlink\\nodlink.exe"), "C:\\Program Files\\Nodlink\\");
    EXPECT_EQ(DirectoryPart("C:/a\\b/nodlink.exe"), "C:/a\\b/");
    EXPECT_EQ(DirectoryPart("nodlink.exe"), "");
    EXPECT_EQ(FileNamePart("C:\\Nodlink\\Default.vfx"), "Default.vfx");
    EXPECT_EQ(FileNamePart("C:\\tools/default.vfx"), "tools/default.vfx") << "only backslashes count";
    EXPECT_EQ(FileNamePart("default.vfx"), "default.vfx");
    EXPECT_EQ(FileNamePart("C:\\Nodlink\\"), "");
    const std::string directory = "C:\\" + std::string(200, 'd') + "\\";
    EXPECT_EQ(JoinPath(directory, std::string(51, 'n')), directory + std::string(51, 'n')) << "255 characters";
    EXPECT_FALSE(JoinPath(directory, std::string(52, 'n')));
    EXPECT_FALSE(JoinPath(std::string(256, 'd'), ""));
    for (const char* name : {"default.vfx", "DEFAULT.VFX", "dEfAuLt.vFx"})
        EXPECT_TRUE(IsTemplateFileName(name)) << name;
    for (const char* name : {"", "default.vfx ", "default.vf", "xdefault.vfx", "d\xC9""fault.vfx"})
        EXPECT_FALSE(IsTemplateFileName(name)) << name;
}
