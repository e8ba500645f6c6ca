// Loading and saving profiles through the real kernel32 profile functions, and the flag that
// links the parameter controls to the file.
#include "ProfileTestSupport.h"

#include "DriverDoubles.h"

#include <windows.h>

#include <functional>

namespace {
const ShownParameters ValuesA{false, true, "3", "4", false, "5", "-6"};
const ShownParameters ValuesB{true, false, "13", "14", true, "-15", "16"};

class ProfileFile : public ProfileTest {
protected:
    // a.vfx and b.vfx, with a.vfx loaded by the start-up.
    TNodlink& FormWithTwoProfiles()
    {
        folder.Write("a.vfx", ProfileWith(ValuesA));
        folder.Write("b.vfx", ProfileWith(ValuesB));
        TNodlink& form = Form();
        EXPECT_EQ(CurrentProfilePath, PathOf("a.vfx"));
        return form;
    }
};

// Counts the calls of HANDLER and still runs it.
void CountCalls(std::function<void()>& handler, int& count)
{
    handler = [original = handler, &count] {
        ++count;
        original();
    };
}
}

TEST_F(ProfileFile, ALoadFillsMappingAndControlsMatchingSectionAndKeysWithoutCase)
{
    folder.Write("a.vfx", Lines({"[configuration]", "test=1", "INVERTX=1", "inverty=0", "xsens=-7", "YSENS=12abc",
                                 "absMode=1", "BaseX=2147483647", "basey=-2147483648"}));
    const TNodlink& form = Form();
    const ShownParameters expected{true, false, "-7", "12", true, "2147483647", "-2147483648"};
    EXPECT_EQ(Shown(form), expected);
    EXPECT_EQ(Shown(MappingParameters), expected);
    EXPECT_EQ(CurrentProfilePath, PathOf("a.vfx"));
    EXPECT_FALSE(ProfileModified);
}

TEST_F(ProfileFile, MissingKeysReadZero)
{
    folder.Write("a.vfx", Lines({"[CONFIGURATION]", "TEST=1"}));
    const TNodlink& form = Form();
    const ShownParameters zero{false, false, "0", "0", false, "0", "0"};
    EXPECT_EQ(Shown(form), zero);
    EXPECT_EQ(Shown(MappingParameters), zero);
}

TEST_F(ProfileFile, AFileWithoutAValidMarkerLoadsNothingAndChangesNothing)
{
    TNodlink& form = FormWithTwoProfiles();
    folder.Write("none.vfx", Lines({"[CONFIGURATION]", "XSens=77"}));
    folder.Write("zero.vfx", Lines({"[CONFIGURATION]", "TEST=0", "XSens=77"}));
    folder.Write("elsewhere.vfx", Lines({"[Other]", "TEST=1", "[CONFIGURATION]", "XSens=77"}));
    folder.Write("gone.vfx", ProfileWith(ValuesB));
    ASSERT_TRUE(CreateDirectoryA(PathOf("dir.vfx").c_str(), nullptr));
    RefreshCatalogue();
    DeleteFileA(PathOf("gone.vfx").c_str());
    form.XSens.SetText("55");

    for (const char* name : {"none.vfx", "zero.vfx", "elsewhere.vfx", "gone.vfx", "dir.vfx"}) {
        ModalAnswerer answerer;
        answerer.PressEscape();
        EXPECT_FALSE(SelectAndLoad(name)) << name;
        EXPECT_EQ(CurrentProfilePath, PathOf("a.vfx")) << name;
        EXPECT_EQ(Shown(MappingParameters), ValuesA) << name;
        EXPECT_EQ(form.XSens.Text(), "55") << name;
        EXPECT_TRUE(ProfileModified) << name;
    }
    EXPECT_FALSE(folder.Exists("gone.vfx"));

    // The list shows the failed selection, yet a save goes to the profile loaded before.
    EXPECT_TRUE(SaveCurrentProfile());
    EXPECT_NE(folder.Read("a.vfx").find("\r\nXSens=55\r\n"), std::string::npos);
}

TEST_F(ProfileFile, ASaveReplacesEachKeyWhereItStandsAndLeavesEveryOtherLineAlone)
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
    // Values as "%d", missing keys added to the section in the order written.
    EXPECT_EQ(folder.Read("a.vfx"),
              Lines({"; a profile", "[Other]", "XSens=99", "[CONFIGURATION]", "BaseY=0", "xsens=-7", "TEST=1",
                     "InvertX=1", "YSens=42", "InvertY=1", "AbsMode=0", "BaseX=1", "[Tail]", "Key=Value"}));
    EXPECT_TRUE(ProfileModified) << "a save leaves the flag";
    EXPECT_EQ(Shown(MappingParameters), (ShownParameters{false, false, "3", "4", false, "0", "1"}))
        << "a save leaves the mapping";
}

TEST_F(ProfileFile, ASaveNeverCreatesAFile)
{
    Form();
    EXPECT_FALSE(SaveCurrentProfile()) << "nothing loaded yet";

    folder.Write("a.vfx", ProfileWith(ValuesA));
    RefreshCatalogue();
    ASSERT_TRUE(SelectAndLoad("a.vfx"));
    DeleteFileA(PathOf("a.vfx").c_str());
    EXPECT_FALSE(SaveCurrentProfile());
    EXPECT_FALSE(folder.Exists("a.vfx"));
}

TEST_F(ProfileFile, ASaveThatCannotWriteReportsFailure)
{
    FormWithTwoProfiles();
    const std::string before = folder.Read("a.vfx");
    // Open for reading only and shared for reading only: the marker can be read, no key written.
    HANDLE lock = CreateFileA(PathOf("a.vfx").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(SaveCurrentProfile());
    CloseHandle(lock);
    EXPECT_EQ(folder.Read("a.vfx"), before);
}

TEST_F(ProfileFile, ARefusedSaveAtThePromptIsReportedAndTheLoadGoesOn)
{
    TNodlink& form = FormWithTwoProfiles();
    form.XSens.SetText("55");
    DeleteFileA(PathOf("a.vfx").c_str());
    ModalAnswerer answerer;
    answerer.Press(IDOK);
    answerer.Press(IDOK);
    EXPECT_TRUE(SelectAndLoad("b.vfx"));
    ASSERT_EQ(answerer.Seen().size(), 2u);
    ExpectSaveQuestion(answerer.Seen()[0]);
    ExpectPlainMessage(answerer.Seen()[1], "The profile could not be saved.");
    EXPECT_FALSE(folder.Exists("a.vfx"));
    EXPECT_EQ(Shown(form), ValuesB);
}

TEST_F(ProfileFile, ALoadEndsUnmodifiedAlthoughFillingTheControlsRaisedTheirHandlers)
{
    TNodlink& form = FormWithTwoProfiles();
    int changes = 0;
    for (std::function<void()>* handler : {&form.InvertX.OnClick, &form.InvertY.OnClick, &form.XSens.OnChange,
                                           &form.YSens.OnChange, &form.AbsMode.OnClick, &form.BaseX.OnChange,
                                           &form.BaseY.OnChange})
        CountCalls(*handler, changes);
    EXPECT_TRUE(SelectAndLoad("b.vfx"));
    EXPECT_EQ(changes, 7);
    EXPECT_FALSE(ProfileModified);
}

TEST_F(ProfileFile, EveryUserChangeOfAParameterMarksTheProfileEvenWhenUndone)
{
    TNodlink& form = FormWithTwoProfiles();
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
    EXPECT_EQ(Shown(form), ValuesA);
}

TEST_F(ProfileFile, CancelAtThePromptDiscardsTheEdits)
{
    TNodlink& form = FormWithTwoProfiles();
    const std::string fileA = folder.Read("a.vfx");
    form.XSens.SetText("99");
    {
        ModalAnswerer answerer;
        answerer.PressEscape();
        EXPECT_TRUE(SelectAndLoad("b.vfx"));
        ASSERT_EQ(answerer.Seen().size(), 1u);
        ExpectSaveQuestion(answerer.Seen()[0]);
    }
    EXPECT_EQ(folder.Read("a.vfx"), fileA);
    EXPECT_EQ(Shown(form), ValuesB);

    // Loading the same profile again refills the controls from its file.
    form.BaseY.SetText("-1");
    form.AbsMode.SetChecked(false);
    ModalAnswerer answerer;
    answerer.Press(IDCANCEL);
    EXPECT_TRUE(LoadSelectedProfile());
    EXPECT_EQ(Shown(form), ValuesB);
    EXPECT_FALSE(ProfileModified);
}

TEST_F(ProfileFile, OkAtThePromptSavesIntoTheProfileLoadedBefore)
{
    TNodlink& form = FormWithTwoProfiles();
    const std::string fileB = folder.Read("b.vfx");
    form.YSens.SetText("44");
    ModalAnswerer answerer;
    answerer.Press(IDOK);
    EXPECT_TRUE(SelectAndLoad("b.vfx"));
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith({false, true, "3", "44", false, "5", "-6"}));
    EXPECT_EQ(folder.Read("b.vfx"), fileB);
    EXPECT_EQ(Shown(form), ValuesB);
}

namespace {
const ModalAnswerer* answererAtOpen = nullptr;
size_t dialogsSeenAtOpen = 0;
}

TEST_F(ProfileFile, ActivateOffersToSaveBeforeOpeningAndTracksWithTheSavedValues)
{
    TNodlink& form = FormWithTwoProfiles();
    form.XSens.SetText("21");
    form.AbsMode.SetChecked(true);
    ModalAnswerer answerer;
    answerer.Press(IDOK);
    answererAtOpen = &answerer;
    Doubles().onCall = [](const char* entry) {
        if (std::string(entry) == "VFXOpen")
            dialogsSeenAtOpen = answererAtOpen->Seen().size();
    };
    form.RunClick();
    Doubles().onCall = nullptr;
    EXPECT_EQ(dialogsSeenAtOpen, 1u) << "the prompt comes before the tracker opens";
    EXPECT_EQ(form.Status.Caption(), "VFX3D init OK.");
    const ShownParameters edited{false, true, "21", "4", true, "5", "-6"};
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith(edited));
    EXPECT_EQ(Shown(MappingParameters), edited);
    EXPECT_FALSE(ProfileModified);
}
