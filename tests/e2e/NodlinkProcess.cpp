#include "NodlinkProcess.h"

#include "WindowInspection.h"

#include <stdexcept>
#include <vector>

namespace {
std::string ExecutableDirectory()
{
    std::vector<char> path(32768);
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::string directory(path.data(), length);
    return directory.substr(0, directory.find_last_of("\\/") + 1);
}

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

DWORD ProcessOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
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

struct TopLevelSearch {
    DWORD processId;
    bool dialogBox;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<TopLevelSearch*>(parameter);
    if (ProcessOf(window) != search.processId || !IsWindowVisible(window))
        return TRUE;
    const bool isDialogBox = WindowClass(window) == "#32770";
    if (isDialogBox != search.dialogBox || (!isDialogBox && WindowText(window) != "Nodlink"))
        return TRUE;
    search.found = window;
    return FALSE;
}

HWND FindTopLevel(DWORD processId, bool dialogBox)
{
    TopLevelSearch search{processId, dialogBox, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct ChildSearch {
    const char* className;
    const char* text;
    std::string (*textOf)(HWND);
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<ChildSearch*>(parameter);
    if (_stricmp(WindowClass(window).c_str(), search.className) != 0 || search.textOf(window) != search.text)
        return TRUE;
    search.found = window;
    return FALSE;
}
}

std::string BuildProgramDirectory()
{
    // Test executables live in tests/bin of the build tree, the program in program/.
    return ExecutableDirectory() + "..\\..\\program\\";
}

void CopyProgramFiles(const TemporaryFolder& folder, std::initializer_list<const char*> fileNames)
{
    for (const std::string fileName : fileNames)
        if (!CopyFileA((BuildProgramDirectory() + fileName).c_str(), (folder.Path() + fileName).c_str(), FALSE))
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

HWND NodlinkProcess::Control(const char* className, const char* text) const
{
    ChildSearch search{className, text, WindowText, nullptr};
    EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string NodlinkProcess::Text(HWND control) const
{
    return WindowText(control);
}

HWND NodlinkProcess::WaitForControl(const char* className, const char* text, DWORD timeoutMs) const
{
    return WaitForWindow(timeoutMs, [&] {
        ChildSearch search{className, text, ShownText, nullptr};
        EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
        return search.found;
    });
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

bool NodlinkProcess::WaitForStatusPrefix(const std::string& prefix, DWORD timeoutMs) const
{
    return WaitForWindow(timeoutMs, [&] { return WindowText(status).starts_with(prefix) ? status : nullptr; });
}

HWND NodlinkProcess::WaitForMessageBox(DWORD timeoutMs) const
{
    return WaitForWindow(timeoutMs, [this] { return FindTopLevel(process.dwProcessId, true); });
}

std::string NodlinkProcess::MessageBoxText(HWND box) const
{
    std::string text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (_stricmp(WindowClass(child).c_str(), "Static") == 0 &&
            (GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            text += WindowText(child);
    return text;
}

void NodlinkProcess::Press(HWND box, int buttonId) const
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
}

bool NodlinkProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) const
{
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process.hProcess, &exitCode) != 0;
}
