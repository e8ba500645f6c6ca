#include "HeadMotion.h"

#include <cmath>

namespace {
constexpr double Centre = 32768.0;
constexpr double TwoPi = 6.283185307179586;
constexpr double LoopSeconds = 12.0;

int32_t Swing(double seconds, double amplitude, double period)
{
    return static_cast<int32_t>(std::lround(Centre + amplitude * std::sin(TwoPi * seconds / period)));
}
}

HeadPose HeadPoseAt(double secondsSinceOpen)
{
    // A figure of eight around where the pointer starts: pitch swings twice while yaw swings
    // once. With default.vfx (relative, sensitivity 10) the pointer stays within 240 pixels
    // of its start sideways and 160 up and down, inside a 1024x768 screen from its middle.
    return {Swing(secondsSinceOpen, 2400.0, LoopSeconds), Swing(secondsSinceOpen, 1600.0, LoopSeconds / 2),
            Swing(secondsSinceOpen, 600.0, 13.0)};
}
