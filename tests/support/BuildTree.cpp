#include "BuildTree.h"

#include <windows.h>

std::string BuildTreeFolder(const std::string& relative)
{
    char path[MAX_PATH] = {};
    const std::string executable(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return executable.substr(0, executable.find_last_of("\\/") + 1) + "..\\..\\" + relative + "\\";
}
