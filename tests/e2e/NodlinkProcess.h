#pragma once
// Drives a running nodlink.exe from outside, as a user would: the process, its window and
// controls, started from a temporary program directory.
#include "TemporaryFolder.h"

#include <windows.h>

#include <initializer_list>
#include <string>

class NodlinkProcess {
public:
    explicit NodlinkProcess(const std::string& programDirectory);
    ~NodlinkProcess(); // kills the process if it still runs
    NodlinkProcess(const NodlinkProcess&) = delete;
    NodlinkProcess& operator=(const NodlinkProcess&) = delete;

    HWND Window() const { return window; }
    HWND Control(const char* className, const char* text) const; // first match, searched in depth
    HWND StatusLabel() const { return status; }
    std::string Text(HWND control) const;

    // The first control showing TEXT now, edit boxes included, once one does.
    HWND WaitForControl(const char* className, const char* text, DWORD timeoutMs) const;
    void Click(HWND button) const; // posted, so a message box it opens does not block us
    // Selects the entry TEXT and tells the list's parent, as a user's selection does; posted.
    void SelectListEntry(HWND list, const std::string& text) const;
    void SetText(HWND control, const std::string& text) const;
    bool WaitForStatusPrefix(const std::string& prefix, DWORD timeoutMs) const;
    HWND WaitForMessageBox(DWORD timeoutMs) const; // a dialog box of the process
    std::string MessageBoxText(HWND box) const;
    void Press(HWND box, int buttonId) const; // posted
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode) const;

private:
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    HWND status = nullptr;
};

std::string BuildProgramDirectory(); // the build's own program folder

// Makes FOLDER a program directory: copies of these files of the build's program folder.
void CopyProgramFiles(const TemporaryFolder& folder, std::initializer_list<const char*> fileNames);
