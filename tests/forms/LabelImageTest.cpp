#include "Dpi.h"
#include "SampleForm.h"

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

bool HasDarkPixel(HWND window, int fromX, int toX)
{
    RECT client{};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    bool dark = false;
    for (int x = fromX; x < toX && !dark; ++x)
        for (int y = 0; y < client.bottom && !dark; ++y) {
            const COLORREF pixel = GetPixel(dc, x, y);
            dark = pixel != CLR_INVALID && GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 200;
        }
    ReleaseDC(window, dc);
    return dark;
}

COLORREF ShownPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
}
}

TEST_F(FormsLabel, WidthFollowsTheTextAndItsFontGrowingToTheRight)
{
    SampleForm form;
    const RECT designed = RectInParent(form.status.Handle());
    EXPECT_EQ(designed.left, ScaleToDpi(16));
    EXPECT_EQ(designed.bottom - designed.top, ScaleToDpi(24));
    EXPECT_EQ(designed.right - designed.left, TextWidth(form.status.Handle(), "Stopped"));

    form.status.SetCaption("Running        x = -1234  y = 5678");
    EXPECT_EQ(form.status.Caption(), "Running        x = -1234  y = 5678");
    const RECT longer = RectInParent(form.status.Handle());
    EXPECT_EQ(longer.left, designed.left);
    EXPECT_EQ(longer.top, designed.top);
    EXPECT_EQ(longer.bottom, designed.bottom);
    EXPECT_EQ(longer.right - longer.left, TextWidth(form.status.Handle(), "Running        x = -1234  y = 5678"));
    EXPECT_GT(longer.right, designed.right);

    form.status.SetFont("MS Sans Serif", -19);
    EXPECT_NE(SendMessageA(form.status.Handle(), WM_GETFONT, 0, 0), SendMessageA(form.Handle(), WM_GETFONT, 0, 0));
    EXPECT_GT(RectInParent(form.status.Handle()).right, longer.right);

    form.status.SetCaption("");
    const RECT empty = RectInParent(form.status.Handle());
    EXPECT_EQ(empty.left, designed.left);
    EXPECT_EQ(empty.right, designed.left);
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
    EXPECT_TRUE(HasDarkPixel(form.status.Handle(), oldWidth + 2, client.right)) << "the new text's tail is not drawn";
}

TEST_F(FormsImage, ShowsTheJpegResourceStretchedToItsBox)
{
    SampleForm form;
    ASSERT_TRUE(form.image.LoadJpegResource(TwoColoursJpeg));
    form.Show();
    Application->ProcessMessages();
    const RECT box = RectInParent(form.image.Handle());
    EXPECT_EQ(box.left, ScaleToDpi(8));
    EXPECT_EQ(box.top, ScaleToDpi(320));
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    EXPECT_EQ(width, ScaleToDpi(217));
    EXPECT_EQ(height, ScaleToDpi(41));

    // The picture: left half red, right half blue.
    for (int y : {2, height / 2, height - 3})
        for (int x : {3, width / 2 - 4, width / 2 + 3, width - 4}) {
            const COLORREF pixel = ShownPixel(form.image.Handle(), x, y);
            const bool leftHalf = x < width / 2;
            EXPECT_GT(leftHalf ? GetRValue(pixel) : GetBValue(pixel), 200) << "at " << x << ", " << y;
            EXPECT_LT(leftHalf ? GetBValue(pixel) : GetRValue(pixel), 60) << "at " << x << ", " << y;
        }
}

TEST_F(FormsImage, AMissingOrUndecodableResourceLeavesThePictureAsItWas)
{
    SampleForm form;
    EXPECT_FALSE(form.image.LoadJpegResource(999));
    EXPECT_FALSE(form.image.LoadJpegResource(NotAPicture));
    EXPECT_EQ(SendMessageA(form.image.Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    ASSERT_TRUE(form.image.LoadJpegResource(TwoColoursJpeg));
    const LRESULT shown = SendMessageA(form.image.Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0);
    EXPECT_FALSE(form.image.LoadJpegResource(NotAPicture));
    EXPECT_EQ(SendMessageA(form.image.Handle(), STM_GETIMAGE, IMAGE_BITMAP, 0), shown);
}
