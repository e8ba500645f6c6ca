#pragma once
// opentrack's "UDP over network" pose and how it becomes tracker values. Pure, so it is also
// checked on the host under the sanitizers and fuzzed.
#include <cstddef>
#include <cstdint>
#include <optional>

// Six little-endian doubles: X, Y, Z in centimetres, then yaw, pitch and roll in degrees.
constexpr size_t PosePacketSize = 48;

struct HeadAngles {
    double yaw;   // grows as the head turns right
    double pitch; // grows as the head looks up
    double roll;
};

struct AngleScale {
    int32_t unitsPerDegree;
    int32_t yawSign; // 1 or -1
    int32_t pitchSign;
};

struct TrackerValues {
    int32_t x;
    int32_t y;
    int32_t z;
};

// The sample that Nodlink reads while the head points at the centre.
constexpr int32_t CentreValue = 32768;

// The angles of a datagram, or nothing when it is not a pose: another length, a value that is
// not finite, or an angle beyond +-180 degrees.
std::optional<HeadAngles> ParsePosePacket(const unsigned char* data, size_t size);

// Yaw, pitch and roll relative to CENTRE, scaled and centred on CentreValue, rounded. The signs
// are such that with sign 1 a turn to the right lowers x and looking up raises y: Nodlink's
// relative mode moves the pointer against a growing value. A difference is taken the short
// way round, so a head that crosses +-180 degrees does not jump.
TrackerValues MapPose(const HeadAngles& pose, const HeadAngles& centre, const AngleScale& scale);
