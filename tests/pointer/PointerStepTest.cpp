#include "DriverDoubles.h"
#include "PointerStep.h"
#include "TrackerDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace {
struct SendCall {
    UINT count;
    int size;
    INPUT input;
};

std::vector<SendCall> sent;

UINT WINAPI CaptureInput(UINT count, LPINPUT inputs, int size)
{
    sent.push_back({count, size, inputs[0]});
    return count;
}

int TrackingReads()
{
    int reads = 0;
    for (const std::string& name : CallNames())
        reads += name == "VFXGetTracking";
    return reads;
}

class PointerStepTest : public testing::Test {
protected:
    void SetUp() override
    {
        UseDriverScenario("full");
        ResetDoubles();
        ASSERT_TRUE(OpenTracker());
        sent.clear();
        SendPointerInput = CaptureInput;
    }

    void TearDown() override
    {
        SendPointerInput = SendInput;
        MappingParameters = {true, true, true, 1, 1, 0, 0};
        CloseTracker();
        UnloadDriverDoubles();
    }

    static void SetSample(int32_t x, int32_t y, int32_t z)
    {
        Doubles().sample[0] = x;
        Doubles().sample[1] = y;
        Doubles().sample[2] = z;
    }

    // The one event of the last step, checked for everything but its coordinates and flags.
    static const MOUSEINPUT& SentMouseInput()
    {
        const SendCall& call = sent.back();
        EXPECT_EQ(call.count, 1u);
        EXPECT_EQ(call.size, static_cast<int>(sizeof(INPUT)));
        EXPECT_EQ(call.input.type, static_cast<DWORD>(INPUT_MOUSE));
        EXPECT_EQ(call.input.mi.mouseData, 0u);
        EXPECT_EQ(call.input.mi.time, 0u);
        EXPECT_EQ(call.input.mi.dwExtraInfo, 0u);
        return call.input.mi;
    }
};
}

TEST_F(PointerStepTest, AbsoluteModeSendsOneAbsoluteMove)
{
    MappingParameters = {true, false, true, 4, 2, 100, -50};
    SetSample(401, 65535 - 1001, 12345);
    int32_t shownX = 0, shownY = 0;
    PointerStep(shownX, shownY);

    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(TrackingReads(), 1);
    const MOUSEINPUT& mouse = SentMouseInput();
    EXPECT_EQ(mouse.dwFlags, 0x8001u);
    EXPECT_EQ(mouse.dx, 200);
    EXPECT_EQ(mouse.dy, 450);
    EXPECT_EQ(shownX, 100);
    EXPECT_EQ(shownY, 500);
}

TEST_F(PointerStepTest, RelativeModeSendsOneRelativeMove)
{
    MappingParameters = {false, false, false, 10, -10, 777, 777};
    FirstSample = false;
    LastSample = {1000, 1000};
    SetSample(975, 1032, 0);
    int32_t shownX = 0, shownY = 0;
    PointerStep(shownX, shownY);

    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(TrackingReads(), 1);
    const MOUSEINPUT& mouse = SentMouseInput();
    EXPECT_EQ(mouse.dwFlags, 0x0001u);
    EXPECT_EQ(mouse.dx, 2);
    EXPECT_EQ(mouse.dy, 3);
    EXPECT_EQ(shownX, 2);
    EXPECT_EQ(shownY, 3);
}

TEST_F(PointerStepTest, FailedReadRepeatsTheLastPositionInAbsoluteMode)
{
    MappingParameters = {true, true, false, 1, 1, 0, 0};
    SetSample(20000, 30000, 0);
    int32_t shownX = 0, shownY = 0;
    PointerStep(shownX, shownY);

    Doubles().trackingStatus = 2;
    Doubles().trackingWrites = false;
    SetSample(1, 1, 1);
    PointerStep(shownX, shownY);

    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(TrackingReads(), 2);
    const MOUSEINPUT& mouse = SentMouseInput();
    EXPECT_EQ(mouse.dwFlags, 0x8001u);
    EXPECT_EQ(mouse.dx, 65535 - 20000);
    EXPECT_EQ(mouse.dy, 30000);
    EXPECT_EQ(shownX, 65535 - 20000);
    EXPECT_EQ(shownY, 30000);
}

TEST_F(PointerStepTest, FailedReadStillSendsAZeroMoveInRelativeMode)
{
    MappingParameters = {false, true, true, 1, 1, 0, 0};
    FirstSample = false;
    LastSample = {0, 0};
    SetSample(20000, 30000, 0);
    int32_t shownX = 0, shownY = 0;
    PointerStep(shownX, shownY);
    EXPECT_EQ(sent.back().input.mi.dx, 0 - (65535 - 20000));

    Doubles().trackingStatus = 3;
    Doubles().trackingWrites = false;
    SetSample(1, 1, 1);
    PointerStep(shownX, shownY);

    ASSERT_EQ(sent.size(), 2u);
    const MOUSEINPUT& mouse = SentMouseInput();
    EXPECT_EQ(mouse.dwFlags, 0x0001u);
    EXPECT_EQ(mouse.dx, 0);
    EXPECT_EQ(mouse.dy, 0);
    EXPECT_EQ(shownX, 0);
    EXPECT_EQ(shownY, 0);
}

TEST_F(PointerStepTest, RealSendInputPlacesTheCursorOnTheExpectedPixel)
{
    SendPointerInput = SendInput;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const POINT target{width / 3, height / 4};
    const int32_t normalisedX = (target.x * 65536 + width - 1) / width;
    const int32_t normalisedY = (target.y * 65536 + height - 1) / height;
    // The initial parameters: both axes inverted, sensitivity 1, no base.
    MappingParameters = {true, true, true, 1, 1, 0, 0};
    SetSample(65535 - normalisedX, 65535 - normalisedY, 0);
    ASSERT_TRUE(SetCursorPos(target.x + 40, target.y + 30));
    int32_t shownX = 0, shownY = 0;
    PointerStep(shownX, shownY);

    POINT cursor{};
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, target.x);
    EXPECT_EQ(cursor.y, target.y);
}
