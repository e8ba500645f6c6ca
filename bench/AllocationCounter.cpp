#include "AllocationCounter.h"

#include <windows.h>

#include <malloc.h>

#include <cstdlib>
#include <cstring>
#include <new>

namespace {
uint64_t operatorNewCalls = 0;
uint64_t heapCalls = 0;

decltype(&malloc) originalMalloc = malloc;
decltype(&calloc) originalCalloc = calloc;
decltype(&realloc) originalRealloc = realloc;
decltype(&_aligned_malloc) originalAlignedMalloc = _aligned_malloc;
decltype(&HeapAlloc) originalHeapAlloc = HeapAlloc;
decltype(&HeapReAlloc) originalHeapReAlloc = HeapReAlloc;

void* __cdecl CountingMalloc(size_t size)
{
    ++heapCalls;
    return originalMalloc(size);
}

void* __cdecl CountingCalloc(size_t count, size_t size)
{
    ++heapCalls;
    return originalCalloc(count, size);
}

void* __cdecl CountingRealloc(void* block, size_t size)
{
    ++heapCalls;
    return originalRealloc(block, size);
}

void* __cdecl CountingAlignedMalloc(size_t size, size_t alignment)
{
    ++heapCalls;
    return originalAlignedMalloc(size, alignment);
}

LPVOID WINAPI CountingHeapAlloc(HANDLE heap, DWORD flags, SIZE_T size)
{
    ++heapCalls;
    return originalHeapAlloc(heap, flags, size);
}

LPVOID WINAPI CountingHeapReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T size)
{
    ++heapCalls;
    return originalHeapReAlloc(heap, flags, block, size);
}

struct ImportHook {
    const char* name;
    void* replacement;
    void** original;
};

template <typename Function>
ImportHook Hook(const char* name, Function replacement, Function& original)
{
    return {name, reinterpret_cast<void*>(replacement), reinterpret_cast<void**>(&original)};
}

void Redirect(ULONG_PTR& slot, const ImportHook& hook)
{
    DWORD protection = 0;
    VirtualProtect(&slot, sizeof slot, PAGE_READWRITE, &protection);
    *hook.original = reinterpret_cast<void*>(slot);
    slot = reinterpret_cast<ULONG_PTR>(hook.replacement);
    VirtualProtect(&slot, sizeof slot, protection, &protection);
}
}

void StartCountingAllocations()
{
    const ImportHook hooks[] = {
        Hook("malloc", &CountingMalloc, originalMalloc),
        Hook("calloc", &CountingCalloc, originalCalloc),
        Hook("realloc", &CountingRealloc, originalRealloc),
        Hook("_aligned_malloc", &CountingAlignedMalloc, originalAlignedMalloc),
        Hook("HeapAlloc", &CountingHeapAlloc, originalHeapAlloc),
        Hook("HeapReAlloc", &CountingHeapReAlloc, originalHeapReAlloc),
    };
    auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* library = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; library->Name; ++library) {
        auto* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const auto* import = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            for (const ImportHook& hook : hooks)
                if (std::strcmp(reinterpret_cast<const char*>(import->Name), hook.name) == 0)
                    Redirect(slots->u1.Function, hook);
        }
    }
}

AllocationCount AllocationsSoFar()
{
    return {operatorNewCalls, heapCalls};
}

// The C++ runtime's array and nothrow forms end in these.
void* operator new(std::size_t size)
{
    ++operatorNewCalls;
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void* operator new(std::size_t size, std::align_val_t alignment)
{
    ++operatorNewCalls;
    if (void* block = _aligned_malloc(size ? size : 1, static_cast<std::size_t>(alignment)))
        return block;
    throw std::bad_alloc();
}

void operator delete(void* block, std::align_val_t) noexcept
{
    _aligned_free(block);
}
