// The window and every control as the layout table places them, at 96 DPI.
#include "NodlinkFixture.h"

#include "Dpi.h"
#include "Unit1Layout.h"
#include "WindowInspection.h"

#include <windows.h>

#include <map>

namespace {
LONG_PTR StyleOf(HWND window)
{
    return GetWindowLongPtrA(window, GWL_STYLE);
}

LOGFONTA FontOf(HWND window)
{
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

class Layout : public NodlinkTest {
protected:
    // The window of each layout row: the rows of one parent are its children in creation order.
    std::map<std::string_view, HWND> WindowsOfRows()
    {
        std::map<std::string_view, HWND> windows;
        std::map<std::string_view, size_t> used;
        for (const LayoutRow& row : NodlinkLayout) {
            HWND parent = row.Parent.empty() ? Form().Handle() : windows.at(row.Parent);
            const std::vector<HWND> children = Children(parent);
            const size_t index = used[row.Parent]++;
            windows[row.Name] = index < children.size() ? children[index] : nullptr;
        }
        return windows;
    }
};
}

TEST_F(Layout, TheWindowIsAFixedDialogFrameCentredOnTheScreen)
{
    ASSERT_EQ(SystemDpi(), 96) << "the figures below are at 96 DPI";
    HWND window = Form().Handle();
    EXPECT_EQ(WindowText(window), "Nodlink");
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, NodlinkClientWidth);
    EXPECT_EQ(client.bottom, NodlinkClientHeight);

    const LONG_PTR style = StyleOf(window);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(IsWindowVisible(window));

    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    const LOGFONTA font = FontOf(Form().Add.Handle());
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(font.lfHeight, -11);
    EXPECT_EQ(FontOf(Form().Status.Handle()).lfHeight, -19);
}

TEST_F(Layout, EveryControlStandsWhereTheTableSays)
{
    const auto windows = WindowsOfRows();
    for (const LayoutRow& row : NodlinkLayout) {
        SCOPED_TRACE(std::string(row.Name));
        HWND window = windows.at(row.Name);
        ASSERT_NE(window, nullptr);
        const RECT rect = RectInParent(window);
        EXPECT_EQ(rect.left, row.Bounds.Left);
        EXPECT_EQ(rect.top, row.Bounds.Top);
        EXPECT_EQ(rect.bottom - rect.top, row.Bounds.Height);
        // Labels take the width of their text.
        if (row.Kind != ControlKind::Label) {
            EXPECT_EQ(rect.right - rect.left, row.Bounds.Width);
        }
        if (row.Kind != ControlKind::Image && row.Kind != ControlKind::ListBox) {
            EXPECT_EQ(WindowText(window), row.Text);
        }

        const LONG_PTR type = StyleOf(window) & BS_TYPEMASK;
        switch (row.Kind) {
        case ControlKind::GroupBox:
            EXPECT_EQ(type, BS_GROUPBOX);
            break;
        case ControlKind::Button:
            EXPECT_EQ(type, BS_PUSHBUTTON) << "no default button";
            break;
        case ControlKind::CheckBox:
            EXPECT_EQ(type, BS_AUTOCHECKBOX);
            EXPECT_EQ(SendMessageA(window, BM_GETCHECK, 0, 0), BST_UNCHECKED);
            break;
        case ControlKind::ListBox:
            EXPECT_TRUE(StyleOf(window) & LBS_SORT);
            EXPECT_EQ(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0), 13);
            break;
        case ControlKind::Edit:
            EXPECT_EQ(WindowClass(window), "Edit");
            break;
        case ControlKind::Label:
        case ControlKind::Image:
            EXPECT_EQ(WindowClass(window), "Static");
            break;
        }
    }
}

TEST_F(Layout, TheMembersAreTheirRowsWindows)
{
    const auto windows = WindowsOfRows();
    TNodlink& form = Form();
    EXPECT_EQ(windows.at("Profiles"), form.Profiles.Handle());
    EXPECT_EQ(windows.at("Parameters"), form.Parameters.Handle());
    EXPECT_EQ(windows.at("Status"), form.Status.Handle());
    EXPECT_EQ(windows.at("Image1"), form.Image1.Handle());
    EXPECT_EQ(windows.at("Label7"), form.Label7.Handle());
    EXPECT_EQ(WindowText(form.Label7.Handle()).rfind("Nodlink v. 1.0", 0), 0u);
}

TEST_F(Layout, TabWalksTheControlsInTheirTabOrder)
{
    TNodlink& form = Form();
    const std::vector<HWND> expected{
        form.ListProfiles.Handle(), form.Delete.Handle(), form.Add.Handle(),   form.AbsMode.Handle(),
        form.InvertX.Handle(),      form.InvertY.Handle(), form.XSens.Handle(), form.YSens.Handle(),
        form.BaseX.Handle(),        form.BaseY.Handle(),   form.Run.Handle(),   form.Stop.Handle(),
        form.Exit.Handle()};
    EXPECT_EQ(TabOrder(form.Handle()), expected);
}

TEST_F(Layout, TheStatusLineGrowsToTheRightWithItsText)
{
    TNodlink& form = Form();
    const RECT before = RectInParent(form.Status.Handle());
    form.Status.SetCaption("Running        x = -2147483648  y = -2147483648");
    const RECT after = RectInParent(form.Status.Handle());
    EXPECT_EQ(after.left, before.left);
    EXPECT_GT(after.right, before.right);
}
