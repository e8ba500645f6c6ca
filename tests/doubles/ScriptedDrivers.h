#pragma once
// The test's side of the driver doubles: their script, and which scenario's DLLs the program's
// bare-name load finds: "full", "drive-only" (no VFXDraw.dll), "none", and
// "without-VFXZeroSet" and "without-VFXSetIPDPercent", which lack that entry point.
#include "DriverScript.h"

#include <string>
#include <vector>

DriverScript& Script();
void ResetScript(); // no calls; VFXGetTracking answers 1 and writes (0, 0, 0)
std::vector<std::string> CallNames();
void UseDriverScenario(const std::string& scenario); // releases every load still held first
