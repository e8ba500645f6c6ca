// The one event a step sends; the arithmetic behind it is tested on the host.
#include "DriverDoubles.h"
#include "PointerStep.h"
#include "TrackerDriver.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <tuple>
#include <vector>

namespace {
std::vector<INPUT> sent;

UINT WINAPI CaptureInput(UINT count, LPINPUT inputs, int size)
{
    EXPECT_EQ(std::tuple(count, size), std::tuple(1u, static_cast<int>(sizeof(INPUT))));
    sent.push_back(inputs[0]);
    return count;
}

TEST(PointerStep, SendsOneMouseEventAndShowsItsMove)
{
    UseDriverScenario("full");
    ResetDoubles();
    ASSERT_TRUE(OpenTracker());
    SendPointerInput = CaptureInput;
    struct Step {
        MappingParameterSet parameters;
        int32_t x, y;
        DWORD flags;
        LONG dx, dy;
        int32_t shownX, shownY;
    };
    // The relative step follows the absolute one: from (1000, 64535) after inversion.
    const Step steps[] = {{{true, false, true, 4, 2, 100, -50}, 1000, 1000, 0x8001, 350, 32217, 250, 32267},
                          {{false, false, true, 10, -10, 7, 7}, 975, 1032, 0x0001, 2, -3, 2, -3}};
    FirstSample = false;
    for (const Step& step : steps) {
        MappingParameters = step.parameters;
        Doubles().sample[0] = step.x, Doubles().sample[1] = step.y;
        int32_t shownX = -1, shownY = -1;
        sent.clear();
        PointerStep(shownX, shownY);
        ASSERT_EQ(sent.size(), 1u);
        const MOUSEINPUT& mouse = sent[0].mi;
        EXPECT_EQ(std::tuple(sent[0].type, mouse.dwFlags, mouse.dx, mouse.dy, shownX, shownY),
                  std::tuple(DWORD{INPUT_MOUSE}, step.flags, step.dx, step.dy, step.shownX, step.shownY));
        EXPECT_EQ(mouse.mouseData + mouse.time + mouse.dwExtraInfo, 0u);
    }
    SendPointerInput = SendInput;
    CloseTracker();
}
}
