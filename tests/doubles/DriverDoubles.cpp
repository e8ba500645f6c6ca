#include "DriverDoubles.h"

#include "ExecutableDirectory.h"

#include <windows.h>

namespace {
DriverDoubleControl control{1, true};
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
    control = DriverDoubleControl{1, true};
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
    return ExecutableDirectory() + "..\\doubles\\" + scenario; // tests/bin beside tests/doubles
}

void UseDriverScenario(const std::string& scenario)
{
    // A DLL still loaded would be found again by its name.
    for (const char* name : {"VFXDrive.dll", "VFXDraw.dll"})
        while (HMODULE module = GetModuleHandleA(name))
            FreeLibrary(module);
    SetDllDirectoryA(DriverScenarioFolder(scenario).c_str());
}

bool IsDriverLibraryLoaded(const char* dllName)
{
    return GetModuleHandleA(dllName) != nullptr;
}
