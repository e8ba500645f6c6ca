// The opentrack bridge: how far and which way a turn of the head moves the tracker values, that
// opentrack's own jumps move them not at all, and the numbers of its settings. Datagrams of
// other kinds are tried end to end.
#include "drivers/bridge/PoseStream.h"
#include "drivers/bridge/SettingValue.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <tuple>
#include <vector>

TEST(Bridge, ScalesTheTurnFromTheCentre)
{
    using Values = std::tuple<int32_t, int32_t, int32_t>;
    const std::tuple<HeadAngles, AngleScale, Values> rows[] = {
        {{1, 2, -3}, {100, 1, 1}, {32668, 32968, 32468}}, // right lowers x, up raises y
        {{1, 1, 1}, {100, -1, -1}, {32868, 32668, 32868}},
        {{0.125, 0.125, -0.125}, {4, 1, 1}, {32767, 32769, 32767}}, // halves away from zero
        {{30, -30, 0}, {1092, 1, 1}, {8, 8, 32768}},
        {{2e7, 2e7, 0}, {10000, 1, 1}, {1863495680, -1863430144, 32768}}}; // round and round wraps
    for (const auto& [turned, scale, expected] : rows) {
        const TrackerValues values = ScaledValues(turned, scale);
        EXPECT_EQ(Values(values.x, values.y, values.z), expected);
    }
}

// Each datagram: yaw and pitch, or Closing for six zeros; the milliseconds when it came; the
// turn from the centre that Nodlink reads after it.
TEST(Bridge, OnlyTurnsOfTheHeadMoveTheValuesNotOpentracksJumps)
{
    constexpr double Closing = NAN;
    // clang-format off
    const std::pair<const char*, std::vector<std::array<double, 5>>> sessions[] = {
        {"a Center", {{1, 0, 0, 0, 0}, {2, 4, 4, 1, 4}, {3, 8, 8, 2, 8}, {4, 12, 12, 3, 12}, {0, 0, 16, 3, 12},
                      {-1, 0.5, 20, 2, 12.5}}},
        {"a fast turn, the closing zeros, a restart", {{0, 0, 0, 0, 0}, {4.5, -4.5, 4, 4.5, -4.5},
                      {9, -9, 8, 9, -9}, {13.5, -13.5, 12, 13.5, -13.5}, {Closing, 0, 16, 13.5, -13.5},
                      {0, 0, 900, 13.5, -13.5}, {1, 0, 904, 14.5, -13.5}}},
        {"the closing zeros near the centre", {{0, 0, 0, 0, 0}, {2, -1, 4, 2, -1}, {Closing, 0, 8, 2, -1},
                      {2.5, -1, 12, 2, -1}, {3, -1, 16, 2.5, -1}}},
        {"across +-180 degrees", {{179, 0, 0, 0, 0}, {-179, 0, 4, 2, 0}, {179, 0, 8, 0, 0}, {-170, 1, 12, 0, 0}}},
        {"after a loss", {{5, 0, 0, 0, 0}, {6, 0, 4, 1, 0}, {8, 0, 505, 1, 0}, {9, 0, 509, 2, 0}}}};
    // clang-format on
    static_assert(std::endian::native == std::endian::little, "opentrack's byte order");
    for (const auto& [what, arrivals] : sessions) {
        PoseStream poses(500);
        for (const auto& [yaw, pitch, at, turnedYaw, turnedPitch] : arrivals) {
            const double fields[6] = {0, 0, std::isnan(yaw) ? 0 : 50.0, std::isnan(yaw) ? 0 : yaw, pitch, 0};
            unsigned char datagram[PosePacketSize];
            std::memcpy(datagram, fields, sizeof datagram);
            EXPECT_TRUE(poses.TakeDatagram(datagram, static_cast<uint64_t>(at)));
            EXPECT_EQ(std::pair(poses.Turned().yaw, poses.Turned().pitch), std::pair(turnedYaw, turnedPitch))
                << what << ", at " << at << " ms";
        }
    }
}

TEST(Bridge, ReadsASettingsNumberWithAnyLeadingZerosButNoMoreDigitsThanFit)
{
    EXPECT_EQ(ParseWholeNumber("-0000000000000000000000000001", -1, 1), -1);
    EXPECT_EQ(ParseWholeNumber("99999999999999999999", 1, 65535), std::nullopt);
}
