#pragma once
// One tracking tick: read the tracker, map the sample, inject one mouse event.
#include "PointerMapping.h"

#include <windows.h>

#include <cstdint>

// The mapping state. The parameters are written only by a profile load and start out absolute,
// both axes inverted, at sensitivity 1; LastSample starts at (0, 0). FirstSample makes the next
// relative tick take a fresh baseline and move by zero.
inline constexpr MappingParameterSet InitialMappingParameters{true, true, true, 1, 1, 0, 0};
extern MappingParameterSet MappingParameters;
extern SamplePoint LastSample;
extern bool FirstSample;

// Where the step's event goes; SendInput unless a test or the benchmark puts its own in.
using SendInputFunction = decltype(&SendInput);
extern SendInputFunction SendPointerInput;

// shownX and shownY receive the two numbers for the status line.
void PointerStep(int32_t& shownX, int32_t& shownY);
