#pragma once
#include <cstdint>

// A gentle synthetic head motion: yaw and pitch swing around the middle of 0..65535 on
// unrelated periods, roll wobbles a little. A function of time alone, so the path does not
// depend on how often the tracker is read.
struct HeadPose {
    int32_t yaw;
    int32_t pitch;
    int32_t roll;
};

HeadPose HeadPoseAt(double secondsSinceOpen);
