#pragma once
// Used inside the double DLLs only.
#include "DoubleControl.h"

#include <windows.h>

DriverDoubleControl* Control();
void Record(const char* name, uintptr_t a = 0, uintptr_t b = 0, uintptr_t c = 0);

// For DllMain: counts a load or an unload of this double into LOADS or UNLOADS of the record.
void CountLoad(DWORD reason, int DriverDoubleControl::*loads, int DriverDoubleControl::*unloads);
