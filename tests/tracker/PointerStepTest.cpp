// The one event a step sends; the arithmetic behind it is tested on the host.
#include "DriverDoubles.h"
#include "PointerStep.h"
#include "TrackerDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

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

class PointerStepTest : public testing::Test {
protected:
    void SetUp() override
    {
        UseDriverScenario("full");
        ResetDoubles();
        ASSERT_TRUE(OpenTracker());
        SendPointerInput = CaptureInput;
    }

    void TearDown() override
    {
        SendPointerInput = SendInput;
        CloseTracker();
        UnloadDriverDoubles();
    }
};

// First: the parameters are still those the program starts with.
TEST_F(PointerStepTest, TheInitialParametersPlaceTheRealCursorOnThePixelTheSampleNames)
{
    SendPointerInput = SendInput;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const POINT target{width / 3, height / 4};
    ASSERT_TRUE(SetCursorPos(target.x + 40, target.y + 30));
    // Before any profile: absolute, both axes inverted, sensitivity 1, no base.
    Doubles().sample[0] = 65535 - (target.x * 65536 + width - 1) / width;
    Doubles().sample[1] = 65535 - (target.y * 65536 + height - 1) / height;
    int32_t shownX = 0, shownY = 0;
    PointerStep(shownX, shownY);
    POINT cursor{};
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(cursor.x, target.x);
    EXPECT_EQ(cursor.y, target.y);
}

TEST_F(PointerStepTest, SendsOneMouseEventAndShowsItsMove)
{
    struct Step {
        MappingParameterSet parameters;
        int32_t x, y;
        DWORD flags;
        LONG dx, dy;
        int32_t shownX, shownY;
    };
    // The relative step follows the absolute one: (1000, 64535) after inversion.
    const Step steps[] = {{{true, false, true, 4, 2, 100, -50}, 1000, 1000, 0x8001, 350, 32217, 250, 32267},
                          {{false, false, true, 10, -10, 7, 7}, 975, 1032, 0x0001, 2, -3, 2, -3}};
    FirstSample = false;
    for (const Step& step : steps) {
        MappingParameters = step.parameters;
        Doubles().sample[0] = step.x;
        Doubles().sample[1] = step.y;
        int32_t shownX = -1, shownY = -1;
        sent.clear();
        PointerStep(shownX, shownY);
        ASSERT_EQ(sent.size(), 1u);
        const INPUT& input = sent[0];
        EXPECT_EQ(input.type, static_cast<DWORD>(INPUT_MOUSE));
        EXPECT_EQ(input.mi.dwFlags, step.flags);
        EXPECT_EQ(input.mi.dx, step.dx);
        EXPECT_EQ(input.mi.dy, step.dy);
        EXPECT_EQ(input.mi.mouseData + input.mi.time + input.mi.dwExtraInfo, 0u);
        EXPECT_EQ(shownX, step.shownX);
        EXPECT_EQ(shownY, step.shownY);
    }
    MappingParameters = {true, true, true, 1, 1, 0, 0};
}
}
