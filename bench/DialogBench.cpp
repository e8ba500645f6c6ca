// The real dialog while tracking with the simulated headset, beside a bare loop that does only
// what a tick must: ticks per second, CPU time per second for a still and a moving head, heap
// allocations of the whole tick, and of nodlink.exe itself the time from process start to a
// visible window, its working set and its file size. Prints figures, asserts nothing.
#include "AllocationCounter.h"
#include "Application.h"
#include "BareLoop.h"
#include "BuildTree.h"
#include "PointerStep.h"
#include "Unit1.h"

#include <psapi.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {
// Each figure is the mean of many short rounds, taken by turns with the other three, so that
// what other processes do to the machine meanwhile falls on all four alike. Wine counts process
// time in steps of 10 ms; the rounds' rounding errors mostly cancel.
constexpr int Rounds = 20;
constexpr DWORD RoundMs = 3000;
constexpr int CountedTicks = 10000;
// Relative mode with a sensitivity beyond any tick's movement: every move and every status
// text is x = 0, y = 0, as for a head held still.
constexpr MappingParameterSet StillHead{false, false, false, 1 << 20, 1 << 20, 0, 0};

long dialogTicks = 0;
std::vector<INPUT> sentEvents;

UINT WINAPI RecordingSendInput(UINT count, LPINPUT inputs, int size)
{
    ++dialogTicks;
    if (sentEvents.size() < sentEvents.capacity())
        sentEvents.push_back(*inputs);
    return SendInput(count, inputs, size);
}

struct HeadFigures {
    TickCost dialog;
    TickCost bare;
};

// The dialog tracks the head that PARAMETERS make of the simulated one (the loaded profile
// when null), then the bare loop replays the events it sent.
HeadFigures MeasureHead(TNodlink& form, const MappingParameterSet* parameters)
{
    sentEvents.clear();
    sentEvents.reserve(static_cast<size_t>(RoundMs) / 5); // room for 200 ticks a second
    SendPointerInput = RecordingSendInput;
    form.RunClick();
    if (parameters)
        MappingParameters = *parameters;
    const TickCost dialog = MeasureTicks(dialogTicks, RoundMs);
    form.StopClick();
    SendPointerInput = SendInput;
    return {dialog, MeasureBareLoop(sentEvents, RoundMs)};
}

void AddRound(HeadFigures& mean, const HeadFigures& round)
{
    for (auto [sum, cost] : {std::pair{&mean.dialog, round.dialog}, std::pair{&mean.bare, round.bare}}) {
        sum->ticksPerSecond += cost.ticksPerSecond / Rounds;
        sum->cpuSecondsPerSecond += cost.cpuSecondsPerSecond / Rounds;
    }
}

// Heap allocations in CountedTicks calls of the whole tick, with PARAMETERS given before each.
template <class Parameters>
AllocationCount CountTickAllocations(TNodlink& form, Parameters parameters)
{
    form.RunClick();
    const AllocationCount before = AllocationsSoFar();
    for (int tick = 0; tick < CountedTicks; ++tick) {
        MappingParameters = parameters(tick);
        form.Timer1Timer();
    }
    const AllocationCount after = AllocationsSoFar();
    form.StopClick();
    return {after.operatorNew - before.operatorNew, after.heapCalls - before.heapCalls};
}

struct StartFigures {
    double secondsToWindow;
    SIZE_T workingSetBytes;
};

BOOL CALLBACK FindVisibleWindowOf(HWND window, LPARAM parameter)
{
    auto* found = reinterpret_cast<std::pair<DWORD, HWND>*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != found->first || !IsWindowVisible(window))
        return TRUE;
    found->second = window;
    return FALSE;
}

StartFigures MeasureStart()
{
    std::string commandLine = BuildTreeFolder("program") + "nodlink.exe\"";
    commandLine.insert(commandLine.begin(), '"');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LONGLONG start = Now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {-1, 0};
    std::pair<DWORD, HWND> found{process.dwProcessId, nullptr};
    while (!found.second && SecondsSince(start) < 30) {
        EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&found));
        Sleep(1);
    }
    const double toWindow = SecondsSince(start);
    Sleep(500); // let it settle before reading its memory
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {found.second ? toWindow : -1, memory.WorkingSetSize};
}

long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void PrintHead(const char* head, const HeadFigures& figures)
{
    std::printf("  CPU seconds per second, %-12s dialog     %8.4f\n", head, figures.dialog.cpuSecondsPerSecond);
    std::printf("  CPU seconds per second, %-12s bare loop  %8.4f\n", head, figures.bare.cpuSecondsPerSecond);
    std::printf("CPU ratio dialog / bare loop, %s   %.2f\n", head,
                figures.dialog.cpuSecondsPerSecond / figures.bare.cpuSecondsPerSecond);
}

void PrintAllocations(const char* ticks, const AllocationCount& count)
{
    std::printf("  %-42s %8llu %10llu\n", ticks, static_cast<unsigned long long>(count.operatorNew),
                static_cast<unsigned long long>(count.heapCalls));
}
}

int main()
{
    StartCountingAllocations();
    Application->Initialize();
    Application->SetExeName(BuildTreeFolder("program") + "nodlink.exe");
    SetDllDirectoryA(BuildTreeFolder("program").c_str());
    TNodlink form;
    HeadFigures still{}, moving{};
    for (int round = 0; round < Rounds; ++round) {
        AddRound(still, MeasureHead(form, &StillHead));
        AddRound(moving, MeasureHead(form, nullptr));
    }
    const AllocationCount stillTicks = CountTickAllocations(form, [](int) { return StillHead; });
    // Absolute mode, X sensitivity 1 and 2 by turns: a new status text on every tick.
    const AllocationCount newTextTicks = CountTickAllocations(
        form, [](int tick) { return MappingParameterSet{true, false, false, 1 + tick % 2, 1, 0, 0}; });
    const StartFigures start = MeasureStart();

    std::printf("Nodlink dialog with the simulated headset; each timer figure the mean of %d rounds of %lu s\n",
                Rounds, RoundMs / 1000);
    std::printf("  ticks per second, dialog while tracking   %8.1f\n", moving.dialog.ticksPerSecond);
    std::printf("  ticks per second, bare loop               %8.1f\n", moving.bare.ticksPerSecond);
    std::printf("  ratio dialog / bare                       %8.3f\n",
                moving.dialog.ticksPerSecond / moving.bare.ticksPerSecond);
    PrintHead("still head", still);
    PrintHead("moving head", moving);
    std::printf("Heap allocations in %d calls of Timer1Timer  operator new  heap calls\n", CountedTicks);
    PrintAllocations("still head, the text never changes", stillTicks);
    PrintAllocations("a new text on every tick", newTextTicks);
    std::printf("  process start to visible window           %8.1f ms\n", start.secondsToWindow * 1000);
    std::printf("  working set of nodlink.exe, idle          %8.1f MiB\n", start.workingSetBytes / 1048576.0);
    std::printf("  size of nodlink.exe                       %8.1f KiB\n",
                FileSize(BuildTreeFolder("program") + "nodlink.exe") / 1024.0);
    return 0;
}
