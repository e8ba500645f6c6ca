// Profiles through the real kernel32 profile functions: load, save, the modified flag, the
// catalogue, Add and Delete.
#include "NodlinkFixture.h"

#include "Application.h"
#include "PointerStep.h"
#include "Profiles.h"

#include <windows.h>

namespace {
const Shown ValuesA{false, true, "3", "4", false, "5", "-6"};
const Shown ValuesB{true, false, "13", "14", true, "-15", "16"};
const std::string SavePrompt = "The current profile has been modified.Save changes?";
using Names = std::vector<std::string>;

class Profile : public NodlinkTest {
protected:
    TNodlink& FormWithProfiles() // default.vfx, a.vfx and b.vfx, with a.vfx loaded
    {
        folder.Write("default.vfx", TemplateProfile);
        folder.Write("a.vfx", ProfileWith(ValuesA));
        folder.Write("b.vfx", ProfileWith(ValuesB));
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

TEST_F(Profile, LoadsWhatTheFileSaysZeroForWhatItLacksAndNothingWithoutAMarker)
{
    const std::pair<Names, Shown> loaded[] = {
        {{"[configuration]", "test=1", "INVERTX=1", "xsens=-7", "YSENS=12abc", "absMode=1", "BaseX=2147483647",
          "basey=-2147483648"},
         {true, false, "-7", "12", true, "2147483647", "-2147483648"}},
        {{"[CONFIGURATION]", "TEST=1", "InvertY=on", "XSens=", "BaseX= -7 "},
         {false, false, "0", "0", false, "-7", "0"}}};
    for (const auto& [lines, values] : loaded) {
        Restart();
        folder.Write("case.vfx", Lines(lines));
        EXPECT_EQ(ShownBy(Form()), values);
        EXPECT_EQ(ShownByMapping(), values);
        EXPECT_EQ(CurrentProfilePath, PathOf("case.vfx"));
        EXPECT_FALSE(ProfileModified) << "although filling the controls raised their handlers";
    }
    Restart();
    TNodlink& form = FormWithProfiles();
    folder.Write("none.vfx", Lines({"[CONFIGURATION]", "XSens=77"}));
    folder.Write("zero.vfx", Lines({"[CONFIGURATION]", "TEST=0", "XSens=77"}));
    folder.Write("other.vfx", Lines({"[Other]", "TEST=1", "[CONFIGURATION]", "XSens=77"}));
    RefreshCatalogue();
    form.XSens.SetText("55");
    for (const char* name : {"none.vfx", "zero.vfx", "other.vfx"}) {
        dialogs.PressEscape();
        EXPECT_FALSE(SelectAndLoad(name)) << name;
        EXPECT_EQ(std::tuple(CurrentProfilePath, ShownByMapping(), form.XSens.Text(), ProfileModified),
                  std::tuple(PathOf("a.vfx"), ValuesA, "55", true)) << name;
    }
    EXPECT_TRUE(SaveCurrentProfile()) << "into the profile loaded last";
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith({false, true, "55", "4", false, "5", "-6"}));
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
    HANDLE lock =
        CreateFileA(PathOf("a.vfx").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(SaveCurrentProfile());
    CloseHandle(lock);
}

TEST_F(Profile, EveryUserChangeOfAParameterMarksTheProfileEvenWhenUndone)
{
    TNodlink& form = FormWithProfiles();
    for (HWND control : {form.InvertX.Handle(), form.InvertY.Handle(), form.AbsMode.Handle(), form.XSens.Handle(),
                         form.YSens.Handle(), form.BaseX.Handle(), form.BaseY.Handle()}) {
        ProfileModified = false;
        const bool isEdit = control == form.XSens.Handle() || control == form.YSens.Handle() ||
                            control == form.BaseX.Handle() || control == form.BaseY.Handle();
        SendMessageA(control, isEdit ? WM_CHAR : BM_CLICK, '9', 0);
        SendMessageA(control, isEdit ? WM_CHAR : BM_CLICK, VK_BACK, 0);
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
    form.BaseY.SetText("-1");
    dialogs.PressEscape();
    EXPECT_TRUE(LoadSelectedProfile());
    EXPECT_EQ(std::tuple(folder.Read("b.vfx"), ShownBy(form), ProfileModified), std::tuple(fileB, ValuesB, false));
}

TEST_F(Profile, ActivateOffersToSaveBeforeStartingAndTracksWithTheSavedValues)
{
    TNodlink& form = FormWithProfiles();
    form.XSens.SetText("21");
    form.AbsMode.SetChecked(true);
    dialogs.Press("OK");
    std::string statusAtPrompt;
    size_t callsAtPrompt = 99;
    dialogs.OnShown = [&](HWND) { statusAtPrompt = form.Status.Caption(), callsAtPrompt = CallNames().size(); };
    form.RunClick();
    EXPECT_EQ(std::tuple(statusAtPrompt, callsAtPrompt), std::tuple("Stopped", 0u)) << "before the tracker opens";
    const Shown edited{false, true, "21", "4", true, "5", "-6"};
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith(edited));
    EXPECT_EQ(std::tuple(ShownByMapping(), ProfileModified), std::tuple(edited, false));
}

TEST_F(Profile, TheCatalogueListsEveryVfxEntrySortedWithoutCase)
{
    for (const char* name : {"Beta.vfx", "alpha.VFX", "gamma.vfx", "e.txt", "f.vfx.bak", "gvfx"})
        folder.Write(name, TemplateProfile);
    SetFileAttributesA(PathOf("gamma.vfx").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA(PathOf("Delta.vfx").c_str(), nullptr);
    TNodlink& form = Form();
    SetCurrentDirectoryA("C:\\");
    EXPECT_TRUE(RefreshCatalogue());
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"alpha.VFX", "Beta.vfx", "Delta.vfx", "gamma.vfx"}));
    EXPECT_EQ(form.ListProfiles.ItemIndex(), -1);
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(current + std::string("\\"), folder.Path());
    EXPECT_FALSE(SelectAndLoad("Delta.vfx")) << "a directory has no marker";
    Application->SetExeName(folder.Path() + "missing\\nodlink.exe");
    EXPECT_FALSE(RefreshCatalogue());
    EXPECT_EQ(form.ListProfiles.Count(), 4) << "a failed refresh leaves the list";
}

TEST_F(Profile, WithoutProfilesNothingIsLoadedSavedOrDeleted)
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
    // Delete before any load: the question comes, nothing is deleted, entry 0 is loaded.
    folder.Write("a.vfx", ProfileWith(ValuesA));
    dialogs.Press("&Yes");
    Form().DeleteClick();
    EXPECT_EQ(std::tuple(Entries(form.ListProfiles), CurrentProfilePath), std::tuple(Names{"a.vfx"}, PathOf("a.vfx")));
}

TEST_F(Profile, AddCopiesTheTemplateThenSelectsAndLoadsTheNewProfile)
{
    TNodlink& form = FormWithProfiles();
    form.XSens.SetText("99");
    dialogs.TypeAndPressEnter("Test");
    dialogs.PressEscape();
    form.AddClick();
    EXPECT_EQ(dialogs.Seen().at(1).Message(), SavePrompt);
    EXPECT_EQ(std::tuple(folder.Read("Test.vfx"), folder.Read("a.vfx")),
              std::tuple(TemplateProfile, ProfileWith(ValuesA)));
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"a.vfx", "b.vfx", "default.vfx", "Test.vfx"}));
    EXPECT_EQ(std::tuple(form.ListProfiles.ItemIndex(), CurrentProfilePath), std::tuple(3, PathOf("Test.vfx")));
    EXPECT_EQ(ShownBy(form), TemplateValues);
}

TEST_F(Profile, AddOfAnExistingOrUnsafeNameSaysSoAndLoadsOnlyAnExactMatch)
{
    TNodlink& form = FormWithProfiles();
    ExpectAddRefused("A");
    EXPECT_EQ(std::tuple(form.ListProfiles.ItemIndex(), CurrentProfilePath), std::tuple(-1, PathOf("a.vfx")));
    ASSERT_TRUE(SelectAndLoad("default.vfx"));
    ExpectAddRefused("b");
    EXPECT_EQ(std::tuple(folder.Read("b.vfx"), CurrentProfilePath, ShownBy(form)),
              std::tuple(ProfileWith(ValuesB), PathOf("b.vfx"), ValuesB));
    CreateDirectoryA(PathOf("sub").c_str(), nullptr);
    for (const char* name : {"..\\escaped", "sub\\evil", "sub/evil", "C:evil", "a?b", "CON", "Aux .x"})
        ExpectAddRefused(name);
    EXPECT_FALSE(folder.Exists("sub\\evil.vfx") || folder.Exists("..\\escaped.vfx"));
    DeleteFileA(PathOf("default.vfx").c_str());
    ExpectAddRefused("new");
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"a.vfx", "b.vfx"}));
}

TEST_F(Profile, DeleteAsksFirstThenRemovesTheCurrentProfileButNeverTheTemplate)
{
    TNodlink& form = FormWithProfiles();
    dialogs.Press("&No");
    form.DeleteClick();
    form.ListProfiles.SetItemIndex(1); // the current profile goes, not the selected one
    dialogs.Press("&Yes");
    form.DeleteClick();
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"b.vfx", "default.vfx"}));
    EXPECT_EQ(std::tuple(form.ListProfiles.ItemIndex(), CurrentProfilePath, ShownBy(form)),
              std::tuple(0, PathOf("b.vfx"), ValuesB));
    DeleteFileA(PathOf("default.vfx").c_str());
    folder.Write("DEFAULT.VFX", TemplateProfile);
    RefreshCatalogue();
    ASSERT_TRUE(SelectAndLoad("DEFAULT.VFX"));
    dialogs.Press("OK");
    form.DeleteClick();
    EXPECT_EQ(dialogs.Seen().back().Message(), "Cannot delete the default setup.");
    EXPECT_TRUE(folder.Exists("DEFAULT.VFX"));
}
