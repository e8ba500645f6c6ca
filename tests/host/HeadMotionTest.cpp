#include "drivers/simulated/HeadMotion.h"
#include "tracker/PointerMapping.h"

#include <gtest/gtest.h>

#include <algorithm>

// The simulated head through the relative mapping of default.vfx (sensitivity 10), ticked as
// Wine and as Windows' default clock tick it, for two loops from the middle of the screen.
TEST(SimulatedHead, TracesAVisibleLoopInsideA1024By768ScreenWithTheDefaultProfile)
{
    const MappingParameterSet defaultProfile{false, false, false, 10, 10, 0, 0};
    for (const int ticksPerSecond : {100, 64}) {
        SamplePoint lastSample{};
        bool firstSample = true;
        int x = 512, y = 384, left = x, right = x, top = y, bottom = y;
        for (int tick = 0; tick < 24 * ticksPerSecond; ++tick) {
            const HeadPose pose = HeadPoseAt(static_cast<double>(tick) / ticksPerSecond);
            const PointerMove move = MapSample(defaultProfile, pose.yaw, pose.pitch, lastSample, firstSample);
            x += move.EventX;
            y += move.EventY;
            left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
        }
        EXPECT_GE(left, 0) << ticksPerSecond;
        EXPECT_LT(right, 1024) << ticksPerSecond;
        EXPECT_GE(top, 0) << ticksPerSecond;
        EXPECT_LT(bottom, 768) << ticksPerSecond;
        EXPECT_GT(right - left, 100) << ticksPerSecond;
        EXPECT_GT(bottom - top, 50) << ticksPerSecond;
    }
}
