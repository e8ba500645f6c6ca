#include "Phases.h"

#include "SoakedNodlink.h"

#include <algorithm>

namespace {
constexpr const char* Running = "Running        x = ";
constexpr const char* NamePrompt = "Enter name for the new profile.";
constexpr const char* SaveQuestion = "The current profile has been modified.Save changes?";
constexpr const char* DeleteQuestion = "Delete current profile?";

template <class Cycle>
void RunCycles(const SoakedNodlink& nodlink, long cycles, CounterTable& table, Cycle cycle)
{
    table.Add(0, nodlink.Sample());
    for (long done = 1; done <= cycles; ++done) {
        cycle();
        if (done == GrowthBase || done % std::max(cycles / 5, 1L) == 0)
            table.Add(done, nodlink.Sample());
    }
    nodlink.Exit();
}

void AddProfile(const SoakedNodlink& nodlink, const char* name)
{
    nodlink.Click("Add");
    nodlink.Answer(NamePrompt, IDOK, name);
}
}

void TrackFor(long minutes, CounterTable& table)
{
    const SoakedNodlink nodlink;
    nodlink.Click("Activate");
    nodlink.WaitForStatus(Running);
    const ULONGLONG start = GetTickCount64();
    table.Add(0, nodlink.Sample());
    for (long minute = 1; minute <= minutes; ++minute) {
        const ULONGLONG due = start + minute * 60000ULL;
        if (const ULONGLONG now = GetTickCount64(); now < due)
            Sleep(static_cast<DWORD>(due - now));
        nodlink.WaitForStatus(Running); // still tracking
        table.Add(minute, nodlink.Sample());
    }
    nodlink.Click("Stop");
    nodlink.WaitForStatus("Stopped.");
    nodlink.Exit();
}

void ActivateAndStop(long cycles, CounterTable& table)
{
    const SoakedNodlink nodlink;
    RunCycles(nodlink, cycles, table, [&] {
        nodlink.Click("Activate");
        nodlink.WaitForStatus(Running);
        nodlink.Click("Stop");
        nodlink.WaitForStatus("Stopped.");
    });
}

void AddAndDelete(long cycles, CounterTable& table)
{
    const SoakedNodlink nodlink;
    RunCycles(nodlink, cycles, table, [&] {
        AddProfile(nodlink, "soak");
        nodlink.Click("Delete"); // the added profile, as Add loads it
        nodlink.Answer(DeleteQuestion, IDYES);
    });
}

void NameExistsBox(long cycles, CounterTable& table)
{
    const SoakedNodlink nodlink;
    RunCycles(nodlink, cycles, table, [&] {
        AddProfile(nodlink, "default");
        nodlink.Answer("Profile name already exists.", IDOK);
    });
}

void CannotDeleteDefaultBox(long cycles, CounterTable& table)
{
    const SoakedNodlink nodlink; // default.vfx, the only profile, is loaded
    RunCycles(nodlink, cycles, table, [&] {
        nodlink.Click("Delete");
        nodlink.Answer("Cannot delete the default setup.", IDOK);
    });
}

void SavePrompt(long cycles, CounterTable& table)
{
    const SoakedNodlink nodlink;
    HWND xSens = nodlink.XSens();
    HWND list = nodlink.List();
    RunCycles(nodlink, cycles, table, [&] {
        nodlink.Process().SetText(xSens, "11");
        nodlink.Process().SelectListEntry(list, "default.vfx");
        nodlink.Answer(SaveQuestion, IDCANCEL); // and the profile is loaded again
    });
}

void DeletePrompt(long cycles, CounterTable& table)
{
    const SoakedNodlink nodlink;
    AddProfile(nodlink, "soak");
    RunCycles(nodlink, cycles, table, [&] {
        nodlink.Click("Delete");
        nodlink.Answer(DeleteQuestion, IDNO);
    });
}

void InputBoxCancelled(long cycles, CounterTable& table)
{
    const SoakedNodlink nodlink;
    RunCycles(nodlink, cycles, table, [&] {
        nodlink.Click("Add");
        nodlink.Answer(NamePrompt, IDCANCEL);
    });
}
