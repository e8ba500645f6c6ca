// Runs the real nodlink.exe with the simulated headset for an hour and through thousands of
// cycles of what a user does, and prints how its handles, GDI and USER objects, private bytes
// and working set develop. Run by hand, not in CI; it fails only when Nodlink stops answering
// as it should.
//
//   soak [--minutes N] [--cycles N] [--short] [PHASE...]
//
// PHASE: tracking, activate, profiles, boxes (all four when none is named). --minutes sets the
// tracking time (60), --cycles the cycles of every other phase (10 000 or 1 000); --short tracks
// 2 minutes and runs a tenth of the cycles.
#include "Phases.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace {
struct Phase {
    const char* group; // its name on the command line
    const char* title;
    const char* unit;
    long full; // minutes or cycles
    void (*run)(long, CounterTable&);
};

const Phase Phases[] = {
    {"tracking", "Tracking with the simulated head", "minute", 60, TrackFor},
    {"activate", "Activate and Stop", "cycle", 10000, ActivateAndStop},
    {"profiles", "Add a profile and delete it", "cycle", 1000, AddAndDelete},
    {"boxes", "\"Profile name already exists.\", OK", "cycle", 1000, NameExistsBox},
    {"boxes", "\"Cannot delete the default setup.\", OK", "cycle", 1000, CannotDeleteDefaultBox},
    {"boxes", "Save prompt on selecting a profile, Cancel", "cycle", 1000, SavePrompt},
    {"boxes", "\"Delete current profile?\", No", "cycle", 1000, DeletePrompt},
    {"boxes", "Input box of Add, Cancel", "cycle", 1000, InputBoxCancelled},
};

struct Options {
    long minutes = 0; // 0: as the phase has it
    long cycles = 0;
    bool quick = false;
    std::vector<std::string> groups;
};

bool Selected(const Options& options, const Phase& phase)
{
    if (options.groups.empty())
        return true;
    for (const std::string& group : options.groups)
        if (group == phase.group)
            return true;
    return false;
}

long Length(const Options& options, const Phase& phase)
{
    const long given = phase.run == TrackFor ? options.minutes : options.cycles;
    if (given > 0)
        return given;
    return options.quick ? phase.full / (phase.run == TrackFor ? 30 : 10) : phase.full;
}

Options ParseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--minutes") == 0 && i + 1 < argc)
            options.minutes = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--cycles") == 0 && i + 1 < argc)
            options.cycles = std::atol(argv[++i]);
        else if (std::strcmp(argv[i], "--short") == 0)
            options.quick = true;
        else
            options.groups.emplace_back(argv[i]);
    }
    return options;
}
}

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0); // each row as soon as it is sampled, into a log too
    const Options options = ParseOptions(argc, argv);
    try {
        for (const Phase& phase : Phases) {
            if (!Selected(options, phase))
                continue;
            CounterTable table(phase.title, phase.unit, phase.run == TrackFor ? 1 : GrowthBase);
            phase.run(Length(options, phase), table);
            table.PrintGrowth();
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "soak: %s\n", error.what());
        return 1;
    }
    return 0;
}
