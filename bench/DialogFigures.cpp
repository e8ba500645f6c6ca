// The real dialog while tracking with the simulated headset, beside a bare loop that does only
// what a tick must: ticks per second, CPU time per second for a still and a moving head, heap
// allocations of the whole tick, and of nodlink.exe itself the time from process start to a
// visible window, its working set and its file size.
#include "Bench.h"
#include "Dpi.h"
#include "Font.h"
#include "PointerStep.h"
#include "Unit1.h"

#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace {
// Each figure is the mean of many short rounds, taken by turns with the other three, so that
// what other processes do to the machine meanwhile falls on all four alike. Wine counts process
// time in steps of 10 ms; the rounds' rounding errors mostly cancel.
constexpr int Rounds = 20, CountedTicks = 10000;
constexpr DWORD RoundMs = 3000;
// Relative mode with a sensitivity beyond any tick's movement: every move and every status
// text is x = 0, y = 0, as for a head held still.
constexpr MappingParameterSet StillHead{false, false, false, 1 << 20, 1 << 20, 0, 0};
enum Head { Still, Moving };
enum Loop { Dialog, Bare };

struct TickCost {
    double ticksPerSecond, cpuSecondsPerSecond; // CPU: user and kernel time of this process
};

long dialogTicks = 0;
std::vector<INPUT> sentEvents;            // by the dialog, for the bare loop to send the same
std::vector<double> tickTimes, intervals; // ms: of the dialog's ticks in a round; between them

// The bare loop: a window with a timer of the dialog's kind and interval that on each tick sends
// one of the dialog's mouse events and, as the status line does, shows the status text of the
// latest tick in a plain STATIC label in the status line's font, at most once a display frame.
struct {
    size_t next;
    HWND label;
    char shown[64];
    double shownAtMs;
    long ticks;
} bare;

UINT WINAPI RecordingSendInput(UINT count, LPINPUT inputs, int size)
{
    ++dialogTicks;
    if (sentEvents.size() < sentEvents.capacity())
        sentEvents.push_back(*inputs), tickTimes.push_back(MillisecondsNow());
    return SendInput(count, inputs, size);
}

void BareTick()
{
    INPUT input = sentEvents[bare.next++ % sentEvents.size()];
    SendInput(1, &input, sizeof(INPUT));
    // Relative moves: the status line shows the event's own dx and dy.
    char text[sizeof bare.shown];
    std::snprintf(text, sizeof text, "Running        x = %d  y = %d", static_cast<int>(input.mi.dx),
                  static_cast<int>(input.mi.dy));
    if (std::strcmp(text, bare.shown) != 0 && MillisecondsNow() - bare.shownAtMs >= TNodlink::StatusRefreshGapMs) {
        std::memcpy(bare.shown, text, sizeof text);
        SetWindowTextA(bare.label, text);
        bare.shownAtMs = MillisecondsNow();
    }
    ++bare.ticks;
}

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return static_cast<double>(ULARGE_INTEGER{{kernel.dwLowDateTime, kernel.dwHighDateTime}}.QuadPart +
                               ULARGE_INTEGER{{user.dwLowDateTime, user.dwHighDateTime}}.QuadPart) /
           1e7;
}

// Dispatches messages for a round, adding its share to MEAN; TICKS is what the tick counts up.
// The pointer moves at the screen's top left, where no window of either loop gets its messages,
// as over the other programs a user points at.
void MeasureTicks(const long& ticks, TickCost& mean)
{
    SetCursorPos(150, 170);
    const long ticksBefore = ticks;
    const double cpuBefore = CpuSeconds();
    const Clock::time_point start = Clock::now();
    PumpUntil([] { return false; }, RoundMs);
    const double elapsed = SecondsSince(start);
    mean.ticksPerSecond += (ticks - ticksBefore) / elapsed / Rounds;
    mean.cpuSecondsPerSecond += (CpuSeconds() - cpuBefore) / elapsed / Rounds;
}

// The dialog tracks the head that PARAMETERS make of the simulated one (the loaded profile
// when null), then the bare loop replays the events it sent.
void MeasureRound(TNodlink& form, const MappingParameterSet* parameters, TickCost (&mean)[2])
{
    sentEvents.clear(), tickTimes.clear();
    sentEvents.reserve(RoundMs), tickTimes.reserve(RoundMs); // room for 1000 ticks a second
    SendPointerInput = RecordingSendInput;
    form.RunClick();
    if (parameters)
        MappingParameters = *parameters;
    MeasureTicks(dialogTicks, mean[Dialog]);
    form.StopClick();
    SendPointerInput = SendInput;
    if (sentEvents.empty())
        throw std::runtime_error("the dialog sent no mouse event while tracking");
    for (size_t i = 1; i < tickTimes.size(); ++i)
        intervals.push_back(tickTimes[i] - tickTimes[i - 1]);
    // The dialog's size, and its status line's place and font.
    TForm window("Bare loop", 463, 398);
    bare = {0,
            CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, ScaleToDpi(16),
                          ScaleToDpi(288), ScaleToDpi(430), ScaleToDpi(24), window.Handle(), nullptr, nullptr, nullptr),
            "", 0, 0};
    const TFont font("MS Sans Serif", -19);
    SendMessageA(bare.label, WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), FALSE);
    window.Show();
    TTimer timer(window, form.Timer1.Interval());
    timer.OnTimer = BareTick;
    timer.SetEnabled(true);
    MeasureTicks(bare.ticks, mean[Bare]);
}

// nodlink.exe from the built program folder: seconds from process start to its visible window,
// and its working set once it has settled. This process must show no window of that title.
std::pair<double, SIZE_T> MeasureStart()
{
    const std::string program = BuildTreeFolder("program") + "nodlink.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const Clock::time_point start = Clock::now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        throw std::runtime_error("cannot start " + commandLine);
    const Finally end{[&process] {
        TerminateProcess(process.hProcess, 0), CloseHandle(process.hThread), CloseHandle(process.hProcess);
    }};
    bool shown = false;
    for (; !shown && SecondsSince(start) < 30; Sleep(1))
        shown = IsWindowVisible(FindWindowA(nullptr, "Nodlink"));
    const double toWindow = SecondsSince(start);
    Sleep(500); // let it settle before reading its memory
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    if (!shown)
        throw std::runtime_error("nodlink.exe showed no window in 30 s");
    return {toWindow, memory.WorkingSetSize};
}
}

void DialogFigures()
{
    const auto [secondsToWindow, workingSet] = MeasureStart(); // while this process shows no window
    RunDialogFrom(BuildTreeFolder("program"));
    TNodlink form;
    TickCost mean[2][2] = {}; // by head and loop
    for (int round = 0; round < Rounds; ++round) {
        MeasureRound(form, &StillHead, mean[Still]);
        MeasureRound(form, nullptr, mean[Moving]);
    }
    std::printf("Nodlink dialog with the simulated headset; each timer figure the mean of %d rounds of %lu s\n", Rounds,
                RoundMs / 1000);
    std::printf("  ticks per second, dialog while tracking   %8.1f\n", mean[Moving][Dialog].ticksPerSecond);
    std::printf("  ticks per second, bare loop               %8.1f\n", mean[Moving][Bare].ticksPerSecond);
    std::printf("  ratio dialog / bare                       %8.3f\n",
                mean[Moving][Dialog].ticksPerSecond / mean[Moving][Bare].ticksPerSecond);
    std::printf("  interval between ticks, median / p99      %8.2f / %.2f ms\n", Percentile(intervals, 0.5),
                Percentile(intervals, 0.99));
    for (const Head head : {Still, Moving}) {
        const char* name = head == Still ? "still head" : "moving head";
        const double dialog = mean[head][Dialog].cpuSecondsPerSecond, bareLoop = mean[head][Bare].cpuSecondsPerSecond;
        std::printf("  CPU seconds per second, %-12s dialog     %8.4f\n", name, dialog);
        std::printf("  CPU seconds per second, %-12s bare loop  %8.4f\n", name, bareLoop);
        std::printf("CPU ratio dialog / bare loop, %s   %.2f\n", name, dialog / bareLoop);
    }

    std::printf("Heap allocations in %d calls of Timer1Timer  operator new  heap calls\n", CountedTicks);
    for (const bool newText : {false, true}) {
        form.RunClick();
        const Allocations before = allocationsSoFar;
        for (int tick = 0; tick < CountedTicks; ++tick) {
            // Absolute mode, X sensitivity 1 and 2 by turns: a new status text on every tick.
            MappingParameters = newText ? MappingParameterSet{true, false, false, 1 + tick % 2, 1, 0, 0} : StillHead;
            form.Timer1Timer();
        }
        const Allocations ticks = allocationsSoFar - before;
        form.StopClick();
        std::printf("  %-42s %8llu %10llu\n",
                    newText ? "a new text on every tick" : "still head, the text never changes", ticks.operatorNew,
                    ticks.heapCalls);
    }
    std::printf("  (%s)\n", WhatAllocationsCount);
    std::printf("  process start to visible window           %8.1f ms\n", secondsToWindow * 1000);
    std::printf("  working set of nodlink.exe, idle          %8.1f MiB\n", workingSet / 1048576.0);
    std::printf("  size of nodlink.exe                       %8.1f KiB\n",
                std::filesystem::file_size(BuildTreeFolder("program") + "nodlink.exe") / 1024.0);
}
