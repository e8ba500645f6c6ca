#pragma once
#include <string>

// The folder of the running test executable, ending in '\'. Test executables live in tests/bin
// of the build tree, so the build's other folders are found from here.
std::string ExecutableDirectory();
inline std::string BuiltProgram() { return ExecutableDirectory() + "..\\..\\program\\"; } // the build's program folder
