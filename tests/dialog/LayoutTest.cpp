// The window and every control as the layout table places them, at 96 DPI.
#include "NodlinkFixture.h"

#include "Dpi.h"
#include "Unit1Layout.h"
#include "WindowQueries.h"

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

class Layout : public NodlinkTest {
protected:
    void SetUp() override
    {
        NodlinkTest::SetUp();
        ASSERT_EQ(SystemDpi(), 96) << "the figures are at 96 DPI";
    }
};
}

TEST_F(Layout, TheWindowIsAFixedDialogFrameCentredOnTheScreen)
{
    HWND window = Form().Handle();
    EXPECT_EQ(WindowText(window), "Nodlink");
    EXPECT_TRUE(IsWindowVisible(window));
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, NodlinkClientWidth);
    EXPECT_EQ(client.bottom, NodlinkClientHeight);
    EXPECT_EQ(StyleOf(window) & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(StyleOf(window) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0);

    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_NEAR(frame.left + frame.right, GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(frame.top + frame.bottom, GetSystemMetrics(SM_CYSCREEN), 1);

    const LOGFONTA font = FontOf(Form().Add.Handle());
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(font.lfHeight, -11);
    EXPECT_EQ(FontOf(Form().Status.Handle()).lfHeight, -19);
}

TEST_F(Layout, EveryControlStandsWhereTheTableSays)
{
    // The rows of one parent are its children in creation order.
    std::map<std::string_view, HWND> windows{{"", Form().Handle()}};
    std::map<std::string_view, HWND> previous;
    for (const LayoutRow& row : NodlinkLayout) {
        SCOPED_TRACE(std::string(row.Name));
        HWND& sibling = previous[row.Parent];
        sibling = sibling ? GetWindow(sibling, GW_HWNDNEXT) : GetWindow(windows.at(row.Parent), GW_CHILD);
        ASSERT_NE(sibling, nullptr);
        HWND window = windows[row.Name] = sibling;

        const RECT rect = RectInParent(window);
        EXPECT_EQ(rect.left, row.Bounds.Left);
        EXPECT_EQ(rect.top, row.Bounds.Top);
        EXPECT_EQ(rect.bottom - rect.top, row.Bounds.Height);
        if (row.Kind != ControlKind::Label) { // labels take the width of their text
            EXPECT_EQ(rect.right - rect.left, row.Bounds.Width);
        }
        if (row.Kind != ControlKind::Image && row.Kind != ControlKind::ListBox) {
            EXPECT_EQ(WindowText(window), row.Text);
        }
        if (row.Kind == ControlKind::Button) {
            EXPECT_EQ(StyleOf(window) & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
        }
        if (row.Kind == ControlKind::CheckBox) {
            EXPECT_EQ(SendMessageA(window, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        }
        if (row.Kind == ControlKind::ListBox) {
            EXPECT_TRUE(StyleOf(window) & LBS_SORT);
            EXPECT_EQ(SendMessageA(window, LB_GETITEMHEIGHT, 0, 0), 13);
        }
    }
    EXPECT_EQ(windows.at("Status"), Form().Status.Handle());
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
