// Profiles through the real kernel32 profile functions: what a load reads, what a save writes
// and where, the save prompt, Add and Delete.
#include "NodlinkFixture.h"

#include "Profiles.h"

namespace {
const Shown ValuesA{false, true, "3", "4", false, "5", "-6"};
const Shown ValuesB{true, false, "13", "14", true, "-15", "16"};
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

    // Answers Add's input box with NAME and expects the one message for a refused copy.
    void ExpectAddRefused(const std::string& name)
    {
        const size_t seen = dialogs.Seen().size();
        dialogs.TypeAndPressEnter(name);
        dialogs.Press("OK");
        Form().AddClick();
        ASSERT_EQ(dialogs.Seen().size(), seen + 2) << name << " was taken";
        ExpectBox("Profile name already exists.", {"OK"}, "OK");
    }
};
}

// A user's edit of each control goes to its own key, in place, and every other line stays.
TEST_F(Profile, EachKeyIsReadFromAndSavedToItsOwnPlace)
{
    folder.Write("a.vfx", Lines({"; a profile", "[Other]", "XSens=99", "[configuration]", "BaseY=-6", "xsens=3",
                                 "test=1", "INVERTY=1", "YSens=4", "BaseX=5", "[Tail]", "Key=Value"}));
    TNodlink& form = Form();
    EXPECT_EQ(std::tuple(ShownBy(form), ShownByMapping(), ProfileModified), std::tuple(ValuesA, ValuesA, false));
    for (const TCheckBox* box : {&form.InvertX, &form.InvertY, &form.AbsMode})
        SendMessageA(box->Handle(), BM_CLICK, 0, 0);
    form.XSens.SetText("+13x"), form.YSens.SetText("14"), form.BaseX.SetText(" -15"), form.BaseY.SetText("16");
    EXPECT_EQ(ShownByMapping(), ValuesA) << "edits take effect only through a load";
    dialogs.Press("OK");
    form.ExitClick();
    EXPECT_EQ(folder.Read("a.vfx"),
              Lines({"; a profile", "[Other]", "XSens=99", "[configuration]", "BaseY=16", "xsens=13", "test=1",
                     "INVERTY=0", "YSens=14", "BaseX=-15", "InvertX=1", "AbsMode=1", "[Tail]", "Key=Value"}));
}

// OK saves into the profile loaded before the one selected; Cancel loads the selected one anew.
TEST_F(Profile, TheSavePromptSavesIntoTheProfileLoadedBeforeOrDiscardsTheEdits)
{
    TNodlink& form = FormWithProfiles();
    const std::string fileB = folder.Read("b.vfx");
    form.YSens.SetText("44");
    dialogs.Press("OK");
    EXPECT_TRUE(SelectAndLoad("b.vfx"));
    ExpectBox("The current profile has been modified.Save changes?", {"OK", "Cancel"}, "OK");
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith({false, true, "3", "44", false, "5", "-6"}));
    form.BaseY.SetText("-1");
    dialogs.PressEscape();
    EXPECT_TRUE(LoadSelectedProfile());
    EXPECT_EQ(std::tuple(folder.Read("b.vfx"), ShownBy(form), ProfileModified), std::tuple(fileB, ValuesB, false));
    // A save that fails says so.
    form.BaseY.SetText("-2");
    DeleteFileA(PathOf("b.vfx").c_str());
    dialogs.Press("OK"), dialogs.Press("OK");
    SelectAndLoad("a.vfx");
    ExpectBox("The profile could not be saved.", {"OK"}, "OK");
}

// A file without a nonzero marker is no profile: nothing loads, and a save still goes to the
// profile loaded last.
TEST_F(Profile, AFileWithoutTheMarkerLoadsNothing)
{
    TNodlink& form = FormWithProfiles();
    folder.Write("zero.vfx", Lines({"[CONFIGURATION]", "TEST=0", "XSens=77"}));
    RefreshCatalogue();
    form.XSens.SetText("55");
    dialogs.PressEscape();
    EXPECT_FALSE(SelectAndLoad("zero.vfx"));
    EXPECT_EQ(std::tuple(CurrentProfilePath, ShownByMapping(), form.XSens.Text()),
              std::tuple(PathOf("a.vfx"), ValuesA, "55"));
    EXPECT_TRUE(SaveCurrentProfile());
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith({false, true, "55", "4", false, "5", "-6"}));
}

TEST_F(Profile, ActivateOffersToSaveBeforeStartingAndTracksWithTheSavedValues)
{
    TNodlink& form = FormWithProfiles();
    form.XSens.SetText("21");
    form.AbsMode.SetChecked(true);
    dialogs.Press("OK");
    form.RunClick();
    EXPECT_EQ(form.Status.Caption(), "VFX3D init OK.");
    const Shown edited{false, true, "21", "4", true, "5", "-6"};
    EXPECT_EQ(std::tuple(folder.Read("a.vfx"), ShownByMapping(), ProfileModified),
              std::tuple(ProfileWith(edited), edited, false));
}

TEST_F(Profile, WithoutProfilesTheInitialValuesTrackAndNothingIsSaved)
{
    EXPECT_EQ(Form().ListProfiles.Count(), 0);
    EXPECT_EQ(ShownByMapping(), (Shown{true, true, "1", "1", true, "0", "0"}));
    EXPECT_FALSE(SaveCurrentProfile());
}

// A name that reaches outside the program folder is refused; the folder the test owns holds
// the program folder, so an escape would land there.
TEST_F(Profile, AddCopiesTheTemplateAndLoadsTheCopyButNeverOverwritesOrEscapes)
{
    folder.Write("notes.txt", "not a profile");
    CreateDirectoryA(PathOf("sub").c_str(), nullptr);
    TNodlink& form = FormWithProfiles();
    dialogs.TypeAndPressEnter("Test");
    form.AddClick();
    ExpectBox("Enter name for the new profile.", {"OK", "Cancel"}, "OK");
    EXPECT_EQ(folder.Read("Test.vfx"), TemplateProfile);
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"a.vfx", "b.vfx", "default.vfx", "Test.vfx"}));
    EXPECT_EQ(std::tuple(CurrentProfilePath, ShownBy(form)), std::tuple(PathOf("Test.vfx"), TemplateValues));
    ExpectAddRefused("b");
    EXPECT_EQ(std::tuple(folder.Read("b.vfx"), CurrentProfilePath), std::tuple(ProfileWith(ValuesB), PathOf("b.vfx")));
    for (const char* name : {"..\\escaped", "sub\\evil", "sub/evil"})
        ExpectAddRefused(name);
    EXPECT_FALSE(folder.Exists("..\\escaped.vfx") || folder.Exists("sub\\evil.vfx"));
}

TEST_F(Profile, DeleteAsksFirstThenRemovesTheCurrentProfileButNeverTheTemplate)
{
    TNodlink& form = FormWithProfiles();
    dialogs.Press("&No");
    form.DeleteClick();
    ExpectBox("Delete current profile?", {"&Yes", "&No"}, "&No");
    form.ListProfiles.SetItemIndex(1); // the current profile goes, not the selected one
    dialogs.Press("&Yes");
    form.DeleteClick();
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"b.vfx", "default.vfx"}));
    EXPECT_EQ(std::tuple(CurrentProfilePath, ShownBy(form)), std::tuple(PathOf("b.vfx"), ValuesB));
    ASSERT_TRUE(SelectAndLoad("default.vfx"));
    dialogs.Press("OK");
    form.DeleteClick();
    ExpectBox("Cannot delete the default setup.", {"OK"}, "OK");
    EXPECT_TRUE(folder.Exists("default.vfx"));
}
