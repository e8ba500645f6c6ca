#pragma once
// The head's motion in the datagrams opentrack sends, and the tracker values Nodlink reads of it.
// Only a turn of the head moves the values. opentrack's own jumps do not: the step it makes when
// it re-centres (its Center, and again as it starts), the six zeros it sends as it stops, and a
// pose that comes after none came for a while. After each of them the values carry on from where
// they were, so the pointer stays where it is. Pure, so it is also checked on the host under the
// sanitizers.
#include "PosePacket.h"

#include <cstdint>
#include <span>

// opentrack sends a pose every 4 ms, and the fastest turns of a head reach some 600 degrees a
// second: under 3 degrees a pose. A step of more than 5 on any axis is no head's, even with a
// pose lost or late; a smaller one is motion, in full.
constexpr double MaxTurnPerPoseDegrees = 5;

// The values Nodlink reads while the head points at the centre.
constexpr int32_t CentreValue = 32768;

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

// Yaw, pitch and roll TURNED from the centre, scaled, centred on CentreValue and rounded. With
// sign 1 a turn to the right lowers x and looking up raises y: Nodlink's relative mode moves the
// pointer against a growing value. A head that turns round and round wraps the values around
// 32 bits, as the pointer mapping's differences do.
TrackerValues ScaledValues(const HeadAngles& turned, const AngleScale& scale);

class PoseStream {
public:
    // No pose yet: the first to come reads as the centre. Poses more than LOSTAFTERMS apart are a loss.
    explicit PoseStream(uint64_t lostAfterMs) : timeoutMs(lostAfterMs) {}

    // A datagram that arrived at NOWMS; false when it was neither a pose nor the closing one.
    bool TakeDatagram(std::span<const unsigned char> datagram, uint64_t nowMs);
    void Centre(); // where the head points now reads as the centre
    bool HasPose() const { return hasPose; }
    bool IsFresh(uint64_t nowMs) const; // a pose arrived within the timeout
    const HeadAngles& Turned() const { return turned; }

private:
    void Take(const HeadAngles& pose, uint64_t nowMs);

    uint64_t timeoutMs;
    bool hasPose = false;
    bool carriesOn = false; // the next pose continues the motion whatever its step
    HeadAngles newest{};
    uint64_t newestAt = 0;
    HeadAngles turned{}; // from the centre, continued over opentrack's jumps
};
