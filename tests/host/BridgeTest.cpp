#include "drivers/bridge/PosePacket.h"
#include "drivers/bridge/SettingValue.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

namespace {
using Angles = std::tuple<double, double, double>; // yaw, pitch, roll
using Values = std::tuple<int32_t, int32_t, int32_t>;

// X, Y, Z, yaw, pitch, roll as opentrack sends them, cut or padded to SIZE bytes.
std::vector<unsigned char> Packet(std::vector<double> fields, size_t size = 48)
{
    std::vector<unsigned char> bytes;
    for (const double field : fields)
        for (int shift = 0; shift < 64; shift += 8)
            bytes.push_back(static_cast<unsigned char>(std::bit_cast<uint64_t>(field) >> shift));
    bytes.resize(size, 0);
    return bytes;
}
}

TEST(Bridge, TakesOnlyFortyEightBytesOfFiniteValuesWithAnglesWithin180AsAPose)
{
    const std::pair<std::vector<unsigned char>, std::optional<Angles>> packets[] = {
        {Packet({1, 2, 3, 10.5, -20.25, 30}), Angles(10.5, -20.25, 30)},
        {Packet({1e300, 0, 0, 180, -180, 180}), Angles(180, -180, 180)},
        {Packet({0, 0, 0, 1, 2, 3}, 47), std::nullopt},
        {Packet({0, 0, 0, 1, 2, 3}, 49), std::nullopt},
        {Packet({0, 0, 0, NAN, 0, 0}), std::nullopt},
        {Packet({0, 0, 0, 0, INFINITY, 0}), std::nullopt},
        {Packet({0, NAN, 0, 0, 0, 0}), std::nullopt},
        {Packet({0, 0, 0, 180.001, 0, 0}), std::nullopt},
        {Packet({0, 0, 0, 0, 0, -360}), std::nullopt}};
    for (const auto& [packet, expected] : packets) {
        const std::optional<HeadAngles> pose = ParsePosePacket(packet.data(), packet.size());
        EXPECT_EQ(pose ? std::optional(Angles(pose->yaw, pose->pitch, pose->roll)) : std::nullopt, expected);
    }
}

TEST(Bridge, MapsAnglesAroundTheCentreTheShortWayRound)
{
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

TEST(Bridge, ReadsASettingOnlyWhenItIsAPlainNumberInRange)
{
    EXPECT_EQ(std::tuple(ParseWholeNumber("4242", 1, 65535), ParseWholeNumber("-1", -1, 1)), std::tuple(4242, -1));
    for (const char* bad : {"65536", "0", "12abc", "", "-", " 5", "99999999999"})
        EXPECT_EQ(ParseWholeNumber(bad, 1, 65535), std::nullopt) << '"' << bad << '"';
}
