#include "tracker/PointerMapping.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

bool operator==(const PointerMove& a, const PointerMove& b)
{
    return a.Absolute == b.Absolute && a.EventX == b.EventX && a.EventY == b.EventY && a.ShownX == b.ShownX &&
           a.ShownY == b.ShownY;
}

std::ostream& operator<<(std::ostream& out, const PointerMove& move)
{
    return out << (move.Absolute ? "absolute" : "relative") << " event (" << move.EventX << ", " << move.EventY
               << "), shown (" << move.ShownX << ", " << move.ShownY << ")";
}

namespace {
constexpr MappingParameterSet Relative(int32_t xSens, int32_t ySens)
{
    return {false, false, false, xSens, ySens, 0, 0};
}

constexpr MappingParameterSet Absolute(int32_t xSens, int32_t ySens, int32_t baseX = 0, int32_t baseY = 0)
{
    return {true, false, false, xSens, ySens, baseX, baseY};
}

constexpr MappingParameterSet Inverted(MappingParameterSet parameters)
{
    parameters.InvertX = parameters.InvertY = true;
    return parameters;
}

constexpr PointerMove RelativeMove(int32_t dx, int32_t dy)
{
    return {false, dx, dy, dx, dy};
}

// Keeps the per-process state of the tick between calls, as the program does.
struct Tracking {
    SamplePoint lastSample{0, 0};
    bool firstSample = true;

    PointerMove Tick(const MappingParameterSet& parameters, int32_t x, int32_t y)
    {
        return MapSample(parameters, x, y, lastSample, firstSample);
    }
};

struct OneTick {
    const char* what;
    MappingParameterSet parameters;
    Tracking before;
    int32_t x, y;
    PointerMove expected;
};

const OneTick OneTicks[] = {
    {"first relative tick", Relative(1, 1), {{-40000, 90000}, true}, 50000, 100, RelativeMove(0, 0)},
    {"change of -25 at sensitivity 10", Relative(10, 10), {{1000, 1000}, false}, 975, 1025, RelativeMove(2, -2)},
    {"change below the sensitivity", Relative(10, 10), {{1000, 1000}, false}, 1009, 991, RelativeMove(0, 0)},
    {"negative sensitivity", Relative(-10, -10), {{1000, 1000}, false}, 975, 1025, RelativeMove(-2, 2)},
    {"inversion", Inverted(Relative(10, 10)), {{64535, 64535}, false}, 975, 1025, RelativeMove(-2, 2)},
    {"differences wrap", Relative(1, 1), {{INT32_MIN, INT32_MAX}, false}, 1, -1, RelativeMove(INT32_MAX, INT32_MIN)},
    {"a jump across the range", Relative(1, 1), {{65535, 0}, false}, 0, 65535, RelativeMove(65535, -65535)},
    {"relative sensitivity 0 on x", Relative(0, 1), {{1000, 1000}, false}, 500, 900, RelativeMove(0, 100)},
    {"relative sensitivity 0 on y", Relative(1, 0), {{1000, 1000}, false}, 500, 900, RelativeMove(500, 0)},
    {"relative INT32_MIN / -1", Relative(-1, -1), {{0, INT32_MAX}, false}, INT32_MIN, -1,
     RelativeMove(INT32_MIN, INT32_MIN)},
    {"initial parameters, sample 0", Inverted(Absolute(1, 1)), {}, 0, 0, {true, 65535, 65535, 65535, 65535}},
    {"bases not shown", Absolute(4, -2, 100, -50), {}, 401, 1001, {true, 200, -550, 100, -500}},
    {"truncation toward zero, no clamping", Absolute(4, 4, -1000, 70000), {}, -401, 7, {true, -1100, 70001, -100, 1}},
    {"base plus quotient wraps", Absolute(1, 1, INT32_MAX, INT32_MIN), {}, 1, -1, {true, INT32_MIN, INT32_MAX, 1, -1}},
    {"inversion wraps", Inverted(Absolute(1, 1)), {}, INT32_MIN, 65536,
     {true, INT32_MIN + 65535, -1, INT32_MIN + 65535, -1}},
    {"absolute sensitivity 0 on x", Absolute(0, 2, 300, 400), {}, 5000, 5000, {true, 300, 2900, 0, 2500}},
    {"absolute sensitivity 0 on y", Absolute(2, 0, 300, 400), {}, 5000, 5000, {true, 2800, 400, 2500, 0}},
    {"absolute INT32_MIN / -1", Absolute(-1, -1, 5, 0), {}, INT32_MIN, 7, {true, INT32_MIN + 5, -7, INT32_MIN, -7}},
};
}

TEST(PointerMapping, MapsOneTickAsTheArithmeticSays)
{
    for (const OneTick& tick : OneTicks) {
        Tracking tracking = tick.before;
        EXPECT_EQ(tracking.Tick(tick.parameters, tick.x, tick.y), tick.expected) << tick.what;
    }
}

TEST(PointerMapping, EveryTickKeepsItsSampleAfterInversionForTheNextRelativeTick)
{
    Tracking tracking;
    tracking.Tick(Relative(1, 1), 50000, 100);
    EXPECT_FALSE(tracking.firstSample);
    EXPECT_EQ(tracking.Tick(Relative(1, 1), 49990, 130), RelativeMove(10, -30));

    MappingParameterSet invertedY = Absolute(3, 3);
    invertedY.InvertY = true;
    tracking.Tick(invertedY, 2000, 2000);
    EXPECT_EQ(tracking.lastSample.X, 2000);
    EXPECT_EQ(tracking.lastSample.Y, 63535);
    EXPECT_EQ(tracking.Tick(Relative(1, 1), 1975, 63545), RelativeMove(25, -10));
}

TEST(PointerMapping, AbsoluteTicksLeaveTheFirstRelativeTickItsFreshBaseline)
{
    Tracking tracking;
    tracking.Tick(Absolute(3, 3), 1000, 1000);
    EXPECT_TRUE(tracking.firstSample);
    EXPECT_EQ(tracking.Tick(Relative(1, 1), 1500, 1500), RelativeMove(0, 0));
}

TEST(PointerMapping, ChangesBelowTheSensitivityAreLostHoweverFarTheyGo)
{
    Tracking tracking{{1000, 1000}, false};
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(tracking.Tick(Relative(10, 10), 1000 + 9 * i, 1000 - 9 * i), RelativeMove(0, 0)) << "tick " << i;
}
