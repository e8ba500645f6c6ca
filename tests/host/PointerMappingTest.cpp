#include "tracker/PointerMapping.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {
constexpr MappingParameterSet Relative(int32_t xSens, int32_t ySens)
{
    return {false, false, false, xSens, ySens, 0, 0};
}

constexpr MappingParameterSet Absolute(int32_t xSens, int32_t ySens, int32_t baseX, int32_t baseY)
{
    return {true, false, false, xSens, ySens, baseX, baseY};
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

Tracking AfterBaseline(int32_t x, int32_t y)
{
    return {{x, y}, false};
}

void ExpectEvent(const PointerMove& move, int32_t x, int32_t y)
{
    EXPECT_EQ(move.EventX, x);
    EXPECT_EQ(move.EventY, y);
}

void ExpectShown(const PointerMove& move, int32_t x, int32_t y)
{
    EXPECT_EQ(move.ShownX, x);
    EXPECT_EQ(move.ShownY, y);
}
}

TEST(PointerMappingRelative, FirstTickTakesABaselineAndMovesZero)
{
    Tracking tracking;
    tracking.lastSample = {-40000, 90000};
    const PointerMove first = tracking.Tick(Relative(1, 1), 50000, 100);
    EXPECT_FALSE(first.Absolute);
    ExpectEvent(first, 0, 0);
    ExpectShown(first, 0, 0);
    EXPECT_FALSE(tracking.firstSample);
    EXPECT_EQ(tracking.lastSample.X, 50000);
    EXPECT_EQ(tracking.lastSample.Y, 100);

    ExpectEvent(tracking.Tick(Relative(1, 1), 49990, 130), 10, -30);
}

TEST(PointerMappingRelative, MovesByPreviousMinusCurrentAndDropsTheRemainder)
{
    Tracking tracking = AfterBaseline(1000, 1000);
    const PointerMove move = tracking.Tick(Relative(10, 10), 1025, 975);
    ExpectEvent(move, -2, 2);
    ExpectShown(move, -2, 2);

    // Changes below the sensitivity are lost however far they go in total.
    for (int i = 1; i <= 5; ++i)
        ExpectEvent(tracking.Tick(Relative(10, 10), 1025 + 9 * i, 975 - 9 * i), 0, 0);
    EXPECT_EQ(tracking.lastSample.X, 1070);
    EXPECT_EQ(tracking.lastSample.Y, 930);
}

TEST(PointerMappingRelative, NegativeSensitivityAndInversionReverseTheDirection)
{
    Tracking reversed = AfterBaseline(1000, 1000);
    ExpectEvent(reversed.Tick(Relative(-10, -10), 1025, 975), 2, -2);

    MappingParameterSet inverted = Relative(10, 10);
    inverted.InvertX = true;
    Tracking tracking = AfterBaseline(65535 - 1000, 1000);
    ExpectEvent(tracking.Tick(inverted, 1025, 1025), 2, -2);
    EXPECT_EQ(tracking.lastSample.X, 65535 - 1025);
    EXPECT_EQ(tracking.lastSample.Y, 1025);
}

TEST(PointerMappingAbsolute, InitialParametersPutSampleZeroInTheFarCorner)
{
    const MappingParameterSet initial{true, true, true, 1, 1, 0, 0};
    Tracking tracking;
    const PointerMove move = tracking.Tick(initial, 0, 0);
    EXPECT_TRUE(move.Absolute);
    ExpectEvent(move, 65535, 65535);
    ExpectShown(move, 65535, 65535);
    ExpectEvent(tracking.Tick(initial, 65535, 40000), 0, 25535);
}

TEST(PointerMappingAbsolute, ShowsTheQuotientsWithoutTheBases)
{
    Tracking tracking;
    const PointerMove move = tracking.Tick(Absolute(4, -2, 100, -50), 401, 1001);
    ExpectShown(move, 100, -500);
    ExpectEvent(move, 200, -550);
    // Truncation toward zero, and bases that push the event off the screen stay unclamped.
    const PointerMove negative = tracking.Tick(Absolute(4, 4, -1000, 70000), -401, 7);
    ExpectShown(negative, -100, 1);
    ExpectEvent(negative, -1100, 70001);
}

TEST(PointerMappingAbsolute, KeepsLastSampleButLeavesTheFirstRelativeTickItsBaseline)
{
    MappingParameterSet absolute = Absolute(3, 3, 0, 0);
    absolute.InvertY = true;
    Tracking tracking;
    tracking.Tick(absolute, 1000, 1000);
    EXPECT_EQ(tracking.lastSample.X, 1000);
    EXPECT_EQ(tracking.lastSample.Y, 64535);
    EXPECT_TRUE(tracking.firstSample);
    ExpectEvent(tracking.Tick(Relative(1, 1), 1500, 1500), 0, 0);

    // Once a relative tick has cleared FirstSample, relative tracking resumes from the last
    // absolute sample.
    tracking.Tick(Absolute(3, 3, 0, 0), 2000, 2000);
    ExpectEvent(tracking.Tick(Relative(1, 1), 1975, 2010), 25, -10);
}

TEST(PointerMappingWrapAround, DifferencesWrapAtThirtyTwoBits)
{
    Tracking tracking = AfterBaseline(INT32_MIN, INT32_MAX);
    ExpectEvent(tracking.Tick(Relative(1, 1), 1, -1), INT32_MAX, INT32_MIN);
    // A jump from one end of the tracker's range to the other is one large move.
    Tracking jump = AfterBaseline(65535, 0);
    ExpectEvent(jump.Tick(Relative(1, 1), 0, 65535), 65535, -65535);
}

TEST(PointerMappingWrapAround, BasePlusQuotientWraps)
{
    Tracking tracking;
    const PointerMove move = tracking.Tick(Absolute(1, 1, INT32_MAX, INT32_MIN), 1, -1);
    ExpectEvent(move, INT32_MIN, INT32_MAX);
    ExpectShown(move, 1, -1);
}

TEST(PointerMappingWrapAround, InversionWraps)
{
    MappingParameterSet inverted = Absolute(1, 1, 0, 0);
    inverted.InvertX = inverted.InvertY = true;
    Tracking tracking;
    ExpectEvent(tracking.Tick(inverted, INT32_MIN, INT32_MAX), INT32_MIN + 65535, 65535 - INT32_MAX);
    ExpectEvent(tracking.Tick(inverted, -1, 65536), 65536, -1);
}

TEST(PointerMappingSensitivityZero, LeavesThatAxisStillInRelativeMode)
{
    Tracking tracking = AfterBaseline(1000, 1000);
    ExpectEvent(tracking.Tick(Relative(0, 1), 500, 900), 0, 100);
    ExpectEvent(tracking.Tick(Relative(1, 0), 400, 100), 100, 0);
    ExpectEvent(tracking.Tick(Relative(0, 0), 0, 0), 0, 0);
    EXPECT_EQ(tracking.lastSample.X, 0);
    EXPECT_EQ(tracking.lastSample.Y, 0);
}

TEST(PointerMappingSensitivityZero, PlacesThatAxisAtItsBaseInAbsoluteMode)
{
    Tracking tracking;
    const PointerMove xStill = tracking.Tick(Absolute(0, 2, 300, 400), 5000, 5000);
    ExpectShown(xStill, 0, 2500);
    ExpectEvent(xStill, 300, 2900);
    const PointerMove yStill = tracking.Tick(Absolute(2, 0, 300, 400), 5000, 5000);
    ExpectShown(yStill, 2500, 0);
    ExpectEvent(yStill, 2800, 400);
}

TEST(PointerMappingSensitivityMinusOne, MostNegativeValueWrapsInsteadOfTrapping)
{
    Tracking absolute;
    const PointerMove placed = absolute.Tick(Absolute(-1, -1, 5, 0), INT32_MIN, 7);
    ExpectShown(placed, INT32_MIN, -7);
    ExpectEvent(placed, INT32_MIN + 5, -7);

    Tracking relative = AfterBaseline(0, INT32_MAX);
    ExpectEvent(relative.Tick(Relative(-1, -1), INT32_MIN, -1), INT32_MIN, INT32_MIN);
}
