#include "DriverDoubles.h"

#include "ExecutableDirectory.h"

#include <windows.h>

#include <stdexcept>

namespace {
DriverDoubleControl control{};
}

extern "C" __declspec(dllexport) DriverDoubleControl* NodlinkDriverDoubles()
{
    return &control;
}

DriverDoubleControl& Doubles()
{
    return control;
}

void ResetDoubles()
{
    control = DriverDoubleControl{};
    control.trackingStatus = 1;
    control.trackingWrites = true;
}

std::vector<std::string> CallNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < control.callCount; ++i)
        names.emplace_back(control.calls[i].name);
    return names;
}

std::string DriverScenarioFolder(const std::string& scenario)
{
    // Test executables live in tests/bin, the scenarios in tests/doubles/<scenario>.
    const std::string folder = ExecutableDirectory() + "..\\doubles\\" + scenario;
    if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
        throw std::runtime_error("no driver double scenario " + folder);
    return folder;
}

void UseDriverScenario(const std::string& scenario)
{
    UnloadDriverDoubles(); // a loaded DLL would be found again by its name
    SetDllDirectoryA(DriverScenarioFolder(scenario).c_str());
}

bool IsDriverLibraryLoaded(const char* dllName)
{
    return GetModuleHandleA(dllName) != nullptr;
}

void UnloadDriverDoubles()
{
    for (const char* name : {"VFXDrive.dll", "VFXDraw.dll"})
        while (HMODULE module = GetModuleHandleA(name))
            FreeLibrary(module);
}
