#pragma once
// nodlink.exe started from a fresh program directory with the simulated headset and
// default.vfx, driven from outside as a user would, its counters sampled. Every step waits
// for what the user would see, and throws, naming what it saw instead, when that does not come
// or a box comes up unasked.
#include "NodlinkProcess.h"
#include "ProcessCounters.h"
#include "TemporaryFolder.h"

#include <memory>
#include <string>

class SoakedNodlink {
public:
    SoakedNodlink();

    const NodlinkProcess& Process() const { return *process; }
    HWND Button(const char* caption) const;
    HWND List() const;
    HWND XSens() const;

    void Click(const char* caption) const;
    void WaitForStatus(const char* prefix) const;
    // Waits for the dialog box showing TEXT, types TYPED into its edit when given, presses BUTTON
    // and waits until the box is gone.
    void Answer(const char* text, int button, const char* typed = nullptr) const;
    // Returns once the program's thread has finished what it was given and waits for messages.
    void Settle() const;
    Counters Sample() const;
    // Exit, and the program ends with exit code 0.
    void Exit() const;

private:
    [[noreturn]] void Fail(const std::string& expected) const;

    TemporaryFolder folder;
    std::unique_ptr<NodlinkProcess> process;
    std::unique_ptr<ProcessCounters> counters;
};
