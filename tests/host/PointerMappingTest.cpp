#include "tracker/PointerMapping.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace {
constexpr MappingParameterSet Relative(int32_t xSens, int32_t ySens, bool inverted = false)
{
    return {false, inverted, inverted, xSens, ySens, 0, 0};
}

constexpr MappingParameterSet Absolute(int32_t xSens, int32_t ySens, int32_t baseX = 0, int32_t baseY = 0,
                                       bool inverted = false)
{
    return {true, inverted, inverted, xSens, ySens, baseX, baseY};
}

// Absolute, event x and y, shown x and y.
using Move = std::tuple<bool, int32_t, int32_t, int32_t, int32_t>;

constexpr Move RelativeMove(int32_t dx, int32_t dy)
{
    return {false, dx, dy, dx, dy};
}

struct OneTick {
    const char* what;
    MappingParameterSet parameters;
    SamplePoint last;
    bool first;
    int32_t x, y;
    Move expected;
};

const OneTick OneTicks[] = {
    {"first relative tick", Relative(1, 1), {-40000, 90000}, true, 50000, 100, RelativeMove(0, 0)},
    {"change of -25 at sensitivity 10", Relative(10, 10), {1000, 1000}, false, 975, 1025, RelativeMove(2, -2)},
    {"change below the sensitivity", Relative(10, 10), {1000, 1000}, false, 1009, 991, RelativeMove(0, 0)},
    {"negative sensitivity", Relative(-10, -10), {1000, 1000}, false, 975, 1025, RelativeMove(-2, 2)},
    {"inversion", Relative(10, 10, true), {64535, 64535}, false, 975, 1025, RelativeMove(-2, 2)},
    {"differences wrap", Relative(1, 1), {INT32_MIN, INT32_MAX}, false, 1, -1, RelativeMove(INT32_MAX, INT32_MIN)},
    {"a jump across the range", Relative(1, 1), {65535, 0}, false, 0, 65535, RelativeMove(65535, -65535)},
    {"relative sensitivity 0", Relative(0, 1), {1000, 1000}, false, 500, 900, RelativeMove(0, 100)},
    {"INT32_MIN / -1", Relative(-1, -1), {0, INT32_MAX}, false, INT32_MIN, -1, RelativeMove(INT32_MIN, INT32_MIN)},
    {"initial parameters, sample 0", Absolute(1, 1, 0, 0, true), {}, true, 0, 0, {true, 65535, 65535, 65535, 65535}},
    {"bases not shown", Absolute(4, -2, 100, -50), {}, true, 401, 1001, {true, 200, -550, 100, -500}},
    {"toward zero, unclamped", Absolute(4, 4, -1000, 70000), {}, true, -401, 7, {true, -1100, 70001, -100, 1}},
    {"base wraps", Absolute(1, 1, INT32_MAX, INT32_MIN), {}, true, 1, -1, {true, INT32_MIN, INT32_MAX, 1, -1}},
    {"inversion wraps", Absolute(1, 1, 0, 0, true), {}, true, INT32_MIN, 65536,
     {true, INT32_MIN + 65535, -1, INT32_MIN + 65535, -1}},
    {"absolute sensitivity 0", Absolute(2, 0, 300, 400), {}, true, 5000, 5000, {true, 2800, 400, 2500, 0}},
    {"MIN / -1 absolute", Absolute(-1, -1, 5, 0), {}, true, INT32_MIN, 7, {true, INT32_MIN + 5, -7, INT32_MIN, -7}},
};
}

TEST(PointerMapping, MapsOneTickAsTheArithmeticSays)
{
    for (const OneTick& tick : OneTicks) {
        SamplePoint last = tick.last;
        bool first = tick.first;
        const PointerMove move = MapSample(tick.parameters, tick.x, tick.y, last, first);
        EXPECT_EQ(Move(move.Absolute, move.EventX, move.EventY, move.ShownX, move.ShownY), tick.expected) << tick.what;
    }
}

// Each tick keeps its sample after inversion; only a relative tick clears the first-sample flag.
TEST(PointerMapping, EveryTickKeepsItsSampleForTheNextRelativeTick)
{
    SamplePoint last{0, 0};
    bool first = true;
    MapSample(Absolute(3, 3, 0, 0, true), 2000, 2000, last, first);
    EXPECT_EQ(std::tuple(last.X, last.Y, first), std::tuple(63535, 63535, true));
    EXPECT_EQ(MapSample(Relative(1, 1), 1500, 1500, last, first).EventX, 0) << "a fresh baseline";
    const PointerMove move = MapSample(Relative(1, 1), 1475, 1510, last, first);
    EXPECT_EQ(std::tuple(move.EventX, move.EventY, first), std::tuple(25, -10, false));
}
