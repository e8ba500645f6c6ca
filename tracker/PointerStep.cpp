#include "PointerStep.h"

#include "TrackerDriver.h"

MappingParameterSet MappingParameters = InitialMappingParameters;
SamplePoint LastSample{0, 0};
bool FirstSample = true;
SendInputFunction SendPointerInput = SendInput;

namespace {
INPUT MouseInput(const PointerMove& move)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = move.EventX;
    input.mi.dy = move.EventY;
    input.mi.mouseData = 0;
    input.mi.time = 0; // the system stamps the event
    input.mi.dwExtraInfo = 0;
    input.mi.dwFlags = move.Absolute ? MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE : MOUSEEVENTF_MOVE;
    return input;
}
}

void PointerStep(int32_t& shownX, int32_t& shownY)
{
    int32_t x = 0, y = 0, z = 0;
    // A failed read still hands over what the holders hold, and that is mapped all the same.
    ReadSample(x, y, z);
    const PointerMove move = MapSample(MappingParameters, x, y, LastSample, FirstSample);
    INPUT input = MouseInput(move);
    SendPointerInput(1, &input, sizeof(INPUT));
    shownX = move.ShownX;
    shownY = move.ShownY;
}
