#include "DoubleRecorder.h"

#include <windows.h>

#include <cstring>
#include <iterator>

DriverDoubleControl* Control()
{
    const auto lookUp = reinterpret_cast<DriverDoublesExport>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), DriverDoublesExportName)));
    return lookUp ? lookUp() : nullptr;
}

void Record(const char* name, uintptr_t a, uintptr_t b, uintptr_t c)
{
    DriverDoubleControl* control = Control();
    if (!control || control->callCount >= static_cast<int>(std::size(control->calls)))
        return;
    DriverCall& call = control->calls[control->callCount++];
    strncpy(call.name, name, sizeof call.name - 1);
    call.name[sizeof call.name - 1] = '\0';
    call.arguments[0] = a;
    call.arguments[1] = b;
    call.arguments[2] = c;
    if (control->onCall)
        control->onCall(name);
}

void CountLoad(DWORD reason, int DriverDoubleControl::*loads, int DriverDoubleControl::*unloads)
{
    if (DriverDoubleControl* control = Control()) {
        if (reason == DLL_PROCESS_ATTACH)
            ++(control->*loads);
        else if (reason == DLL_PROCESS_DETACH)
            ++(control->*unloads);
    }
}
