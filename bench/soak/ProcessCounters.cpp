#include "ProcessCounters.h"

#include "BuildTree.h"

#include <psapi.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace {
constexpr const char* ProbeName = "soak_probe.dll";
constexpr DWORD ProbePatienceMs = 20000;
// Wine hands out the lowest free slot, so leaked handles fill its table upwards from value 4;
// this probes the first 65535 slots.
constexpr UINT_PTR HandleValueLimit = 0x40000;

struct LibraryFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using OwnedLibrary = std::unique_ptr<HINSTANCE__, LibraryFreer>;

// A copy of some bytes in another process's memory, freed when it goes.
class RemoteCopy {
public:
    RemoteCopy(HANDLE process, const void* bytes, SIZE_T size)
        : process(process), address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))
    {
        if (!address || !WriteProcessMemory(process, address, bytes, size, nullptr))
            throw std::runtime_error("cannot write into nodlink.exe's memory");
    }
    ~RemoteCopy()
    {
        if (address)
            VirtualFreeEx(process, address, 0, MEM_RELEASE);
    }
    RemoteCopy(const RemoteCopy&) = delete;
    RemoteCopy& operator=(const RemoteCopy&) = delete;

    void* Address() const { return address; }

private:
    HANDLE process;
    void* address;
};

// Runs START(PARAMETER) in the other process on a thread of its own; gives its exit code.
DWORD RunRemoteThread(HANDLE process, LPTHREAD_START_ROUTINE start, void* parameter)
{
    const OwnedHandle thread(CreateRemoteThread(process, nullptr, 0, start, parameter, 0, nullptr));
    if (!thread)
        throw std::runtime_error("cannot start a thread in nodlink.exe");
    if (WaitForSingleObject(thread.get(), ProbePatienceMs) != WAIT_OBJECT_0)
        throw std::runtime_error("a thread in nodlink.exe did not finish");
    DWORD exitCode = 0;
    GetExitCodeThread(thread.get(), &exitCode);
    return exitCode;
}

BYTE* RemoteModuleBase(HANDLE process, const char* name)
{
    HMODULE modules[1024];
    DWORD size = 0;
    if (EnumProcessModules(process, modules, sizeof modules, &size))
        for (DWORD i = 0; i < size / sizeof(HMODULE) && i < std::size(modules); ++i) {
            char moduleName[MAX_PATH] = {};
            GetModuleBaseNameA(process, modules[i], moduleName, MAX_PATH);
            if (_stricmp(moduleName, name) == 0)
                return reinterpret_cast<BYTE*>(modules[i]);
        }
    throw std::runtime_error(std::string("cannot find ") + name + " in nodlink.exe");
}

// Loads the probe into the process and gives the address of its counting function there.
LPTHREAD_START_ROUTINE LoadProbe(HANDLE process)
{
    const std::string path = BuildTreeFolder("bench\\bin") + ProbeName;
    const OwnedLibrary local(LoadLibraryA(path.c_str()));
    if (!local)
        throw std::runtime_error("cannot load " + path);
    const FARPROC count = GetProcAddress(local.get(), "CountGdiObjects");
    if (!count)
        throw std::runtime_error(path + " exports no CountGdiObjects");
    const auto offset = reinterpret_cast<BYTE*>(count) - reinterpret_cast<BYTE*>(local.get());

    // kernel32 lies at the same address in every process of a session.
    const RemoteCopy remotePath(process, path.c_str(), path.size() + 1);
    auto* loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(&LoadLibraryA));
    if (RunRemoteThread(process, loadLibrary, remotePath.Address()) == 0)
        throw std::runtime_error("nodlink.exe could not load " + path);
    // The thread's exit code holds only the low half of a 64-bit module address.
    return reinterpret_cast<LPTHREAD_START_ROUTINE>(RemoteModuleBase(process, ProbeName) + offset);
}

struct OwnWindows {
    DWORD processId;
    uint64_t count;
};

BOOL CALLBACK CountChild(HWND, LPARAM windows)
{
    ++reinterpret_cast<OwnWindows*>(windows)->count;
    return TRUE;
}

BOOL CALLBACK CountTreeOfOwnWindow(HWND window, LPARAM parameter)
{
    auto* windows = reinterpret_cast<OwnWindows*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == windows->processId) {
        ++windows->count;
        EnumChildWindows(window, CountChild, parameter); // all descendants
    }
    return TRUE;
}
}

ProcessCounters::ProcessCounters(DWORD processId)
    : processId(processId), process(OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId)),
      countGdiObjects(process ? LoadProbe(process.get()) : nullptr)
{
    if (!process)
        throw std::runtime_error("cannot open nodlink.exe's process");
}

Counters ProcessCounters::Sample() const
{
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.get(), &memory, sizeof memory);
    return {Handles(), GdiObjects(), UserObjects(), PrivateBytes(), memory.WorkingSetSize};
}

uint64_t ProcessCounters::Handles() const
{
    DWORD count = 0;
    if (GetProcessHandleCount(process.get(), &count) && count != 0)
        return count;
    // Wine answers 0 for another process: count the handle values that can be duplicated.
    uint64_t open = 0;
    for (UINT_PTR value = 4; value < HandleValueLimit; value += 4) {
        HANDLE copy = nullptr;
        if (DuplicateHandle(process.get(), reinterpret_cast<HANDLE>(value), GetCurrentProcess(), &copy, 0, FALSE,
                            DUPLICATE_SAME_ACCESS)) {
            CloseHandle(copy);
            ++open;
        }
    }
    return open;
}

uint64_t ProcessCounters::GdiObjects() const
{
    return RunRemoteThread(process.get(), countGdiObjects, nullptr);
}

uint64_t ProcessCounters::UserObjects() const
{
    if (const DWORD objects = GetGuiResources(process.get(), GR_USEROBJECTS))
        return objects;
    // Wine answers 0. Windows are the USER objects the program makes and destroys; its icon
    // and system menu are made once.
    OwnWindows windows{processId, 0};
    EnumWindows(CountTreeOfOwnWindow, reinterpret_cast<LPARAM>(&windows));
    return windows.count;
}

uint64_t ProcessCounters::PrivateBytes() const
{
    uint64_t committed = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const BYTE* address = nullptr; VirtualQueryEx(process.get(), address, &region, sizeof region) == sizeof region;
         address = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            committed += region.RegionSize;
    return committed;
}
