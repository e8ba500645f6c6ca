#include "Dialogs.h"
#include "ModalAnswerer.h"
#include "SampleForm.h"

using FormsDialogs = FormsTest;

namespace {
const std::vector<int> OkCancel{IDOK, IDCANCEL};
}

TEST_F(FormsDialogs, InputBoxShowsCaptionPromptAndDefaultAndOkGivesTheTypedText)
{
    SampleForm form;
    form.Show();
    ModalAnswerer answerer;
    answerer.TypeAndConfirm("Racing");
    EXPECT_EQ(InputBox("New profile", "Name of the new profile:", "untitled"), "Racing");

    ASSERT_EQ(answerer.Seen().size(), 1u);
    const SeenDialog& box = answerer.Seen()[0];
    EXPECT_EQ(box.owner, form.Handle());
    EXPECT_EQ(box.caption, "New profile");
    EXPECT_EQ(box.text, "Name of the new profile:");
    EXPECT_TRUE(box.hasEdit);
    EXPECT_EQ(box.editText, "untitled");
    EXPECT_EQ(box.ButtonIds(), OkCancel);
    EXPECT_EQ(box.defaultButton, IDOK);
    EXPECT_FALSE(box.hasIcon);
}

TEST_F(FormsDialogs, InputBoxCancelEscAndCloseBoxGiveTheDefault)
{
    SampleForm form;
    form.Show();
    ModalAnswerer answerer;
    answerer.Press(IDCANCEL);
    answerer.PressEscape();
    answerer.CloseBox();
    EXPECT_EQ(InputBox("New profile", "Name:", "untitled"), "untitled");
    EXPECT_EQ(InputBox("New profile", "Name:", "kept"), "kept");
    EXPECT_EQ(InputBox("New profile", "Name:", ""), "");
    EXPECT_EQ(answerer.Seen().size(), 3u);
}

TEST_F(FormsDialogs, InputBoxTakesAtMost255Characters)
{
    SampleForm form;
    ModalAnswerer answerer;
    answerer.TypeAndConfirm(std::string(300, 'x'));
    EXPECT_EQ(InputBox("Long", "Name:", ""), std::string(255, 'x'));
}

TEST_F(FormsDialogs, ShowMessageHasTheApplicationTitleOneOkAndNoIcon)
{
    SampleForm form;
    form.Show();
    ModalAnswerer answerer;
    answerer.Press(IDOK);
    ShowMessage("Cannot delete that.");

    ASSERT_EQ(answerer.Seen().size(), 1u);
    const SeenDialog& box = answerer.Seen()[0];
    EXPECT_EQ(box.owner, form.Handle());
    EXPECT_EQ(box.caption, "Forms test");
    EXPECT_EQ(box.text, "Cannot delete that.");
    EXPECT_EQ(box.ButtonIds(), std::vector<int>{IDOK});
    EXPECT_FALSE(box.hasIcon);
    EXPECT_FALSE(box.hasEdit);
}

TEST_F(FormsDialogs, MessageBoxAnswersAsScriptedAndTheAnswererSeesButtonsDefaultAndIcon)
{
    SampleForm form;
    form.Show();
    ModalAnswerer answerer;
    answerer.Press(IDYES);
    answerer.PressEscape();
    EXPECT_EQ(Application->MessageBox("Delete it?", "Question", MB_YESNO | MB_DEFBUTTON2), IDYES);
    EXPECT_EQ(Application->MessageBox("Save changes?", "Question", MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);

    ASSERT_EQ(answerer.Seen().size(), 2u);
    const SeenDialog& yesNo = answerer.Seen()[0];
    EXPECT_EQ(yesNo.ButtonIds(), (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(yesNo.buttons[1].text, "&No");
    EXPECT_EQ(yesNo.defaultButton, IDNO);
    EXPECT_FALSE(yesNo.hasIcon);
    const SeenDialog& okCancel = answerer.Seen()[1];
    EXPECT_EQ(okCancel.ButtonIds(), OkCancel);
    EXPECT_EQ(okCancel.defaultButton, IDOK);
    EXPECT_TRUE(okCancel.hasIcon);
}
