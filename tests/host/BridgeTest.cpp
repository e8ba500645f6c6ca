#include "drivers/bridge/PosePacket.h"
#include "drivers/bridge/SettingValue.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

namespace {
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// X, Y, Z, yaw, pitch, roll as opentrack sends them; EXTRA bytes more, or -EXTRA fewer.
std::vector<unsigned char> Packet(std::vector<double> fields, int extra = 0)
{
    std::vector<unsigned char> bytes;
    for (const double field : fields)
        for (int shift = 0; shift < 64; shift += 8)
            bytes.push_back(static_cast<unsigned char>(std::bit_cast<uint64_t>(field) >> shift));
    bytes.resize(bytes.size() + extra, 0);
    return bytes;
}

using Angles = std::optional<std::tuple<double, double, double>>; // yaw, pitch, roll

struct PacketCase {
    const char* what;
    std::vector<unsigned char> packet;
    Angles expected = std::nullopt; // not a pose
};

const PacketCase PacketCases[] = {
    {"a pose", Packet({1, 2, 3, 10.5, -20.25, 30}), std::tuple(10.5, -20.25, 30.0)},
    {"angles at +-180", Packet({1e300, 0, 0, 180, -180, 180}), std::tuple(180.0, -180.0, 180.0)},
    {"empty", {}},
    {"one byte short", Packet({0, 0, 0, 1, 2, 3}, -1)},
    {"one byte more", Packet({0, 0, 0, 1, 2, 3}, 1)},
    {"yaw NaN", Packet({0, 0, 0, NaN, 0, 0})},
    {"pitch infinite", Packet({0, 0, 0, 0, Inf, 0})},
    {"position NaN", Packet({0, NaN, 0, 0, 0, 0})},
    {"yaw past 180", Packet({0, 0, 0, 180.001, 0, 0})},
    {"pitch past -180", Packet({0, 0, 0, 0, -181, 0})},
    {"roll a full turn", Packet({0, 0, 0, 0, 0, 360})},
};

struct MappingCase {
    const char* what;
    HeadAngles pose, centre;
    AngleScale scale;
    TrackerValues expected;
};

const MappingCase MappingCases[] = {
    {"at the centre", {12, -7, 3}, {12, -7, 3}, {100, 1, 1}, {32768, 32768, 32768}},
    {"right lowers x, up raises y", {1, 2, -3}, {0, 0, 0}, {100, 1, 1}, {32668, 32968, 32468}},
    {"around an off-centre centre", {12.5, -5, 0}, {10, -4, 0}, {100, 1, 1}, {32518, 32668, 32768}},
    {"signs reverse yaw and pitch", {1, 1, 1}, {0, 0, 0}, {100, -1, -1}, {32868, 32668, 32868}},
    {"halves round away from zero", {0.125, 0.125, -0.125}, {0, 0, 0}, {4, 1, 1}, {32767, 32769, 32767}},
    {"+-30 degrees span 0..65535 at 1092", {30, -30, 0}, {0, 0, 0}, {1092, 1, 1}, {8, 8, 32768}},
    {"across +-180 the short way", {-170, 175, 0}, {170, -175, 0}, {100, 1, 1}, {30768, 31768, 32768}},
    {"a full turn is no turn", {180, -180, 180}, {-180, 180, -180}, {10000, 1, 1}, {32768, 32768, 32768}},
};
}

TEST(Bridge, TakesOnlyFortyEightBytesOfFiniteValuesWithAnglesWithin180AsAPose)
{
    for (const PacketCase& row : PacketCases) {
        const std::optional<HeadAngles> pose = ParsePosePacket(row.packet.data(), row.packet.size());
        EXPECT_EQ(pose ? Angles(std::tuple(pose->yaw, pose->pitch, pose->roll)) : std::nullopt, row.expected) << row.what;
    }
}

TEST(Bridge, MapsAnglesAroundTheCentre)
{
    for (const MappingCase& row : MappingCases) {
        const TrackerValues values = MapPose(row.pose, row.centre, row.scale);
        EXPECT_EQ(std::tuple(values.x, values.y, values.z), std::tuple(row.expected.x, row.expected.y, row.expected.z))
            << row.what;
    }
}

TEST(Bridge, ReadsASettingOnlyWhenItIsAPlainNumberInRange)
{
    EXPECT_EQ(std::tuple(ParseWholeNumber("4242", 1, 65535), ParseWholeNumber("-1", -1, 1)), std::tuple(4242, -1));
    for (const char* bad : {"65536", "0", "12abc", "", "-", " 5", "99999999999"})
        EXPECT_EQ(ParseWholeNumber(bad, 1, 65535), std::nullopt) << '"' << bad << '"';
}
