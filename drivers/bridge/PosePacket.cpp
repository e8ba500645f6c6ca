#include "PosePacket.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace {
constexpr int FieldCount = 6;
constexpr size_t FieldSize = PosePacketSize / FieldCount;

// Assembled byte by byte, so the host's own byte order does not matter.
double LittleEndianDouble(const unsigned char* bytes)
{
    uint64_t bits = 0;
    for (size_t i = FieldSize; i-- > 0;)
        bits = bits << 8 | bytes[i];
    return std::bit_cast<double>(bits);
}

bool IsAngle(double degrees)
{
    return degrees >= -180.0 && degrees <= 180.0;
}
}

std::optional<HeadAngles> ParsePosePacket(const unsigned char* data, size_t size)
{
    if (size != PosePacketSize)
        return std::nullopt;
    double fields[FieldCount];
    for (int i = 0; i < FieldCount; ++i) {
        fields[i] = LittleEndianDouble(data + i * FieldSize);
        if (!std::isfinite(fields[i]))
            return std::nullopt;
    }
    const HeadAngles angles{fields[3], fields[4], fields[5]};
    if (!IsAngle(angles.yaw) || !IsAngle(angles.pitch) || !IsAngle(angles.roll))
        return std::nullopt;
    return angles;
}

bool IsClosingPacket(const unsigned char* data, size_t size)
{
    if (size != PosePacketSize)
        return false;
    for (int i = 0; i < FieldCount; ++i)
        if (LittleEndianDouble(data + i * FieldSize) != 0.0)
            return false;
    return true;
}
