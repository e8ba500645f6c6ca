#pragma once
// The test's side of the driver doubles: their script, and which scenario's DLLs the program's
// bare-name load finds: "full", "drive-only" (no VFXDraw.dll) or "none".
#include "DriverScript.h"

#include <string>

DriverScript& Script();                              // DriverScript{}: no calls; VFXGetTracking delivers (0, 0, 0)
void UseDriverScenario(const std::string& scenario); // releases every load still held first
