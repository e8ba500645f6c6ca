#pragma once
// The soak's driver of a running nodlink.exe, from outside as a user would: the process, its
// window and controls, started from a temporary program directory.
#include "TemporaryFolder.h"

#include <windows.h>

#include <initializer_list>
#include <string>

class NodlinkProcess {
public:
    // Starts the program and waits for its window; the status line is the label reading "Stopped".
    explicit NodlinkProcess(const std::string& programDirectory);
    ~NodlinkProcess(); // kills the process if it still runs
    NodlinkProcess(const NodlinkProcess&) = delete;
    NodlinkProcess& operator=(const NodlinkProcess&) = delete;

    HWND Window() const { return window; }
    // The first control, searched in depth, that shows TEXT now (edit boxes included), once one
    // does within TIMEOUTMS.
    HWND Control(const char* className, const char* text, DWORD timeoutMs = 0) const;
    void Click(HWND button) const; // posted, so a message box it opens does not block us
    // Selects the entry TEXT and tells the list's parent, as a user's selection does; posted.
    void SelectListEntry(HWND list, const std::string& text) const;
    void SetText(HWND control, const std::string& text) const;
    std::string StatusText() const; // empty when no label read "Stopped" at the start
    bool WaitForStatusPrefix(const std::string& prefix, DWORD timeoutMs) const;
    HWND WaitForMessageBox(DWORD timeoutMs) const; // a dialog box of the process
    void Press(HWND box, int buttonId) const; // posted
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode) const;

private:
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    HWND status = nullptr;
};

// Makes FOLDER a program directory: copies of these files of the build's program folder.
void CopyProgramFiles(const TemporaryFolder& folder, std::initializer_list<const char*> fileNames);
