#include "Dpi.h"
#include "SampleForm.h"

#include <string>

using FormsLabel = FormsTest;
using FormsImage = FormsTest;

namespace {
int TextWidth(HWND label, const std::string& text)
{
    HDC dc = GetDC(label);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    return size.cx;
}

COLORREF ShownPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}

bool HasDarkPixel(HWND window, int fromX, int toX, int height)
{
    HDC dc = GetDC(window);
    bool dark = false;
    for (int x = fromX; x < toX && !dark; ++x)
        for (int y = 0; y < height && !dark; ++y) {
            const COLORREF pixel = GetPixel(dc, x, y);
            dark = pixel != CLR_INVALID && GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 200;
        }
    ReleaseDC(window, dc);
    return dark;
}
}

TEST_F(FormsLabel, WidthFollowsTheTextAndItsFontGrowingToTheRight)
{
    SampleForm form;
    HWND label = form.status.Handle();
    const RECT designed = RectInParent(label);
    EXPECT_EQ(designed.bottom - designed.top, ScaleToDpi(24));
    EXPECT_EQ(designed.right - designed.left, TextWidth(label, "Stopped"));

    const std::string running = "Running        x = -1234  y = 5678";
    form.status.SetCaption(running.c_str());
    const RECT longer = RectInParent(label);
    EXPECT_EQ(longer.left, designed.left);
    EXPECT_EQ(longer.top, designed.top);
    EXPECT_EQ(longer.bottom, designed.bottom);
    EXPECT_EQ(longer.right - longer.left, TextWidth(label, running));

    form.status.SetFont("MS Sans Serif", -19);
    EXPECT_GT(RectInParent(label).right, longer.right);
    form.status.SetCaption("");
    EXPECT_EQ(RectInParent(label).right, designed.left);
}

TEST_F(FormsLabel, ATextOfTheSameLengthReplacesTheShownOne)
{
    SampleForm form;
    form.status.SetCaption("Running        x = 12  y = 3");
    form.status.SetCaption("Running        x = 13  y = 3");
    EXPECT_EQ(form.status.Caption(), "Running        x = 13  y = 3");
}

TEST_F(FormsLabel, RepaintShowsANewCaptionAtOnce)
{
    SampleForm form;
    form.Show();
    Application->ProcessMessages();
    const int oldWidth = TextWidth(form.status.Handle(), form.status.Caption());
    form.status.SetCaption("Starting the slow part...");
    form.status.Repaint();
    EXPECT_FALSE(GetUpdateRect(form.status.Handle(), nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(form.Handle(), nullptr, FALSE));
    RECT client{};
    GetClientRect(form.status.Handle(), &client);
    EXPECT_TRUE(HasDarkPixel(form.status.Handle(), oldWidth + 2, client.right, client.bottom))
        << "the new text's tail is not drawn";
}

TEST_F(FormsImage, ShowsTheJpegResourceStretchedToItsBoxAndKeepsItWhenALoadFails)
{
    SampleForm form;
    ASSERT_TRUE(form.image.LoadJpegResource(TwoColoursJpeg));
    EXPECT_FALSE(form.image.LoadJpegResource(NotAPicture));
    EXPECT_FALSE(form.image.LoadJpegResource(999));
    form.Show();
    Application->ProcessMessages();

    // The picture: left half red, right half blue.
    RECT box{};
    GetClientRect(form.image.Handle(), &box);
    const int width = box.right, height = box.bottom;
    for (int y : {2, height / 2, height - 3})
        for (int x : {3, width / 2 - 4, width / 2 + 3, width - 4}) {
            const COLORREF pixel = ShownPixel(form.image.Handle(), x, y);
            const bool leftHalf = x < width / 2;
            EXPECT_GT(leftHalf ? GetRValue(pixel) : GetBValue(pixel), 200) << "at " << x << ", " << y;
            EXPECT_LT(leftHalf ? GetBValue(pixel) : GetRValue(pixel), 60) << "at " << x << ", " << y;
        }
}
