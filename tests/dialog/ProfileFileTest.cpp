// Loading and saving profiles through the real kernel32 profile functions, and the flag that
// links the parameter controls to the file.
#include "ProfileTestSupport.h"

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
}

TEST_F(ProfileFile, AFileWithoutAValidMarkerLoadsNothingAndChangesNothing)
{
    TNodlink& form = FormWithTwoProfiles();
    folder.Write("none.vfx", Lines({"[CONFIGURATION]", "XSens=77"}));
    folder.Write("zero.vfx", Lines({"[CONFIGURATION]", "TEST=0", "XSens=77"}));
    folder.Write("gone.vfx", ProfileWith(ValuesB));
    RefreshCatalogue();
    DeleteFileA(PathOf("gone.vfx").c_str());
    form.XSens.SetText("55");

    for (const char* name : {"none.vfx", "zero.vfx", "gone.vfx"}) {
        ModalAnswerer answerer;
        answerer.PressEscape();
        EXPECT_FALSE(SelectAndLoad(name)) << name;
        EXPECT_EQ(CurrentProfilePath, PathOf("a.vfx")) << name;
        EXPECT_EQ(Shown(MappingParameters), ValuesA) << name;
        EXPECT_EQ(form.XSens.Text(), "55") << name;
        EXPECT_TRUE(ProfileModified) << name;
    }

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

TEST_F(ProfileFile, ALoadEndsUnmodifiedAlthoughFillingTheControlsRaisedTheirHandlers)
{
    TNodlink& form = FormWithTwoProfiles();
    int changes = 0;
    for (std::function<void()>* handler : {&form.InvertX.OnClick, &form.InvertY.OnClick, &form.XSens.OnChange,
                                           &form.YSens.OnChange, &form.AbsMode.OnClick, &form.BaseX.OnChange,
                                           &form.BaseY.OnChange})
        *handler = [original = *handler, &changes] {
            ++changes;
            original();
        };
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

TEST_F(ProfileFile, CancelAtThePromptDiscardsTheEditsByLoadingTheProfileAgain)
{
    TNodlink& form = FormWithTwoProfiles();
    const std::string fileA = folder.Read("a.vfx");
    form.BaseY.SetText("-1");
    form.InvertY.SetChecked(false);
    ModalAnswerer answerer;
    answerer.PressEscape();
    EXPECT_TRUE(LoadSelectedProfile());
    ASSERT_EQ(answerer.Seen().size(), 1u);
    ExpectSaveQuestion(answerer.Seen()[0]);
    EXPECT_EQ(folder.Read("a.vfx"), fileA);
    EXPECT_EQ(Shown(form), ValuesA);
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

TEST_F(ProfileFile, ActivateOffersToSaveBeforeStartingAndTracksWithTheSavedValues)
{
    TNodlink& form = FormWithTwoProfiles();
    form.XSens.SetText("21");
    form.AbsMode.SetChecked(true);
    ModalAnswerer answerer;
    answerer.Press(IDOK);
    std::string statusAtPrompt;
    size_t driverCallsAtPrompt = 99;
    answerer.OnShown = [&] {
        statusAtPrompt = form.Status.Caption();
        driverCallsAtPrompt = CallNames().size();
    };
    form.RunClick();
    EXPECT_EQ(statusAtPrompt, "Stopped") << "the prompt comes before \"Starting VFX3D...\"";
    EXPECT_EQ(driverCallsAtPrompt, 0u);
    EXPECT_EQ(form.Status.Caption(), "VFX3D init OK.");
    const ShownParameters edited{false, true, "21", "4", true, "5", "-6"};
    EXPECT_EQ(folder.Read("a.vfx"), ProfileWith(edited));
    EXPECT_EQ(Shown(MappingParameters), edited);
    EXPECT_FALSE(ProfileModified);
}
