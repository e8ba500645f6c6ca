#pragma once
// Test-side control of the driver doubles. Scenario folders for the bare-name DLL search:
// "full", "drive-only" (no VFXDraw.dll), "none", and "without-<entry>" for each entry point.
#include "DoubleControl.h"

#include <string>
#include <vector>

DriverDoubleControl& Doubles();
void ResetDoubles(); // empty record; VFXGetTracking answers 1 and writes (0, 0, 0)
std::vector<std::string> CallNames();
void UseDriverScenario(const std::string& scenario); // releases every load still held first
std::string DriverScenarioFolder(const std::string& scenario);
bool IsDriverLibraryLoaded(const char* dllName);
