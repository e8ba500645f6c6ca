#include "SampleForm.h"

#include <string>
#include <vector>

using FormsControls = FormsTest;

// The cursor is shared with tests that run beside these, so no real mouse clicks here: a
// control is unusable when its parent is disabled, which also keeps Tab away from it.
TEST_F(FormsControls, TabWalksIntoGroupsInCreationOrderAndSkipsADisabledGroup)
{
    SampleForm form;
    EXPECT_EQ(GetParent(form.third.Handle()), form.left.Handle());
    const std::vector<HWND> all{form.list.Handle(),  form.second.Handle(), form.third.Handle(),
                                form.check.Handle(), form.edit.Handle(),   form.run.Handle()};
    EXPECT_EQ(TabOrder(form.Handle()), all);
    form.left.SetEnabled(false);
    EXPECT_EQ(TabOrder(form.Handle()), (std::vector<HWND>{form.check.Handle(), form.edit.Handle(), form.run.Handle()}));
    form.left.SetEnabled(true);
    EXPECT_EQ(TabOrder(form.Handle()), all);
}

TEST_F(FormsControls, TabMovesTheFocusThroughTheMessageLoop)
{
    SampleForm form;
    form.Show();
    SetForegroundWindow(form.Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == form.list.Handle(); }))
        << "the first tab stop gets the focus when the form comes up";
    for (HWND next : {form.second.Handle(), form.third.Handle(), form.check.Handle()}) {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == next; }));
    }
}

TEST_F(FormsControls, NotificationsOfControlsInAGroupReachTheirHandlers)
{
    SampleForm form;
    int buttonClicks = 0, checkClicks = 0, editChanges = 0;
    form.second.OnClick = [&] { ++buttonClicks; };
    form.check.OnClick = [&] { ++checkClicks; };
    form.edit.OnChange = [&] { ++editChanges; };
    SendMessageA(form.second.Handle(), BM_CLICK, 0, 0);
    SendMessageA(form.check.Handle(), BM_CLICK, 0, 0);
    SendMessageA(form.edit.Handle(), WM_CHAR, '7', 0);
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(checkClicks, 1);
    EXPECT_TRUE(form.check.Checked());
    EXPECT_EQ(editChanges, 1);
    EXPECT_EQ(form.edit.Text(), "710");
}

TEST_F(FormsControls, FromCodeTheCheckBoxClicksOnlyOnAChangeAndTheEditChangesAlways)
{
    SampleForm form;
    int clicks = 0, changes = 0;
    form.check.OnClick = [&] { ++clicks; };
    form.edit.OnChange = [&] { ++changes; };
    form.check.SetChecked(false);
    form.check.SetChecked(true);
    form.check.SetChecked(true);
    EXPECT_TRUE(form.check.Checked());
    EXPECT_EQ(clicks, 1);
    form.edit.SetText("20");
    form.edit.SetText("");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.edit.Text(), "");
}

TEST_F(FormsControls, ListSortsWithoutCaseAndClicksOnlyWhenTheUserChangesTheSelection)
{
    SampleForm form;
    form.Show();
    for (const char* item : {"charlie", "Delta", "alpha", "Bravo"})
        form.list.Add(item);
    std::vector<std::string> entries;
    for (int i = 0; i < form.list.Count(); ++i)
        entries.push_back(form.list.Item(i));
    EXPECT_EQ(entries, (std::vector<std::string>{"alpha", "Bravo", "charlie", "Delta"}));

    int clicks = 0;
    form.list.OnClick = [&] { ++clicks; };
    form.list.SetItemIndex(-1);
    form.list.SetItemIndex(0);
    EXPECT_EQ(form.list.ItemIndex(), 0);
    EXPECT_EQ(clicks, 0);
    SetFocus(form.list.Handle());
    SendMessageA(form.list.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(form.list.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
}
