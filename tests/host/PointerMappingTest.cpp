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

// Absolute, event x and y, shown x and y, then the last sample kept for the next tick.
using Tick = std::tuple<bool, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t>;

constexpr Tick Moved(int32_t dx, int32_t dy, SamplePoint kept)
{
    return {false, dx, dy, dx, dy, kept.X, kept.Y};
}

constexpr int32_t Min = INT32_MIN, Max = INT32_MAX;

// clang-format off
const struct {
    const char* what;
    MappingParameterSet parameters;
    SamplePoint last;
    bool first;
    int32_t x, y;
    Tick expected;
} OneTicks[] = {
    {"first relative tick", Relative(1, 1), {-40000, 90000}, true, 50000, 100, Moved(0, 0, {50000, 100})},
    {"-25 at sensitivity 10 moves 2, keeps 5", Relative(10, 10), {1000, 1000}, false, 975, 1025,
     Moved(2, -2, {980, 1020})},
    {"below the sensitivity all is kept", Relative(10, 10), {1000, 1000}, false, 1009, 991, Moved(0, 0, {1000, 1000})},
    {"negative sensitivity", Relative(-10, -10), {1000, 1000}, false, 975, 1025, Moved(-2, 2, {980, 1020})},
    {"inversion", Relative(10, 10, true), {64535, 64535}, false, 975, 1025, Moved(-2, 2, {64555, 64515})},
    {"differences wrap", Relative(1, 1), {Min, Max}, false, 1, -1, Moved(Max, Min, {1, -1})},
    {"a remainder across the wrap", Relative(4, 4), {Min + 3, Max - 3}, false, Max - 2, Min + 2, Moved(1, -1, {Max, Min})},
    {"a jump across the range", Relative(1, 1), {65535, 0}, false, 0, 65535, Moved(65535, -65535, {0, 65535})},
    {"sensitivity 0 carries nothing", Relative(0, 7), {1000, 1000}, false, 500, 900, Moved(0, 14, {500, 902})},
    {"INT32_MIN / -1", Relative(-1, -1), {0, Max}, false, Min, -1, Moved(Min, Min, {Min, -1})},
    {"initial parameters, sample 0", Absolute(1, 1, 0, 0, true), {}, true, 0, 0,
     {true, 65535, 65535, 65535, 65535, 65535, 65535}},
    {"bases not shown", Absolute(4, -2, 100, -50), {}, true, 401, 1001, {true, 200, -550, 100, -500, 401, 1001}},
    {"toward zero, unclamped", Absolute(4, 4, -1000, 70000), {}, true, -401, 7, {true, -1100, 70001, -100, 1, -401, 7}},
    {"base wraps", Absolute(1, 1, Max, Min), {}, true, 1, -1, {true, Min, Max, 1, -1, 1, -1}},
    {"inversion wraps", Absolute(1, 1, 0, 0, true), {}, true, Min, 65536,
     {true, Min + 65535, -1, Min + 65535, -1, Min + 65535, -1}},
    {"absolute sensitivity 0", Absolute(2, 0, 300, 400), {}, true, 5000, 5000, {true, 2800, 400, 2500, 0, 5000, 5000}},
    {"MIN / -1 absolute", Absolute(-1, -1, 5, 0), {}, true, Min, 7, {true, Min + 5, -7, Min, -7, Min, 7}},
};
// clang-format on

// The moves of TICKS ticks added up, the head starting at 0 and going STEP a tick.
std::tuple<int64_t, int64_t> RampMoves(const MappingParameterSet& parameters, int32_t stepX, int32_t stepY, int ticks)
{
    SamplePoint last{};
    bool first = true;
    int64_t movedX = 0, movedY = 0;
    for (int tick = 0; tick <= ticks; ++tick) {
        const PointerMove move = MapSample(parameters, stepX * tick, stepY * tick, last, first);
        movedX += move.EventX, movedY += move.EventY;
    }
    return {movedX, movedY};
}
}

TEST(PointerMapping, MapsOneTickAsTheArithmeticSays)
{
    for (const auto& tick : OneTicks) {
        SamplePoint last = tick.last;
        bool first = tick.first;
        const PointerMove move = MapSample(tick.parameters, tick.x, tick.y, last, first);
        EXPECT_EQ(Tick(move.Absolute, move.EventX, move.EventY, move.ShownX, move.ShownY, last.X, last.Y),
                  tick.expected)
            << tick.what;
    }
}

// However slowly the head turns, the moves add up to its whole change over the sensitivity.
TEST(PointerMapping, SlowRampsAddUpToTheWholeMove)
{
    EXPECT_EQ(RampMoves(Relative(10, 10), 3, -1, 400), std::tuple(-120, 40));
    EXPECT_EQ(RampMoves(Relative(-3, 7), -7, 2, 100), std::tuple(-233, -28)) << "remainders left at the end";
    EXPECT_EQ(RampMoves(Relative(10, 10, true), 9, 1, 1000), std::tuple(900, 100));
    EXPECT_EQ(RampMoves(Relative(0, 1), 5, 5, 10), std::tuple(0, -50));
}

// Each tick keeps its sample after inversion; only a relative tick clears the first-sample flag.
TEST(PointerMapping, ARelativeTickAfterAbsoluteOnesStartsFromTheirSample)
{
    SamplePoint last{0, 0};
    bool first = true;
    MapSample(Absolute(3, 3, 0, 0, true), 2000, 2000, last, first);
    EXPECT_EQ(std::tuple(last.X, last.Y, first), std::tuple(63535, 63535, true));
    EXPECT_EQ(MapSample(Relative(1, 1), 1500, 1500, last, first).EventX, 0) << "a fresh baseline";
    MapSample(Absolute(3, 3), 1475, 1510, last, first);
    const PointerMove move = MapSample(Relative(1, 1), 1470, 1515, last, first);
    EXPECT_EQ(std::tuple(move.EventX, move.EventY), std::tuple(5, -5));
}
