#include "NodlinkProcess.h"

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

std::string WindowText(HWND window)
{
    std::vector<char> text(GetWindowTextLengthA(window) + 1);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string ClassName(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
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
    const bool isDialogBox = ClassName(window) == "#32770";
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
    HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter)
{
    auto& search = *reinterpret_cast<ChildSearch*>(parameter);
    if (_stricmp(ClassName(window).c_str(), search.className) != 0 || WindowText(window) != search.text)
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

std::string ReadFile(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string contents;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        contents.append(buffer, read);
    CloseHandle(file);
    return contents;
}

TemporaryProgramDirectory::TemporaryProgramDirectory()
{
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    path = std::string(base) + "nodlink-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "\\";
    if (!CreateDirectoryA(path.c_str(), nullptr))
        throw std::runtime_error("cannot create " + path);
}

TemporaryProgramDirectory::~TemporaryProgramDirectory()
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((path + "*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA((path + entry.cFileName).c_str());
        while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

void TemporaryProgramDirectory::CopyFromBuild(const std::string& fileName) const
{
    if (!CopyFileA((BuildProgramDirectory() + fileName).c_str(), (path + fileName).c_str(), FALSE))
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
    ChildSearch search{className, text, nullptr};
    EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string NodlinkProcess::Text(HWND control) const
{
    return WindowText(control);
}

void NodlinkProcess::Click(HWND button) const
{
    PostMessageA(button, BM_CLICK, 0, 0);
}

bool NodlinkProcess::WaitForStatusPrefix(const std::string& prefix, DWORD timeoutMs) const
{
    return WaitForWindow(timeoutMs, [&] { return WindowText(status).starts_with(prefix) ? status : nullptr; });
}

HWND NodlinkProcess::WaitForMessageBox(DWORD timeoutMs) const
{
    return WaitForWindow(timeoutMs, [this] { return FindTopLevel(process.dwProcessId, true); });
}

bool NodlinkProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) const
{
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process.hProcess, &exitCode) != 0;
}
