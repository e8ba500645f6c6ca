#include "BareLoop.h"

#include "Dpi.h"
#include "Font.h"

#include <cstdio>
#include <cstring>

namespace {
constexpr UINT TimerIntervalMs = 3;

struct Replay {
    const std::vector<INPUT>* events;
    size_t next;
    HWND label;
    char shown[64];
    long ticks;
};
Replay replay{};

void Tick()
{
    INPUT input = (*replay.events)[replay.next++ % replay.events->size()];
    SendInput(1, &input, sizeof(INPUT));
    // Relative moves: the status line shows the event's own dx and dy.
    char text[sizeof replay.shown];
    std::snprintf(text, sizeof text, "Running        x = %d  y = %d", static_cast<int>(input.mi.dx),
                  static_cast<int>(input.mi.dy));
    if (std::strcmp(text, replay.shown) != 0) {
        std::strcpy(replay.shown, text);
        SetWindowTextA(replay.label, text);
    }
    ++replay.ticks;
}

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        Tick();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
}

TickCost MeasureBareLoop(const std::vector<INPUT>& events, DWORD ms)
{
    if (events.empty())
        return {0, 0};
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = BareWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "BareLoop";
    RegisterClassA(&windowClass);
    // The dialog's size, and its status line's place and font.
    HWND window = CreateWindowA("BareLoop", "Bare loop", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, ScaleToDpi(469),
                                ScaleToDpi(427), nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND label = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, ScaleToDpi(16),
                               ScaleToDpi(288), ScaleToDpi(430), ScaleToDpi(24), window, nullptr,
                               windowClass.hInstance, nullptr);
    const TFont font("MS Sans Serif", -19);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font.Handle()), FALSE);

    replay = {&events, 0, label, "", 0};
    SetTimer(window, 1, TimerIntervalMs, nullptr);
    const TickCost cost = MeasureTicks(replay.ticks, ms);
    KillTimer(window, 1);
    DestroyWindow(window);
    return cost;
}
