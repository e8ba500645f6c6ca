#pragma once
#include <cstdint>

// A calm synthetic head motion: yaw and pitch trace a loop around the middle of 0..65535, roll
// wobbles a little. A function of time alone, so the path does not depend on how often the
// tracker is read.
struct HeadPose {
    int32_t yaw;
    int32_t pitch;
    int32_t roll;
};

HeadPose HeadPoseAt(double secondsSinceOpen);
