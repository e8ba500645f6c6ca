// Runs the real dialog with the simulated headset, in this process, for an hour and through
// thousands of cycles of what a user does, and prints how the process's handles, GDI objects,
// windows and memory develop. Run by hand, not in CI; it fails only when the dialog does not
// answer as a user would expect, naming what it saw.
//
//   soak [--minutes N] [--cycles N] [--short] [PHASE...]
//
// PHASE: tracking, activate, profiles, boxes (all four when none is named). --minutes sets the
// tracking time (60), --cycles the cycles of every other phase (10 000 or 1 000); --short tracks
// 2 minutes and runs a tenth of the cycles.
#include "Bench.h"
#include "GuiObjects.h"
#include "ModalAnswerer.h"
#include "TemporaryFolder.h"
#include "Unit1.h"

#include <psapi.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
constexpr DWORD Patience = 20000; // ms; far beyond any answer of a healthy dialog
constexpr const char* Running = "Running        x = ";
constexpr const char* NamePrompt = "Enter name for the new profile.";
constexpr const char* DeleteQuestion = "Delete current profile?";

std::string unexpected; // what the box answerer found wrong, as it found it

// A box a step must show, and its answer: TYPED and Enter into its edit, or else BUTTON.
struct Box {
    const char* message;
    const char* button;
    const char* typed = nullptr;
};

// What a phase does to its dialog: the set-up once (none when null), then the cycle; each with
// the boxes it must show, in the order they must come.
struct Phase {
    const char* group; // its name on the command line
    const char* title;
    bool minutes; // each cycle tracks for a minute and is sampled, or else the cycles are
                  // sampled after the warm-up and after every fifth of them
    long full;    // minutes or cycles
    std::vector<Box> setUpBoxes;
    void (*setUp)(TNodlink& form);
    std::vector<Box> cycleBoxes;
    void (*cycle)(TNodlink& form);
};

// Runs ACTION with BOXES answered; a box that comes unasked, or one that does not come, ends
// the run.
void Expecting(const std::vector<Box>& boxes, const std::function<void()>& action)
{
    unexpected.clear();
    std::string expected, seen;
    {
        ModalAnswerer answerer([](const std::string& problem) { unexpected += "; " + problem; });
        for (const Box& box : boxes) {
            expected += " \"" + std::string(box.message) + "\"";
            box.typed ? answerer.TypeAndPressEnter(box.typed) : answerer.Press(box.button);
        }
        action();
        for (const ShownWindow& box : answerer.Seen())
            seen += " \"" + box.message + "\"";
    }
    if (seen != expected || !unexpected.empty())
        throw std::runtime_error("boxes expected:" + expected + ", seen:" + seen + unexpected);
}

// Only the tick's status comes later, while the timer runs; any other is there at once or never.
void WaitForStatus(const TNodlink& form, const char* prefix)
{
    const auto shown = [&] { return form.Status.Caption().starts_with(prefix); };
    PumpUntil([&] { return shown() || !form.Timer1.Enabled() || !unexpected.empty(); }, Patience);
    if (!shown() || !unexpected.empty())
        throw std::runtime_error(std::string("waited in vain for the status \"") + prefix + "...\"; it shows \"" +
                                 form.Status.Caption() + "\"" + unexpected);
}

void StartTracking(TNodlink& form)
{
    form.RunClick();
    WaitForStatus(form, Running);
}

// clang-format off
const Phase Phases[] = {
    {"tracking", "Tracking with the simulated head", true, 60, {}, StartTracking, {}, [](TNodlink& form) {
         PumpUntil([] { return !unexpected.empty(); }, 60000);
         WaitForStatus(form, Running);
     }},
    {"activate", "Activate and Stop", false, 10000, {}, nullptr, {}, [](TNodlink& form) {
         StartTracking(form);
         form.StopClick();
         WaitForStatus(form, "Stopped.");
     }},
    // Add loads the new profile.
    {"profiles", "Add a profile and delete it", false, 1000, {}, nullptr,
     {{NamePrompt, nullptr, "soak"}, {DeleteQuestion, "&Yes"}},
     [](TNodlink& form) { form.AddClick(), form.DeleteClick(); }},
    {"boxes", "\"Profile name already exists.\", OK", false, 1000, {}, nullptr,
     {{NamePrompt, nullptr, "default"}, {"Profile name already exists.", "OK"}},
     [](TNodlink& form) { form.AddClick(); }},
    {"boxes", "\"Cannot delete the default setup.\", OK", false, 1000, {}, nullptr,
     {{"Cannot delete the default setup.", "OK"}}, [](TNodlink& form) { form.DeleteClick(); }},
    // After Cancel, default.vfx is loaded again.
    {"boxes", "Save prompt on selecting a profile, Cancel", false, 1000, {}, nullptr,
     {{"The current profile has been modified.Save changes?", "Cancel"}},
     [](TNodlink& form) { form.XSens.SetText("11"), form.ListProfilesClick(); }},
    {"boxes", "\"Delete current profile?\", No", false, 1000, {{NamePrompt, nullptr, "soak"}},
     [](TNodlink& form) { form.AddClick(); }, {{DeleteQuestion, "&No"}}, [](TNodlink& form) { form.DeleteClick(); }},
    {"boxes", "Input box of Add, Cancel", false, 1000, {}, nullptr, {{NamePrompt, "Cancel"}},
     [](TNodlink& form) { form.AddClick(); }},
};
// clang-format on

// What a leak would make grow.
constexpr const char* CounterNames[] = {"handles", "GDI", "windows", "private KiB", "working set KiB"};
using Counters = std::array<long long, std::size(CounterNames)>;

long long Handles()
{
    DWORD count = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &count) && count != 0)
        return count;
    // Wine answers 0: count the values that name a handle. It hands out the lowest free slot,
    // so leaked handles fill its table upwards from value 4; this probes 65535 slots.
    long long open = 0;
    for (UINT_PTR value = 4; value < 0x40000; value += 4)
        open += GetHandleInformation(reinterpret_cast<HANDLE>(value), &count) != 0;
    return open;
}

Counters Sample()
{
    SIZE_T committedPrivate = 0;
    MEMORY_BASIC_INFORMATION region{};
    for (const BYTE* address = nullptr; VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<const BYTE*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            committedPrivate += region.RegionSize;
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    const GuiObjects gui = CountGuiObjects();
    return {Handles(), gui.gdiObjects, gui.windows, static_cast<long long>(committedPrivate / 1024),
            static_cast<long long>(memory.WorkingSetSize / 1024)};
}

// Each phase meets a dialog of its own, started from a fresh program directory holding
// default.vfx.
void Soak(const Phase& phase, long cycles)
{
    const TemporaryFolder folder;
    if (!folder.CopyIn(BuildTreeFolder("program"), "default.vfx"))
        throw std::runtime_error("cannot copy default.vfx of the program folder");
    RunDialogFrom(folder.Path());
    std::unique_ptr<TNodlink> form;
    Expecting({}, [&] { form = std::make_unique<TNodlink>(); });
    if (phase.setUp)
        Expecting(phase.setUpBoxes, [&] { phase.setUp(*form); });
    const char* unit = phase.minutes ? "minute" : "cycle";
    std::printf("\n%s\n%8s %8s %6s %8s %12s %16s\n", phase.title, unit, CounterNames[0], CounterNames[1],
                CounterNames[2], CounterNames[3], CounterNames[4]);
    // What the first tenth of a run sets up once is not growth; a run too short for that is
    // measured from its start.
    const long warmUp = cycles >= 10 ? cycles / 10 : 0;
    const auto printRow = [](long at, const Counters& counters) {
        const auto [handles, gdi, windows, committedPrivate, workingSet] = counters;
        std::printf("%8ld %8lld %6lld %8lld %12lld %16lld\n", at, handles, gdi, windows, committedPrivate, workingSet);
    };
    Counters base = Sample(), last = base;
    printRow(0, last);
    for (long done = 1; done <= cycles; ++done) {
        Expecting(phase.cycleBoxes, [&] { phase.cycle(*form); });
        if (phase.minutes || done == warmUp || done % std::max(cycles / 5, 1L) == 0) {
            last = Sample();
            printRow(done, last);
            base = done == warmUp ? last : base;
        }
    }
    Expecting({}, [&] { form->ExitClick(); }); // with no pending edit to offer
    std::printf("growth from %s %ld to %ld:", unit, warmUp, cycles);
    for (size_t i = 0; i < last.size(); ++i)
        std::printf("%s %s %+lld", i ? "," : "", CounterNames[i], last[i] - base[i]);
    std::printf("\n");
}
}

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0); // each row as soon as it is sampled, into a log too
    long minutes = 0, cycles = 0;             // 0: as the phase has it
    bool quick = false;
    std::vector<std::string> groups;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--minutes" || argument == "--cycles") && i + 1 < argc)
            (argument == "--minutes" ? minutes : cycles) = std::atol(argv[++i]);
        else if (argument == "--short")
            quick = true;
        else if (std::any_of(std::begin(Phases), std::end(Phases), [&](const Phase& p) { return argument == p.group; }))
            groups.push_back(argument);
        else {
            std::fprintf(stderr, "soak: what is %s? soak [--minutes N] [--cycles N] [--short] [PHASE...]\n", argv[i]);
            return 2;
        }
    }
    try {
        for (const Phase& phase : Phases) {
            const long given = phase.minutes ? minutes : cycles;
            if (groups.empty() || std::find(groups.begin(), groups.end(), phase.group) != groups.end())
                Soak(phase, given > 0 ? given : quick ? phase.full / (phase.minutes ? 30 : 10) : phase.full);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "soak: %s\n", error.what());
        return 1;
    }
    return 0;
}
