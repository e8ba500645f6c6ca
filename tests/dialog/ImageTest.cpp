// The banner's picture: a JPEG resource drawn stretched to its box, the right way round.
#include "Application.h"
#include "Form.h"
#include "Image.h"

#include <gtest/gtest.h>

namespace {
constexpr int QuadrantsJpeg = 201; // 40 x 20: red, green above blue, white

TEST(Image, ShowsTheJpegResourceStretchedToItsBoxTheRightWayRound)
{
    Application->Initialize();
    TForm form("Image", 200, 100);
    TImage image(form, {10, 10, 160, 80});
    ASSERT_TRUE(image.LoadJpegResource(QuadrantsJpeg));
    EXPECT_FALSE(image.LoadJpegResource(999));
    form.Show();
    Application->ProcessMessages();

    RECT box{};
    GetClientRect(image.Handle(), &box);
    HDC dc = GetDC(image.Handle());
    const COLORREF corners[] = {GetPixel(dc, 4, 4), GetPixel(dc, box.right - 5, 4), GetPixel(dc, 4, box.bottom - 5),
                                GetPixel(dc, box.right - 5, box.bottom - 5)};
    ReleaseDC(image.Handle(), dc);
    const COLORREF expected[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(GetRValue(corners[i]), GetRValue(expected[i]), 60) << "corner " << i;
        EXPECT_NEAR(GetGValue(corners[i]), GetGValue(expected[i]), 60) << "corner " << i;
        EXPECT_NEAR(GetBValue(corners[i]), GetBValue(expected[i]), 60) << "corner " << i;
    }
    Application->Terminate();
}
}
