// libFuzzer target: any datagram, parsed and mapped. A pose must be a whole packet of angles
// within 180 degrees, and must map within 180 degrees of the centre at any scale.
#include "drivers/bridge/PosePacket.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::optional<HeadAngles> pose = ParsePosePacket(data, size);
    if (!pose)
        return 0;
    if (size != PosePacketSize)
        std::abort();
    const TrackerValues still = MapPose(*pose, *pose, {10000, 1, 1});
    if (still.x != CentreValue || still.y != CentreValue || still.z != CentreValue)
        std::abort();
    const TrackerValues far = MapPose(*pose, {-180, 180, 0}, {10000, -1, 1});
    for (const int32_t value : {far.x, far.y, far.z})
        if (value < CentreValue - 1800000 || value > CentreValue + 1800000)
            std::abort();
    return 0;
}
