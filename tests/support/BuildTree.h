#pragma once
#include <string>

// A folder of the build tree, seen from a test or bench executable two levels below it
// (tests/bin, bench/bin): BuildTreeFolder("program") is the built program folder. Ends in '\'.
std::string BuildTreeFolder(const std::string& relative);
