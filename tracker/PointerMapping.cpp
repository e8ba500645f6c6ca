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

int32_t WrappingMultiply(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
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

// Moves by the truncated quotient and advances LAST only by what that move used, so the rest
// carries to the next tick: a slow turn adds up to the move a fast one makes. At sensitivity 0
// the axis stands still and nothing is carried.
int32_t RelativeMove(int32_t& last, int32_t value, int32_t sensitivity)
{
    const int32_t move = Quotient(WrappingSubtract(last, value), sensitivity);
    last = sensitivity == 0 ? value : WrappingSubtract(last, WrappingMultiply(move, sensitivity));
    return move;
}
}

PointerMove MapSample(const MappingParameterSet& parameters, int32_t x, int32_t y, SamplePoint& lastSample,
                      bool& firstSample)
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
        lastSample = {x, y};
    } else {
        if (firstSample) {
            firstSample = false;
            lastSample = {x, y};
        }
        move.EventX = RelativeMove(lastSample.X, x, parameters.XSens);
        move.EventY = RelativeMove(lastSample.Y, y, parameters.YSens);
        move.ShownX = move.EventX;
        move.ShownY = move.EventY;
    }
    return move;
}
