// The real dialog while tracking with the simulated headset: ticks per second beside a bare
// SetTimer(3) window, CPU time per second, and of nodlink.exe itself the time from process start
// to a visible window, its working set and its file size. Prints figures, asserts nothing.
#include "Application.h"
#include "BuildProgramDirectory.h"
#include "PointerStep.h"
#include "Unit1.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>

namespace {
constexpr DWORD MeasureMs = 5000;
constexpr UINT TimerIntervalMs = 3;

double Seconds(LONGLONG ticks)
{
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

LONGLONG Now()
{
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double CpuSeconds(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    const auto total = [](FILETIME time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    return (total(kernel) + total(user)) / 1e7;
}

// Dispatches messages, as the program's own loop does, for MeasureMs.
void PumpMessages()
{
    const DWORD start = GetTickCount();
    for (DWORD waited = 0; waited < MeasureMs; waited = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, MeasureMs - waited, QS_ALLINPUT);
        Application->ProcessMessages();
    }
}

long ticks = 0;

UINT WINAPI CountingSendInput(UINT count, LPINPUT inputs, int size)
{
    ++ticks;
    return SendInput(count, inputs, size);
}

struct TickFigures {
    double perSecond;
    double cpuPerSecond;
};

TickFigures MeasureDialog()
{
    Application->Initialize();
    Application->SetExeName(BuildProgramDirectory() + "nodlink.exe");
    SetDllDirectoryA(BuildProgramDirectory().c_str());
    SendPointerInput = CountingSendInput;
    TNodlink form;
    form.RunClick();
    const LONGLONG start = Now();
    const double cpuStart = CpuSeconds(GetCurrentProcess());
    ticks = 0;
    PumpMessages();
    const double elapsed = Seconds(Now() - start);
    const TickFigures figures{ticks / elapsed, (CpuSeconds(GetCurrentProcess()) - cpuStart) / elapsed};
    form.StopClick();
    SendPointerInput = SendInput;
    return figures;
}

LRESULT CALLBACK CountTimerTicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        ++ticks;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

double MeasureBareTimer()
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = CountTimerTicks;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "BareTimer";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("BareTimer", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
    SetTimer(window, 1, TimerIntervalMs, nullptr);
    const LONGLONG start = Now();
    ticks = 0;
    PumpMessages();
    const double perSecond = ticks / Seconds(Now() - start);
    KillTimer(window, 1);
    DestroyWindow(window);
    return perSecond;
}

struct StartFigures {
    double secondsToWindow;
    SIZE_T workingSetBytes;
};

BOOL CALLBACK FindVisibleWindowOf(HWND window, LPARAM parameter)
{
    auto* found = reinterpret_cast<std::pair<DWORD, HWND>*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != found->first || !IsWindowVisible(window))
        return TRUE;
    found->second = window;
    return FALSE;
}

StartFigures MeasureStart()
{
    std::string commandLine = BuildProgramDirectory() + "nodlink.exe\"";
    commandLine.insert(commandLine.begin(), '"');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LONGLONG start = Now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return {-1, 0};
    std::pair<DWORD, HWND> found{process.dwProcessId, nullptr};
    while (!found.second && Seconds(Now() - start) < 30) {
        EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&found));
        Sleep(1);
    }
    const double toWindow = Seconds(Now() - start);
    Sleep(500); // let it settle before reading its memory
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {found.second ? toWindow : -1, memory.WorkingSetSize};
}

long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
}

int main()
{
    const TickFigures dialog = MeasureDialog();
    const double bare = MeasureBareTimer();
    const StartFigures start = MeasureStart();
    std::printf("Nodlink dialog with the simulated headset, %lu s per timer figure\n", MeasureMs / 1000);
    std::printf("  ticks per second, dialog while tracking   %8.1f\n", dialog.perSecond);
    std::printf("  ticks per second, bare SetTimer(3) window %8.1f\n", bare);
    std::printf("  ratio dialog / bare                       %8.3f\n", dialog.perSecond / bare);
    std::printf("  CPU seconds per second while tracking     %8.4f\n", dialog.cpuPerSecond);
    std::printf("  process start to visible window           %8.1f ms\n", start.secondsToWindow * 1000);
    std::printf("  working set of nodlink.exe, idle          %8.1f MiB\n", start.workingSetBytes / 1048576.0);
    std::printf("  size of nodlink.exe                       %8.1f KiB\n",
                FileSize(BuildProgramDirectory() + "nodlink.exe") / 1024.0);
    return 0;
}
