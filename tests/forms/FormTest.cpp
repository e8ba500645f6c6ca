#include "Dpi.h"
#include "SampleForm.h"

using FormsWindow = FormsTest;

TEST_F(FormsWindow, HasAFixedDialogFrameAroundTheGivenClientAreaCentredOnTheScreen)
{
    if (SystemDpi() != 96)
        GTEST_SKIP() << "layout figures are checked at 96 DPI";
    SampleForm form;
    RECT client{};
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 463);
    EXPECT_EQ(client.bottom, 398);

    const LONG_PTR style = GetWindowLongPtrA(form.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(WindowText(form.Handle()), "Sample");

    RECT frame{};
    GetWindowRect(form.Handle(), &frame);
    EXPECT_NEAR(frame.left + frame.right, GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(frame.top + frame.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
}

TEST_F(FormsWindow, PlacesChildrenRelativeToTheirParentExactlyAsGiven)
{
    if (SystemDpi() != 96)
        GTEST_SKIP() << "layout figures are checked at 96 DPI";
    SampleForm form;
    auto expectRect = [](HWND window, HWND parent, RECT expected) {
        EXPECT_EQ(GetParent(window), parent);
        const RECT actual = RectInParent(window);
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        EXPECT_EQ(actual.bottom, expected.bottom);
    };
    expectRect(form.left.Handle(), form.Handle(), {8, 8, 8 + 217, 8 + 273});
    expectRect(form.list.Handle(), form.left.Handle(), {8, 16, 8 + 145, 16 + 241});
    expectRect(form.edit.Handle(), form.right.Handle(), {144, 88, 144 + 33, 88 + 21});
    expectRect(form.run.Handle(), form.Handle(), {240, 320, 240 + 65, 320 + 25});
}

TEST_F(FormsWindow, ControlsShareTheFormFontMsSansSerif8)
{
    SampleForm form;
    const LRESULT formFont = SendMessageA(form.Handle(), WM_GETFONT, 0, 0);
    ASSERT_NE(formFont, 0);
    for (HWND control : {form.list.Handle(), form.third.Handle(), form.edit.Handle(), form.run.Handle()})
        EXPECT_EQ(SendMessageA(control, WM_GETFONT, 0, 0), formFont);
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HGDIOBJ>(formFont), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, ScaleToDpi(-11));
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
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
    EXPECT_EQ(form.Handle(), nullptr);
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

TEST_F(FormsWindow, ExeNameIsTheRunningProgramUnlessATestSetsAnother)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    EXPECT_EQ(Application->ExeName(), path);
    Application->SetExeName("C:\\elsewhere\\program.exe");
    EXPECT_EQ(Application->ExeName(), "C:\\elsewhere\\program.exe");
    Application->SetExeName("");
    EXPECT_EQ(Application->ExeName(), path);
}
