// The catalogue of profiles in the program directory, Add and Delete.
#include "ProfileTestSupport.h"

#include <windows.h>

#include <vector>

namespace {
const ShownParameters ValuesX{true, true, "3", "4", true, "5", "6"};
const ShownParameters TemplateValues{false, false, "10", "10", false, "0", "0"};

using Names = std::vector<std::string>;

class ProfileCatalogue : public ProfileTest {
protected:
    // default.vfx and x.vfx, with x.vfx loaded.
    TNodlink& FormWithTemplateAndX()
    {
        folder.Write("default.vfx", TemplateProfile);
        folder.Write("x.vfx", ProfileWith(ValuesX));
        TNodlink& form = Form();
        EXPECT_TRUE(SelectAndLoad("x.vfx"));
        return form;
    }

    // Add with NAME typed, which the program must refuse with its one message.
    void AddRefused(const std::string& name)
    {
        ModalAnswerer answerer;
        answerer.TypeAndConfirm(name);
        answerer.Press(IDOK);
        Form().AddClick();
        ASSERT_EQ(answerer.Seen().size(), 2u) << name;
        ExpectPlainMessage(answerer.Seen()[1], "Profile name already exists.");
    }
};
}

TEST_F(ProfileCatalogue, ListsEveryVfxEntrySortedWithoutCaseDirectoriesAndHiddenOnesIncluded)
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

TEST_F(ProfileCatalogue, WithoutProfilesTheListIsEmptyAndNothingIsLoadedOrSaved)
{
    folder.Write("default.txt", TemplateProfile);
    const TNodlink& form = Form();
    EXPECT_EQ(form.ListProfiles.Count(), 0);
    EXPECT_EQ(form.ListProfiles.ItemIndex(), -1);
    EXPECT_EQ(Shown(form), DesignValues);
    EXPECT_EQ(Shown(MappingParameters), InitialMapping);
    EXPECT_EQ(CurrentProfilePath, "");
    EXPECT_FALSE(SaveCurrentProfile());
}

TEST_F(ProfileCatalogue, AddCopiesTheTemplateThenSelectsAndLoadsTheNewProfile)
{
    TNodlink& form = FormWithTemplateAndX();
    form.XSens.SetText("99");
    ModalAnswerer answerer;
    answerer.TypeAndConfirm("Test");
    answerer.PressEscape();
    form.AddClick();

    ASSERT_EQ(answerer.Seen().size(), 2u);
    const SeenDialog& input = answerer.Seen()[0];
    EXPECT_EQ(input.caption, "Nodlink");
    EXPECT_EQ(input.text, "Enter name for the new profile.");
    EXPECT_EQ(input.editText, "");
    ExpectSaveQuestion(answerer.Seen()[1]);

    EXPECT_EQ(folder.Read("Test.vfx"), TemplateProfile);
    EXPECT_EQ(folder.Read("x.vfx"), ProfileWith(ValuesX));
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"default.vfx", "Test.vfx", "x.vfx"}));
    EXPECT_EQ(form.ListProfiles.ItemIndex(), 1);
    EXPECT_EQ(CurrentProfilePath, PathOf("Test.vfx"));
    EXPECT_EQ(Shown(form), TemplateValues);
    EXPECT_FALSE(ProfileModified);
}

TEST_F(ProfileCatalogue, AddOfAnExistingNameSaysSoAndLoadsOnlyAnExactMatch)
{
    TNodlink& form = FormWithTemplateAndX();
    AddRefused("X");
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"default.vfx", "x.vfx"}));
    EXPECT_EQ(form.ListProfiles.ItemIndex(), -1) << "no entry is X.vfx byte for byte";
    EXPECT_EQ(CurrentProfilePath, PathOf("x.vfx"));

    ASSERT_TRUE(SelectAndLoad("default.vfx"));
    AddRefused("x");
    EXPECT_EQ(folder.Read("x.vfx"), ProfileWith(ValuesX));
    EXPECT_EQ(form.ListProfiles.ItemIndex(), 1);
    EXPECT_EQ(CurrentProfilePath, PathOf("x.vfx"));
    EXPECT_EQ(Shown(form), ValuesX);
}

TEST_F(ProfileCatalogue, AddWithoutTheTemplateMakesNoFile)
{
    folder.Write("x.vfx", ProfileWith(ValuesX));
    TNodlink& form = Form();
    AddRefused("y");
    EXPECT_EQ(Entries(form.ListProfiles), Names{"x.vfx"});
    EXPECT_FALSE(folder.Exists("y.vfx"));
}

TEST_F(ProfileCatalogue, AddWithoutANameChangesNothing)
{
    TNodlink& form = FormWithTemplateAndX();
    ModalAnswerer answerer;
    answerer.PressEscape();
    form.AddClick();
    EXPECT_EQ(answerer.Seen().size(), 1u) << "no message follows";
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"default.vfx", "x.vfx"}));
    EXPECT_EQ(form.ListProfiles.ItemIndex(), 1);
}

TEST_F(ProfileCatalogue, AddRefusesNamesThatCouldReachOutsideTheProgramDirectory)
{
    FormWithTemplateAndX();
    ASSERT_TRUE(CreateDirectoryA(PathOf("sub").c_str(), nullptr));
    // The folder's own name keeps the file that an escape would make apart from other runs'.
    const std::string path = folder.Path().substr(0, folder.Path().size() - 1);
    const std::string escaped = path.substr(path.rfind('\\') + 1) + "-escaped";
    const Names unsafeNames{"..\\" + escaped, "sub\\evil", "sub/evil", "C:evil", "a?b", "CON", "Aux .x"};
    for (const std::string& name : unsafeNames)
        AddRefused(name);
    EXPECT_EQ(GetFileAttributesA((path + "-escaped.vfx").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(folder.Exists("sub\\evil.vfx"));
    EXPECT_EQ(Entries(Form().ListProfiles), (Names{"default.vfx", "x.vfx"}));
}

TEST_F(ProfileCatalogue, PathsBeyond255CharactersLoadNothingAndAddSaysSo)
{
    // The program directory's path is 240 characters long, its trailing '\' included.
    const std::string subfolder = std::string(240 - folder.Path().size() - 1, 'd') + "\\";
    ASSERT_TRUE(CreateDirectoryA(PathOf(subfolder).c_str(), nullptr));
    UseProgramDirectory(PathOf(subfolder));
    folder.Write(subfolder + "default.vfx", TemplateProfile);
    folder.Write(subfolder + "abcdefghijkl.vfx", TemplateProfile); // 256 characters, listed first
    const TNodlink& form = Form();
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"abcdefghijkl.vfx", "default.vfx"}));
    EXPECT_EQ(CurrentProfilePath, "");
    EXPECT_EQ(Shown(MappingParameters), InitialMapping);

    AddRefused("abcdefghijklmno"); // 259 characters with ".vfx"
    EXPECT_FALSE(folder.Exists(subfolder + "abcdefghijklmno.vfx"));
    ModalAnswerer answerer;
    answerer.TypeAndConfirm("abcdefghijk"); // 255
    Form().AddClick();
    EXPECT_EQ(CurrentProfilePath, PathOf(subfolder + "abcdefghijk.vfx"));
}

TEST_F(ProfileCatalogue, DeleteRefusesTheTemplateInAnyLetterCase)
{
    TNodlink& form = Form();
    for (const char* name : {"default.vfx", "DEFAULT.VFX", "Default.Vfx"}) {
        folder.Write(name, TemplateProfile);
        RefreshCatalogue();
        ASSERT_TRUE(SelectAndLoad(name));
        ModalAnswerer answerer;
        answerer.Press(IDOK);
        form.DeleteClick();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        ExpectPlainMessage(answerer.Seen()[0], "Cannot delete the default setup.");
        EXPECT_EQ(Entries(form.ListProfiles), Names{name});
        DeleteFileA(PathOf(name).c_str());
    }
}

TEST_F(ProfileCatalogue, DeleteAsksFirstThenRemovesTheCurrentProfileAndLoadsEntryZero)
{
    TNodlink& form = FormWithTemplateAndX();
    {
        ModalAnswerer answerer;
        answerer.Press(IDNO);
        form.DeleteClick();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        const SeenDialog& question = answerer.Seen()[0];
        EXPECT_EQ(question.caption, "Nodlink");
        EXPECT_EQ(question.text, "Delete current profile?");
        EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
        EXPECT_EQ(question.defaultButton, IDNO);
        EXPECT_FALSE(question.hasIcon);
    }
    EXPECT_TRUE(folder.Exists("x.vfx"));

    // The current profile goes, not the selected one.
    form.ListProfiles.SetItemIndex(0);
    ModalAnswerer answerer;
    answerer.Press(IDYES);
    form.DeleteClick();
    EXPECT_FALSE(folder.Exists("x.vfx"));
    EXPECT_EQ(Entries(form.ListProfiles), Names{"default.vfx"});
    EXPECT_EQ(form.ListProfiles.ItemIndex(), 0);
    EXPECT_EQ(CurrentProfilePath, PathOf("default.vfx"));
    EXPECT_EQ(Shown(form), TemplateValues);
}

TEST_F(ProfileCatalogue, DeleteBeforeAnyLoadDeletesNothingAndLoadsEntryZero)
{
    TNodlink& form = Form();
    folder.Write("default.vfx", TemplateProfile);
    folder.Write("a.vfx", ProfileWith(ValuesX));
    ModalAnswerer answerer;
    answerer.Press(IDYES);
    form.DeleteClick();
    EXPECT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(Entries(form.ListProfiles), (Names{"a.vfx", "default.vfx"}));
    EXPECT_EQ(CurrentProfilePath, PathOf("a.vfx"));
}

// The prompt's save fails: the deleted file has no marker, and the save creates none.
TEST_F(ProfileCatalogue, DeleteWithPendingEditsCannotSaveIntoTheDeletedProfile)
{
    TNodlink& form = FormWithTemplateAndX();
    form.BaseX.SetText("77");
    ModalAnswerer answerer;
    answerer.Press(IDYES);
    answerer.Press(IDOK);
    answerer.Press(IDOK);
    form.DeleteClick();
    ASSERT_EQ(answerer.Seen().size(), 3u);
    ExpectSaveQuestion(answerer.Seen()[1]);
    ExpectPlainMessage(answerer.Seen()[2], "The profile could not be saved.");
    EXPECT_FALSE(folder.Exists("x.vfx"));
    EXPECT_EQ(folder.Read("default.vfx"), TemplateProfile);
    EXPECT_EQ(CurrentProfilePath, PathOf("default.vfx"));
    EXPECT_EQ(Shown(form), TemplateValues);
}
