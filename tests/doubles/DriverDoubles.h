#pragma once
// Test-side control of the driver doubles: pick a scenario folder for the bare-name DLL search,
// script VFXGetTracking and read back every call the doubles saw.
//
// Scenarios: "full", "drive-only" (no VFXDraw.dll), "none" (neither DLL), and
// "without-<entry>" for each entry point (both DLLs lack it).
#include "DoubleControl.h"

#include <string>
#include <vector>

DriverDoubleControl& Doubles();
void ResetDoubles(); // empty record; VFXGetTracking answers 1 and writes (0, 0, 0)
std::vector<std::string> CallNames();

void UseDriverScenario(const std::string& scenario); // also releases every load still held
std::string DriverScenarioFolder(const std::string& scenario);
bool IsDriverLibraryLoaded(const char* dllName);
void UnloadDriverDoubles();
