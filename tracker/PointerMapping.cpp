#include "PointerMapping.h"

namespace {
// In uint32_t the wrap-around is defined; converting back is defined since C++20.
int32_t WrappingAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

int32_t WrappingSubtract(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

// Truncates toward zero. A profile without a sensitivity key reads 0, and INT32_MIN / -1
// overflows: neither may trap the tick.
int32_t Quotient(int32_t value, int32_t sensitivity)
{
    if (sensitivity == 0)
        return 0;
    if (sensitivity == -1)
        return WrappingSubtract(0, value);
    return value / sensitivity;
}

int32_t Inverted(int32_t value)
{
    return WrappingSubtract(0xFFFF, value);
}
}

PointerMove MapSample(const MappingParameterSet& parameters, int32_t x, int32_t y,
                      SamplePoint& lastSample, bool& firstSample)
{
    if (parameters.InvertX)
        x = Inverted(x);
    if (parameters.InvertY)
        y = Inverted(y);

    PointerMove move{};
    move.Absolute = parameters.AbsMode;
    if (parameters.AbsMode) {
        move.ShownX = Quotient(x, parameters.XSens);
        move.ShownY = Quotient(y, parameters.YSens);
        move.EventX = WrappingAdd(parameters.BaseX, move.ShownX);
        move.EventY = WrappingAdd(parameters.BaseY, move.ShownY);
    } else {
        if (firstSample) {
            firstSample = false;
            lastSample = {x, y};
        }
        move.EventX = Quotient(WrappingSubtract(lastSample.X, x), parameters.XSens);
        move.EventY = Quotient(WrappingSubtract(lastSample.Y, y), parameters.YSens);
        move.ShownX = move.EventX;
        move.ShownY = move.EventY;
    }
    lastSample = {x, y};
    return move;
}
