#include "ScriptedDrivers.h"

#include "BuildTree.h"

#include <windows.h>

namespace {
DriverScript script;
}

extern "C" __declspec(dllexport) DriverScript* NodlinkDriverScript()
{
    return &script;
}

DriverScript& Script()
{
    return script;
}

void UseDriverScenario(const std::string& scenario)
{
    // A DLL still loaded would be found again by its name.
    for (const char* name : {"VFXDrive.dll", "VFXDraw.dll"})
        while (HMODULE module = GetModuleHandleA(name))
            FreeLibrary(module);
    SetDllDirectoryA(BuildTreeFolder("tests\\doubles\\" + scenario).c_str());
}
