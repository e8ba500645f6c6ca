#pragma once
#include <string>

// The build's program folder, holding nodlink.exe and the simulated headset, seen from the
// benchmarks in bench/ of the build tree. Ends in '\'.
std::string BuildProgramDirectory();
