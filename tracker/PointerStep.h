#pragma once
// One tracking tick: read the tracker, map the sample, inject one mouse event.
#include "PointerMapping.h"

#include <windows.h>

#include <cstdint>

extern MappingParameterSet MappingParameters; // written only by a profile load
extern SamplePoint LastSample;
extern bool FirstSample;

// Where the step's event goes; SendInput unless a test or the benchmark puts its own in.
using SendInputFunction = decltype(&SendInput);
extern SendInputFunction SendPointerInput;

// shownX and shownY receive the two numbers for the status line.
void PointerStep(int32_t& shownX, int32_t& shownY);
