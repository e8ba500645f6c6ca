// Profiles through the real kernel32 profile functions: load, save, the modified flag, the
// catalogue, Add and Delete.
#include "NodlinkFixture.h"

#include "PointerStep.h"
#include "Profiles.h"

#include <windows.h>

namespace {
const Shown ValuesA{false, true, "3", "4", false, "5", "-6"};
const Shown ValuesB{true, false, "13", "14", true, "-15", "16"};
using Names = std::vector<std::string>;

class Profile : public NodlinkTest {
protected:
    // default.vfx, a.vfx and b.vfx, with a.vfx loaded.
    TNodlink& FormWithProfiles()
    {
        folder.Write("default.vfx", TemplateProfile);
        folder.Write("a.vfx", ProfileWith(ValuesA));
        folder.Write("b.vfx", ProfileWith(ValuesB));
        EXPECT_TRUE(SelectAndLoad("a.vfx"));
        return Form();
    }

    void ExpectAddRefused(const std::string& name)
    {
        dialogs.TypeAndPressEnter(name);
        dialogs.Press("OK");
        Form().AddClick();
        EXPECT_EQ(dialogs.Seen().back().Message(), "Profile name already exists.") << name;
    }
};
}

TEST_F(Profile, AFileWithoutAValidMarkerLoadsNothingAndAFollowingSaveGoesToThePreviousProfile)
{
    TNodlink& form = FormWithProfiles();
    folder.Write("none.vfx", Lines({"[CONFIGURATION]", "XSens=77"}));
    folder.Write("zero.vfx", Lines({"[CONFIGURATION]", "TEST=0", "XSens=77"}));
    folder.Write("other.vfx", Lines({"[Other]", "TEST=1", "[CONFIGURATION]", "XSens=77"}));
    RefreshCatalogue();
    form.XSens.SetText("55");
    for (const char* name : {"none.vfx", "zero.vfx", "other.vfx"}) {
        dialogs.PressEscape();
        EXPECT_FALSE(SelectAndLoad(name)) << name;
        EXPECT_EQ(CurrentProfilePath, PathOf("a.vfx")) << name;
        EXPECT_EQ(ShownByMapping(), ValuesA) << name;
        EXPECT_EQ(form.XSens.Text(), "55") << name;
        EXPECT_TRUE(ProfileModified) << name;
    }
    EXPECT_TRUE(SaveCurrentProfile());
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith({false, true, "55", "4", false, "5", "-6"}));
}

TEST_F(Profile, LoadsWhatTheFileSaysAndZeroForWhatItLacks)
{
    const std::pair<std::string, Shown> files[] = {
        {Lines({"[configuration]", "test=1", "INVERTX=1", "inverty=0", "xsens=-7", "YSENS=12abc", "absMode=1",
                "BaseX=2147483647", "basey=-2147483648"}),
         {true, false, "-7", "12", true, "2147483647", "-2147483648"}},
        {Lines({"[CONFIGURATION]", "TEST=1", "InvertY=on", "XSens=", "BaseX= -7 "}),
         {false, false, "0", "0", false, "-7", "0"}},
    };
    for (const auto& [contents, values] : files) {
        Restart();
        folder.Write("case.vfx", contents);
        Form();
        EXPECT_EQ(CurrentProfilePath, PathOf("case.vfx"));
        EXPECT_EQ(ShownByMapping(), values);
        EXPECT_EQ(ShownBy(Form()), values);
        EXPECT_FALSE(ProfileModified);
    }
}

TEST_F(Profile, ASaveReplacesEachKeyWhereItStandsAndLeavesEveryOtherLineAlone)
{
    folder.Write("a.vfx", Lines({"; a profile", "[Other]", "XSens=99", "[CONFIGURATION]", "BaseY=1", "xsens=3",
                                 "TEST=1", "InvertX=0", "YSens=4", "[Tail]", "Key=Value"}));
    TNodlink& form = Form();
    form.InvertX.SetChecked(true);
    form.InvertY.SetChecked(true);
    form.XSens.SetText("-007x");
    form.YSens.SetText(" +42");
    form.BaseX.SetText("4294967297");
    form.BaseY.SetText("letters");
    EXPECT_TRUE(SaveCurrentProfile());
    EXPECT_EQ(folder.Read("a.vfx"),
              Lines({"; a profile", "[Other]", "XSens=99", "[CONFIGURATION]", "BaseY=0", "xsens=-7", "TEST=1",
                     "InvertX=1", "YSens=42", "InvertY=1", "AbsMode=0", "BaseX=1", "[Tail]", "Key=Value"}));
    EXPECT_TRUE(ProfileModified) << "a save leaves the flag";
    EXPECT_EQ(ShownByMapping(), (Shown{false, false, "3", "4", false, "0", "1"})) << "and the mapping";

    // Readable but not writable: the save says it failed.
    HANDLE lock = CreateFileA(PathOf("a.vfx").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    EXPECT_FALSE(SaveCurrentProfile());
    CloseHandle(lock);
}

TEST_F(Profile, EveryUserChangeOfAParameterMarksTheProfileEvenWhenUndone)
{
    TNodlink& form = FormWithProfiles();
    for (const TCheckBox* box : {&form.InvertX, &form.InvertY, &form.AbsMode}) {
        ProfileModified = false;
        SendMessageA(box->Handle(), BM_CLICK, 0, 0);
        SendMessageA(box->Handle(), BM_CLICK, 0, 0);
        EXPECT_TRUE(ProfileModified);
    }
    for (const TEdit* edit : {&form.XSens, &form.YSens, &form.BaseX, &form.BaseY}) {
        ProfileModified = false;
        SendMessageA(edit->Handle(), WM_CHAR, '9', 0);
        SendMessageA(edit->Handle(), WM_CHAR, VK_BACK, 0);
        EXPECT_TRUE(ProfileModified);
    }
    EXPECT_EQ(ShownBy(form), ValuesA);
}

TEST_F(Profile, TheSavePromptSavesIntoTheProfileLoadedBeforeOrDiscardsTheEdits)
{
    TNodlink& form = FormWithProfiles();
    const std::string fileB = folder.Read("b.vfx");
    form.YSens.SetText("44");
    dialogs.Press("OK");
    EXPECT_TRUE(SelectAndLoad("b.vfx"));
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith({false, true, "3", "44", false, "5", "-6"}));
    EXPECT_EQ(folder.Read("b.vfx"), fileB);
    EXPECT_EQ(ShownBy(form), ValuesB);

    form.BaseY.SetText("-1");
    dialogs.PressEscape();
    EXPECT_TRUE(LoadSelectedProfile());
    EXPECT_EQ(folder.Read("b.vfx"), fileB);
    EXPECT_EQ(ShownBy(form), ValuesB);
    EXPECT_FALSE(ProfileModified);
}

TEST_F(Profile, ActivateOffersToSaveBeforeStartingAndTracksWithTheSavedValues)
{
    TNodlink& form = FormWithProfiles();
    form.XSens.SetText("21");
    form.AbsMode.SetChecked(true);
    dialogs.Press("OK");
    std::string statusAtPrompt;
    size_t callsAtPrompt = 99;
    dialogs.OnShown = [&](HWND) {
        statusAtPrompt = form.Status.Caption();
        callsAtPrompt = CallNames().size();
    };
    form.RunClick();
    EXPECT_EQ(statusAtPrompt, "Stopped") << "the prompt comes before the tracker opens";
    EXPECT_EQ(callsAtPrompt, 0u);
    EXPECT_EQ(form.Status.Caption(), "VFX3D init OK.");
    const Shown edited{false, true, "21", "4", true, "5", "-6"};
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith(edited));
    EXPECT_EQ(ShownByMapping(), edited);
    EXPECT_FALSE(ProfileModified);
}

TEST_F(Profile, TheCatalogueListsEveryVfxEntrySortedWithoutCase)
{
    for (const char* name : {"Beta.vfx", "alpha.VFX", "gamma.vfx", "e.txt", "f.vfx.bak", "gvfx"})
        folder.Write(name, TemplateProfile);
    SetFileAttributesA(PathOf("gamma.vfx").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(CreateDirectoryA(PathOf("Delta.vfx").c_str(), nullptr));
    TNodlink& form = Form();
    SetCurrentDirectoryA("C:\\");
    EXPECT_TRUE(RefreshCatalogue());
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"alpha.VFX", "Beta.vfx", "Delta.vfx", "gamma.vfx"}));
    EXPECT_EQ(form.ListProfiles.ItemIndex(), -1);
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(current + std::string("\\"), folder.Path());
    EXPECT_FALSE(SelectAndLoad("Delta.vfx")) << "a directory has no marker";

    UseProgramDirectory(folder.Path() + "missing\\");
    EXPECT_FALSE(RefreshCatalogue());
    EXPECT_EQ(form.ListProfiles.Count(), 4) << "a failed refresh leaves the list";
}

TEST_F(Profile, WithoutProfilesNothingIsLoadedOrSaved)
{
    folder.Write("default.txt", TemplateProfile);
    const TNodlink& form = Form();
    EXPECT_EQ(form.ListProfiles.Count(), 0);
    EXPECT_EQ(ShownBy(form), TemplateValues) << "the design values";
    EXPECT_EQ(ShownByMapping(), (Shown{true, true, "1", "1", true, "0", "0"}));
    EXPECT_FALSE(SaveCurrentProfile());
    dialogs.PressEscape();
    Form().AddClick();
    EXPECT_EQ(dialogs.Seen().size(), 1u) << "no name, no message";
    EXPECT_EQ(form.ListProfiles.Count(), 0);
}

TEST_F(Profile, AddCopiesTheTemplateThenSelectsAndLoadsTheNewProfile)
{
    TNodlink& form = FormWithProfiles();
    form.XSens.SetText("99");
    dialogs.TypeAndPressEnter("Test");
    dialogs.PressEscape();
    form.AddClick();
    EXPECT_EQ(dialogs.Seen().at(1).Message(), "The current profile has been modified.Save changes?");
    EXPECT_EQ(folder.Read("Test.vfx"), TemplateProfile);
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith(ValuesA));
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"a.vfx", "b.vfx", "default.vfx", "Test.vfx"}));
    EXPECT_EQ(form.ListProfiles.ItemIndex(), 3);
    EXPECT_EQ(CurrentProfilePath, PathOf("Test.vfx"));
    EXPECT_EQ(ShownBy(form), TemplateValues);
}

TEST_F(Profile, AddOfAnExistingOrUnsafeNameSaysSoAndLoadsOnlyAnExactMatch)
{
    TNodlink& form = FormWithProfiles();
    ExpectAddRefused("A");
    EXPECT_EQ(form.ListProfiles.ItemIndex(), -1) << "no entry is A.vfx byte for byte";
    EXPECT_EQ(CurrentProfilePath, PathOf("a.vfx"));
    ASSERT_TRUE(SelectAndLoad("default.vfx"));
    ExpectAddRefused("b");
    EXPECT_EQ(folder.Read("b.vfx"), ProfileWith(ValuesB));
    EXPECT_EQ(CurrentProfilePath, PathOf("b.vfx"));
    EXPECT_EQ(ShownBy(form), ValuesB);

    ASSERT_TRUE(CreateDirectoryA(PathOf("sub").c_str(), nullptr));
    for (const char* name : {"..\\escaped", "sub\\evil", "sub/evil", "C:evil", "a?b", "CON", "Aux .x"})
        ExpectAddRefused(name);
    EXPECT_FALSE(folder.Exists("sub\\evil.vfx"));
    EXPECT_EQ(GetFileAttributesA((folder.Path() + "..\\escaped.vfx").c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(PathOf("default.vfx").c_str());
    ExpectAddRefused("new");
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"a.vfx", "b.vfx"}));
}

TEST_F(Profile, DeleteRefusesTheTemplateInAnyLetterCase)
{
    for (const char* name : {"default.vfx", "DEFAULT.VFX"}) {
        Restart();
        folder.Write(name, TemplateProfile);
        dialogs.Press("OK");
        Form().DeleteClick();
        EXPECT_EQ(dialogs.Seen().at(0).Message(), "Cannot delete the default setup.");
        EXPECT_TRUE(folder.Exists(name));
    }
}

TEST_F(Profile, DeleteAsksFirstThenRemovesTheCurrentProfileAndLoadsEntryZero)
{
    TNodlink& form = FormWithProfiles();
    dialogs.Press("&No");
    form.DeleteClick();
    EXPECT_TRUE(folder.Exists("a.vfx"));

    form.ListProfiles.SetItemIndex(1); // the current profile goes, not the selected one
    dialogs.Press("&Yes");
    form.DeleteClick();
    EXPECT_FALSE(folder.Exists("a.vfx"));
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"b.vfx", "default.vfx"}));
    EXPECT_EQ(form.ListProfiles.ItemIndex(), 0);
    EXPECT_EQ(CurrentProfilePath, PathOf("b.vfx"));
    EXPECT_EQ(ShownBy(form), ValuesB);
}

TEST_F(Profile, DeleteBeforeAnyLoadDeletesNothingAndLoadsEntryZero)
{
    Form();
    folder.Write("a.vfx", ProfileWith(ValuesA));
    dialogs.Press("&Yes");
    Form().DeleteClick();
    EXPECT_EQ(Entries(Form().ListProfiles), Names{"a.vfx"});
    EXPECT_EQ(CurrentProfilePath, PathOf("a.vfx"));
}
