#pragma once
// Used inside the double DLLs only.
#include "DoubleControl.h"

DriverDoubleControl* Control();
void Record(const char* name, uintptr_t a = 0, uintptr_t b = 0, uintptr_t c = 0);
