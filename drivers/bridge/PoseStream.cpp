#include "PoseStream.h"

#include <cmath>

namespace {
// From FROM to TO the short way round, so crossing +-180 degrees is a small turn.
double Step(double from, double to)
{
    const double step = to - from;
    if (step > 180.0)
        return step - 360.0;
    if (step < -180.0)
        return step + 360.0;
    return step;
}

// A turn grows by at most MaxTurnPerPoseDegrees a pose, so 64 bits hold it for millennia; the
// value wraps around 32 bits.
int32_t Scaled(double degrees, double unitsPerDegree)
{
    const auto units = static_cast<int64_t>(std::round(degrees * unitsPerDegree));
    return static_cast<int32_t>(static_cast<uint32_t>(CentreValue) + static_cast<uint32_t>(units));
}
}

TrackerValues ScaledValues(const HeadAngles& turned, const AngleScale& scale)
{
    const double units = scale.unitsPerDegree;
    return {Scaled(turned.yaw, -units * scale.yawSign), Scaled(turned.pitch, units * scale.pitchSign),
            Scaled(turned.roll, units)};
}

bool PoseStream::TakeDatagram(std::span<const unsigned char> datagram, uint64_t nowMs)
{
    if (IsClosingPacket(datagram.data(), datagram.size())) {
        carriesOn = true;
        return true;
    }
    const std::optional<HeadAngles> pose = ParsePosePacket(datagram.data(), datagram.size());
    if (pose)
        Take(*pose, nowMs);
    return pose.has_value();
}

void PoseStream::Take(const HeadAngles& pose, uint64_t nowMs)
{
    if (hasPose && !carriesOn && nowMs - newestAt <= timeoutMs) {
        const HeadAngles step{Step(newest.yaw, pose.yaw), Step(newest.pitch, pose.pitch), Step(newest.roll, pose.roll)};
        if (std::fabs(step.yaw) <= MaxTurnPerPoseDegrees && std::fabs(step.pitch) <= MaxTurnPerPoseDegrees &&
            std::fabs(step.roll) <= MaxTurnPerPoseDegrees)
            turned = {turned.yaw + step.yaw, turned.pitch + step.pitch, turned.roll + step.roll};
    }
    hasPose = true;
    carriesOn = false;
    newest = pose;
    newestAt = nowMs;
}

void PoseStream::Centre()
{
    turned = {};
}

bool PoseStream::IsFresh(uint64_t nowMs) const
{
    return hasPose && nowMs - newestAt <= timeoutMs;
}
