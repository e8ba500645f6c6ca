#include "Dpi.h"
#include "SampleForm.h"

#include <stdexcept>

using FormsControls = FormsTest;

// The cursor is shared with tests that run beside these, so no real mouse clicks here: a
// control is unusable when its parent is disabled, which also keeps Tab away from it.
TEST_F(FormsControls, ADisabledGroupMakesItsControlsUnusable)
{
    SampleForm form;
    form.left.SetEnabled(false);
    EXPECT_FALSE(form.left.Enabled());
    EXPECT_EQ(GetParent(form.third.Handle()), form.left.Handle());
    EXPECT_EQ(TabOrder(form.Handle()), (std::vector<HWND>{form.check.Handle(), form.edit.Handle(), form.run.Handle()}));
    form.left.SetEnabled(true);
    EXPECT_TRUE(form.left.Enabled());
    EXPECT_EQ(TabOrder(form.Handle()).size(), 6u);
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

TEST_F(FormsControls, ListSortsItsEntriesWithoutCaseAndHasItemHeight13)
{
    SampleForm form;
    EXPECT_EQ(SendMessageA(form.list.Handle(), LB_GETITEMHEIGHT, 0, 0), ScaleToDpi(13));
    for (const char* item : {"charlie", "Delta", "alpha", "Bravo"})
        form.list.Add(item);
    ASSERT_EQ(form.list.Count(), 4);
    EXPECT_EQ(form.list.Item(0), "alpha");
    EXPECT_EQ(form.list.Item(1), "Bravo");
    EXPECT_EQ(form.list.Item(2), "charlie");
    EXPECT_EQ(form.list.Item(3), "Delta");
    EXPECT_EQ(form.list.Add("beta"), 1);
    EXPECT_THROW(form.list.Item(5), std::out_of_range);
    form.list.Clear();
    EXPECT_EQ(form.list.Count(), 0);
    EXPECT_EQ(form.list.ItemIndex(), -1);
}

TEST_F(FormsControls, ListClicksOnlyWhenTheUserChangesTheSelection)
{
    SampleForm form;
    form.Show();
    for (const char* item : {"one", "two", "three"})
        form.list.Add(item);
    int clicks = 0;
    form.list.OnClick = [&] { ++clicks; };

    form.list.SetItemIndex(0);
    EXPECT_EQ(form.list.ItemIndex(), 0);
    form.list.SetItemIndex(-1);
    EXPECT_EQ(form.list.ItemIndex(), -1);
    form.list.SetItemIndex(0);
    EXPECT_EQ(clicks, 0);

    SetFocus(form.list.Handle());
    SendMessageA(form.list.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(form.list.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(FormsControls, CheckBoxSetFromCodeClicksOnlyWhenItsStateChanges)
{
    SampleForm form;
    int clicks = 0;
    form.check.OnClick = [&] { ++clicks; };
    EXPECT_FALSE(form.check.Checked());
    form.check.SetChecked(false);
    EXPECT_EQ(clicks, 0);
    form.check.SetChecked(true);
    EXPECT_TRUE(form.check.Checked());
    EXPECT_EQ(clicks, 1);
    form.check.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    form.check.SetChecked(false);
    EXPECT_EQ(clicks, 2);
}

TEST_F(FormsControls, EditRaisesChangeOnEveryChangeAlsoFromCode)
{
    SampleForm form;
    EXPECT_EQ(form.edit.Text(), "10");
    int changes = 0;
    form.edit.OnChange = [&] { ++changes; };
    form.edit.SetText("20");
    form.edit.SetText("");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(form.edit.Text(), "");
    SendMessageA(form.edit.Handle(), WM_CHAR, '5', 0);
    SendMessageA(form.edit.Handle(), WM_CHAR, '6', 0);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(form.edit.Text(), "56");
}

TEST_F(FormsControls, TabWalksInCreationOrderIntoGroups)
{
    SampleForm form;
    const std::vector<HWND> expected{form.list.Handle(), form.second.Handle(), form.third.Handle(),
                                     form.check.Handle(), form.edit.Handle(), form.run.Handle()};
    EXPECT_EQ(TabOrder(form.Handle()), expected);
    EXPECT_EQ(GetNextDlgTabItem(form.Handle(), form.list.Handle(), TRUE), form.run.Handle());
}

TEST_F(FormsControls, TabAndShiftTabMoveTheFocusThroughTheMessageLoop)
{
    SampleForm form;
    form.Show();
    SetForegroundWindow(form.Handle());
    PumpUntil([&] { return GetFocus() == form.list.Handle(); });
    ASSERT_EQ(GetFocus(), form.list.Handle()) << "the first tab stop gets the focus when the form comes up";

    for (HWND next : {form.second.Handle(), form.third.Handle(), form.check.Handle()}) {
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        EXPECT_TRUE(PumpUntil([&] { return GetFocus() == next; }));
    }
    BYTE keys[256] = {};
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    EXPECT_TRUE(PumpUntil([&] { return GetFocus() == form.third.Handle(); }));
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}
