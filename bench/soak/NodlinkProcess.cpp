#include "NodlinkProcess.h"

#include "BuildTree.h"
#include "WindowQueries.h"

#include <stdexcept>

namespace {
// What a control of another process shows now. GetWindowText gives only the text the system
// keeps for the window, which an edit box does not update.
std::string ShownText(HWND window)
{
    char text[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        &copied);
    return text;
}

// Polls until FOUND returns a window or the time runs out.
template <class Find>
HWND WaitForWindow(DWORD timeoutMs, Find found)
{
    for (DWORD waited = 0;; waited += 20) {
        if (HWND window = found())
            return window;
        if (waited >= timeoutMs)
            return nullptr;
        Sleep(20);
    }
}

// A visible top-level window of the process: a dialog box, or else the window titled "Nodlink".
HWND FindTopLevel(DWORD processId, bool dialogBox)
{
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD windowProcess = 0;
        GetWindowThreadProcessId(window, &windowProcess);
        const bool isDialogBox = WindowClass(window) == "#32770";
        if (windowProcess == processId && IsWindowVisible(window) && isDialogBox == dialogBox &&
            (dialogBox || WindowText(window) == "Nodlink"))
            return window;
    }
    return nullptr;
}

// Depth first, as the controls sit inside group boxes.
HWND FindDescendant(HWND parent, const char* className, const char* text)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (_stricmp(WindowClass(child).c_str(), className) == 0 && ShownText(child) == text)
            return child;
        if (HWND found = FindDescendant(child, className, text))
            return found;
    }
    return nullptr;
}
}

void CopyProgramFiles(const TemporaryFolder& folder, std::initializer_list<const char*> fileNames)
{
    for (const std::string fileName : fileNames)
        if (!CopyFileA((BuildTreeFolder("program") + fileName).c_str(), (folder.Path() + fileName).c_str(), FALSE))
            throw std::runtime_error("cannot copy " + fileName);
}

NodlinkProcess::NodlinkProcess(const std::string& programDirectory)
{
    std::string commandLine = "\"" + programDirectory + "nodlink.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // Started from another folder, as from a desktop shortcut: the program must find its own.
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        throw std::runtime_error("cannot start " + commandLine);
    window = WaitForWindow(20000, [this] { return FindTopLevel(process.dwProcessId, false); });
    if (!window)
        throw std::runtime_error("nodlink.exe showed no window");
    status = Control("Static", "Stopped");
}

NodlinkProcess::~NodlinkProcess()
{
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

HWND NodlinkProcess::Control(const char* className, const char* text, DWORD timeoutMs) const
{
    return WaitForWindow(timeoutMs, [&] { return FindDescendant(window, className, text); });
}

void NodlinkProcess::Click(HWND button) const
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

void NodlinkProcess::SelectListEntry(HWND list, const std::string& text) const
{
    const LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    if (index == LB_ERR)
        throw std::runtime_error("no list entry " + text);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    PostMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

void NodlinkProcess::SetText(HWND control, const std::string& text) const
{
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string NodlinkProcess::StatusText() const
{
    return WindowText(status);
}

bool NodlinkProcess::WaitForStatusPrefix(const std::string& prefix, DWORD timeoutMs) const
{
    return WaitForWindow(timeoutMs, [&] { return StatusText().starts_with(prefix) ? status : nullptr; });
}

HWND NodlinkProcess::WaitForMessageBox(DWORD timeoutMs) const
{
    return WaitForWindow(timeoutMs, [this] { return FindTopLevel(process.dwProcessId, true); });
}

void NodlinkProcess::Press(HWND box, int buttonId) const
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

bool NodlinkProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) const
{
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process.hProcess, &exitCode) != 0;
}
