#include "Bench.h"

#include <cstdlib>
#include <cstring>
#include <new>

Allocations allocationsSoFar{};

namespace {
// What the import table held, called by the counting stand-ins put in its place.
decltype(&malloc) systemMalloc;
decltype(&calloc) systemCalloc;
decltype(&realloc) systemRealloc;

template <auto& System, class... Arguments>
void* __cdecl Counted(Arguments... arguments)
{
    ++allocationsSoFar.heapCalls;
    return System(arguments...);
}
}

void StartCountingAllocations()
{
    const struct {
        const char* name;
        void* counting;
        void** system;
    } hooks[] = {
        {"malloc", reinterpret_cast<void*>(&Counted<systemMalloc, size_t>), reinterpret_cast<void**>(&systemMalloc)},
        {"calloc", reinterpret_cast<void*>(&Counted<systemCalloc, size_t, size_t>),
         reinterpret_cast<void**>(&systemCalloc)},
        {"realloc", reinterpret_cast<void*>(&Counted<systemRealloc, void*, size_t>),
         reinterpret_cast<void**>(&systemRealloc)},
    };
    auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports); library->Name; ++library) {
        auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* import = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            for (const auto& hook : hooks) {
                if (std::strcmp(import->Name, hook.name) != 0)
                    continue;
                DWORD protection = 0;
                VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
                *hook.system = reinterpret_cast<void*>(slots->u1.Function);
                slots->u1.Function = reinterpret_cast<ULONG_PTR>(hook.counting);
                VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            }
        }
    }
}

// The C++ runtime's array and nothrow forms end in this one, and its operator delete frees
// with free.
void* operator new(std::size_t size)
{
    ++allocationsSoFar.operatorNew;
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}
