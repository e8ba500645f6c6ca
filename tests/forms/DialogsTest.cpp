#include "Dialogs.h"
#include "ModalAnswerer.h"
#include "SampleForm.h"

#include <string>
#include <vector>

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
    answerer.TypeAndConfirm(std::string(300, 'x'));
    EXPECT_EQ(InputBox("New profile", "Name of the new profile:", "untitled"), "Racing");
    EXPECT_EQ(InputBox("Long", "Name:", ""), std::string(255, 'x')) << "the edit takes at most 255 characters";

    ASSERT_EQ(answerer.Seen().size(), 2u);
    const SeenDialog& box = answerer.Seen()[0];
    EXPECT_EQ(box.owner, form.Handle());
    EXPECT_EQ(box.caption, "New profile");
    EXPECT_EQ(box.text, "Name of the new profile:");
    EXPECT_TRUE(box.hasEdit);
    EXPECT_EQ(box.editText, "untitled");
    EXPECT_EQ(box.buttons, OkCancel);
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
}

TEST_F(FormsDialogs, MessageBoxesAreOwnedByTheFormAndShowAnIconOnlyWhenAsked)
{
    SampleForm form;
    form.Show();
    ModalAnswerer answerer;
    answerer.Press(IDOK);
    answerer.PressEscape();
    ShowMessage("Cannot delete that.");
    EXPECT_EQ(Application->MessageBox("Save changes?", "Question", MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);

    ASSERT_EQ(answerer.Seen().size(), 2u);
    const SeenDialog& message = answerer.Seen()[0];
    EXPECT_EQ(message.owner, form.Handle());
    EXPECT_EQ(message.caption, "Forms test");
    EXPECT_EQ(message.text, "Cannot delete that.");
    EXPECT_EQ(message.buttons, std::vector<int>{IDOK});
    EXPECT_FALSE(message.hasIcon);
    EXPECT_EQ(answerer.Seen()[1].owner, form.Handle());
    EXPECT_TRUE(answerer.Seen()[1].hasIcon);
}
