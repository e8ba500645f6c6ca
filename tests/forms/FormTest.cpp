#include "Dpi.h"
#include "SampleForm.h"

using FormsWindow = FormsTest;

namespace {
void ExpectRect(HWND window, HWND parent, TBounds expected)
{
    EXPECT_EQ(GetParent(window), parent);
    const RECT actual = RectInParent(window);
    EXPECT_EQ(actual.left, expected.Left);
    EXPECT_EQ(actual.top, expected.Top);
    EXPECT_EQ(actual.right - actual.left, expected.Width);
    EXPECT_EQ(actual.bottom - actual.top, expected.Height);
}
}

// The frame, its centring and the font are checked on the program's own window.
TEST_F(FormsWindow, PlacesTheClientAreaAndTheChildrenAsGivenAtNinetySixDpi)
{
    if (SystemDpi() != 96)
        GTEST_SKIP() << "layout figures are checked at 96 DPI";
    SampleForm form;
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 463);
    EXPECT_EQ(client.bottom, 398);
    ExpectRect(form.left.Handle(), form.Handle(), {8, 8, 217, 273});
    ExpectRect(form.list.Handle(), form.left.Handle(), {8, 16, 145, 241});
    ExpectRect(form.edit.Handle(), form.right.Handle(), {144, 88, 33, 21});
    ExpectRect(form.run.Handle(), form.Handle(), {240, 320, 65, 25});
    ExpectRect(form.image.Handle(), form.Handle(), {8, 320, 217, 41});
}

TEST_F(FormsWindow, CloseBoxRunsTheHookInsteadOfClosingAndWithoutOneTerminates)
{
    SampleForm form;
    form.Show();
    HWND window = form.Handle();
    int closes = 0;
    form.OnClose = [&] { ++closes; };
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(Application->Terminated());

    form.OnClose = nullptr;
    SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(FormsWindow, TerminateFromAHandlerEndsRun)
{
    SampleForm form;
    form.Show();
    form.run.OnClick = [] { Application->Terminate(); };
    PostMessageA(form.run.Handle(), BM_CLICK, 0, 0);
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_FALSE(IsWindow(form.run.Handle()));
}
