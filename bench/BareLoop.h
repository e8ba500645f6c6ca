#pragma once
// The least a tracking tick must do, to measure the dialog's tick against: a window with its
// own SetTimer(3) that on each tick sends one mouse event and sets a plain STATIC label, in the
// status line's font, to the status text when that text changes. It replays mouse events the
// dialog sent, so both send the same events and show the same texts.
#include "TickMeasure.h"

#include <vector>

TickCost MeasureBareLoop(const std::vector<INPUT>& events, DWORD ms);
