#pragma once
// The arithmetic of one tracking tick: a tracker sample becomes one pointer event and the two
// numbers the status line shows. Pure, so it is also checked on the host under the sanitizers.
#include <cstdint>

struct MappingParameterSet {
    bool AbsMode;
    bool InvertX;
    bool InvertY;
    int32_t XSens;
    int32_t YSens;
    int32_t BaseX;
    int32_t BaseY;
};

struct SamplePoint {
    int32_t X;
    int32_t Y;
};

struct PointerMove {
    bool Absolute;  // a placement in normalised screen coordinates, else a relative motion
    int32_t EventX; // the event's dx and dy
    int32_t EventY;
    int32_t ShownX; // the numbers for the status line
    int32_t ShownY;
};

// Maps the sample (x, y) and updates lastSample, and in relative mode firstSample, for the next
// tick. In absolute mode lastSample takes the sample; in relative mode it keeps the part of the
// change that the move's truncated quotient did not use. Every sum, difference and product
// wraps around at 32 bits. A sensitivity of 0 leaves that axis still (relative) or at its base
// (absolute); INT32_MIN / -1 gives INT32_MIN.
PointerMove MapSample(const MappingParameterSet& parameters, int32_t x, int32_t y, SamplePoint& lastSample,
                      bool& firstSample);
