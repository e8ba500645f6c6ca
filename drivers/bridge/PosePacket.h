#pragma once
// opentrack's "UDP over network" datagram. Pure, so it is also checked on the host under the
// sanitizers and fuzzed.
#include <cstddef>
#include <optional>

// Six little-endian doubles: X, Y, Z in centimetres, then yaw, pitch and roll in degrees.
constexpr size_t PosePacketSize = 48;

struct HeadAngles {
    double yaw;   // grows as the head turns right
    double pitch; // grows as the head looks up
    double roll;
};

// The angles of a datagram, or nothing when it is not a pose: another length, a value that is
// not finite, or an angle beyond +-180 degrees.
std::optional<HeadAngles> ParsePosePacket(const unsigned char* data, size_t size);

// The six zeros opentrack sends once as it stops, whatever the head's pose.
bool IsClosingPacket(const unsigned char* data, size_t size);
