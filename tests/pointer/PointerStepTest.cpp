#include "DriverDoubles.h"
#include "PointerStep.h"
#include "TrackerDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

namespace {
std::vector<INPUT> sent;

UINT WINAPI CaptureInput(UINT count, LPINPUT inputs, int size)
{
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(size, static_cast<int>(sizeof(INPUT)));
    sent.push_back(inputs[0]);
    return count;
}

// Every field of the last step's one event.
void ExpectSentEvent(DWORD flags, LONG dx, LONG dy)
{
    ASSERT_FALSE(sent.empty());
    const INPUT& input = sent.back();
    EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_MOUSE));
    EXPECT_EQ(input.mi.dwFlags, flags);
    EXPECT_EQ(input.mi.dx, dx);
    EXPECT_EQ(input.mi.dy, dy);
    EXPECT_EQ(input.mi.mouseData, 0u);
    EXPECT_EQ(input.mi.time, 0u);
    EXPECT_EQ(input.mi.dwExtraInfo, 0u);
}

// One step with the driver holding (x, y, z); gives what the step showed.
std::pair<int32_t, int32_t> StepWithSample(int32_t x, int32_t y, int32_t z = 0)
{
    Doubles().sample[0] = x;
    Doubles().sample[1] = y;
    Doubles().sample[2] = z;
    std::pair<int32_t, int32_t> shown{-1, -1};
    PointerStep(shown.first, shown.second);
    return shown;
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
};
}

TEST_F(PointerStepTest, AbsoluteModeSendsOneAbsoluteMoveAndShowsTheQuotients)
{
    MappingParameters = {true, false, true, 4, 2, 100, -50};
    const auto [shownX, shownY] = StepWithSample(401, 65535 - 1001, 12345);
    EXPECT_EQ(sent.size(), 1u);
    EXPECT_EQ(Doubles().callCount, 4) << "VFXGetTracking once after the three calls of the open";
    ExpectSentEvent(0x8001, 200, 450);
    EXPECT_EQ(shownX, 100);
    EXPECT_EQ(shownY, 500);
}

TEST_F(PointerStepTest, RelativeModeSendsOneRelativeMoveFromLastSample)
{
    MappingParameters = {false, false, false, 10, -10, 777, 777};
    FirstSample = false;
    LastSample = {1000, 1000};
    const auto [shownX, shownY] = StepWithSample(975, 1032);
    EXPECT_EQ(sent.size(), 1u);
    ExpectSentEvent(0x0001, 2, 3);
    EXPECT_EQ(shownX, 2);
    EXPECT_EQ(shownY, 3);
    EXPECT_EQ(LastSample.X, 975);
    EXPECT_EQ(LastSample.Y, 1032);
}

TEST_F(PointerStepTest, AFailedReadIsMappedWithWhatTheHoldersHold)
{
    MappingParameters = {true, true, false, 1, 1, 0, 0};
    StepWithSample(20000, 30000);
    Doubles().trackingStatus = 2;
    Doubles().trackingWrites = false;
    EXPECT_EQ(StepWithSample(1, 1, 1).first, 65535 - 20000);
    ExpectSentEvent(0x8001, 65535 - 20000, 30000); // the same position again

    MappingParameters.AbsMode = false;
    FirstSample = false;
    Doubles().trackingStatus = 3;
    EXPECT_EQ(StepWithSample(1, 1, 1).first, 0);
    ExpectSentEvent(0x0001, 0, 0); // a zero move
    EXPECT_EQ(sent.size(), 3u);
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
    ASSERT_TRUE(SetCursorPos(target.x + 40, target.y + 30));
    StepWithSample(65535 - normalisedX, 65535 - normalisedY);

    POINT cursor{};
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, target.x);
    EXPECT_EQ(cursor.y, target.y);
}
