// The opentrack bridge's arithmetic: which way and how far a head pose moves the tracker values,
// and the numbers of its settings. What is not a pose is tried end to end.
#include "drivers/bridge/PosePacket.h"
#include "drivers/bridge/SettingValue.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Bridge, MapsAnglesAroundTheCentreTheShortWayRound)
{
    using Values = std::tuple<int32_t, int32_t, int32_t>;
    const std::tuple<HeadAngles, HeadAngles, AngleScale, Values> rows[] = {
        {{12, -7, 3}, {12, -7, 3}, {100, 1, 1}, {32768, 32768, 32768}},
        {{1, 2, -3}, {0, 0, 0}, {100, 1, 1}, {32668, 32968, 32468}}, // right lowers x, up raises y
        {{1, 1, 1}, {0, 0, 0}, {100, -1, -1}, {32868, 32668, 32868}},
        {{0.125, 0.125, -0.125}, {0, 0, 0}, {4, 1, 1}, {32767, 32769, 32767}}, // halves away from zero
        {{30, -30, 0}, {0, 0, 0}, {1092, 1, 1}, {8, 8, 32768}},
        {{-170, 175, 0}, {170, -175, 0}, {100, 1, 1}, {30768, 31768, 32768}}};
    for (const auto& [pose, centre, scale, expected] : rows) {
        const TrackerValues values = MapPose(pose, centre, scale);
        EXPECT_EQ(Values(values.x, values.y, values.z), expected);
    }
}

TEST(Bridge, ReadsASettingsNumberWithAnyLeadingZerosButNoMoreDigitsThanFit)
{
    EXPECT_EQ(ParseWholeNumber("-0000000000000000000000000001", -1, 1), -1);
    EXPECT_EQ(ParseWholeNumber("99999999999999999999", 1, 65535), std::nullopt);
}
