#pragma once
// Test-side control of the driver doubles: pick a scenario folder for the bare-name DLL search,
// script VFXGetTracking and read back every call the doubles saw.
//
// Scenarios: "full", "drive-only" (no VFXDraw.dll), "none" (neither DLL),
// "drive-without-<entry>" for each VFXDrive.dll entry point and "draw-without-<entry>" for each
// VFXDraw.dll entry point (the other DLL complete).
#include "DoubleControl.h"

#include <string>
#include <vector>

DriverDoubleControl& Doubles();
void ResetDoubles(); // empty record; VFXGetTracking answers 1 and writes (0, 0, 0)
std::vector<std::string> CallNames();

void UseDriverScenario(const std::string& scenario);
std::string DriverScenarioFolder(const std::string& scenario);
bool IsDriverLibraryLoaded(const char* dllName);
void UnloadDriverDoubles(); // releases every load still held, so the next scenario is found
