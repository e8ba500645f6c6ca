#pragma once
// What the soak does to nodlink.exe, each phase to a program of its own, sampling its counters
// into the table along the way.
#include "CounterTable.h"

constexpr long GrowthBase = 100; // cycles: what the first ones set up once is not growth

void TrackFor(long minutes, CounterTable& table); // sampled every minute
// Sampled at the start, after GrowthBase cycles and after every fifth of them.
void ActivateAndStop(long cycles, CounterTable& table);
void AddAndDelete(long cycles, CounterTable& table);
void NameExistsBox(long cycles, CounterTable& table);
void CannotDeleteDefaultBox(long cycles, CounterTable& table);
void SavePrompt(long cycles, CounterTable& table);
void DeletePrompt(long cycles, CounterTable& table);
void InputBoxCancelled(long cycles, CounterTable& table);
