#pragma once
#include <string_view>

// True when NAME plus ".vfx" can only name a file inside the program directory: no path
// separator, no drive colon, no character Windows forbids in file names and no reserved device
// name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9 and the ports with a superscript 1, 2 or 3,
// with or without an extension).
bool IsPlainProfileName(std::string_view name);
