#include "HeadMotion.h"

#include <cmath>

namespace {
constexpr double Centre = 32768.0;
constexpr double TwoPi = 6.283185307179586;

int32_t Swing(double seconds, double amplitude, double period)
{
    return static_cast<int32_t>(std::lround(Centre + amplitude * std::sin(TwoPi * seconds / period)));
}
}

HeadPose HeadPoseAt(double secondsSinceOpen)
{
    // At 100 reads a second the fastest yaw change is about 50 per read: sensitivity 10
    // in relative mode moves the pointer a few pixels per tick.
    return {Swing(secondsSinceOpen, 8000.0, 10.0), Swing(secondsSinceOpen, 5000.0, 7.0),
            Swing(secondsSinceOpen, 1500.0, 13.0)};
}
