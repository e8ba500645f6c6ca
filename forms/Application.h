#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

using TNotifyEvent = std::function<void()>;

// Runs EVENT when it is set. An exception it throws is shown in the application's exception
// message box and goes no further: it must not unwind through the system's window procedures.
void RaiseEvent(const TNotifyEvent& event);

// The application object: the message loop, which also ticks the running timers, the main
// form's window and the message boxes it owns. The first form created becomes the main form.
class TApplication {
public:
    std::string Title; // caption of ShowMessage and ShowException

    void Initialize(); // also starts over after Terminate
    std::string ExeName() const;
    void SetExeName(const std::string& path); // pretend to run from PATH; empty: the real path

    HWND MainWindow() const;       // the main form's window, if any
    void Run();                    // handles messages and timers' ticks until Terminate
    void HandleMessages(DWORD ms); // waits up to MS for a message or a tick; handles what came
    void ProcessMessages();        // dispatches the messages waiting now
    void Terminate();              // destroys the main form's window and ends Run
    bool Terminated() const { return terminated; }
    void BringToFront();

    // windows.h maps MessageBox to MessageBoxA, here and for every caller alike.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    void ShowException(const std::exception& exception);

    // A form's window, known from WM_NCCREATE to WM_NCDESTROY.
    void FormCreated(HWND window);
    void FormDestroyed(HWND window);

    // A running timer. Each time DUE, a periodic waitable timer, falls due the loop runs ONTIMER
    // once, when the thread is free. Inside a modal loop that is not ours (a message box, a
    // window being dragged) a message-loop timer on WINDOW stands in, at the pace the system
    // allows it. None comes after UnregisterTimer, not even a stand-in's already on its way.
    void RegisterTimer(HANDLE due, UINT intervalMs, const TNotifyEvent& onTimer, HWND window);
    void UnregisterTimer(HANDLE due);

private:
    struct RunningTimer {
        HANDLE due; // signalled while a tick is due
        UINT intervalMs;
        const TNotifyEvent* onTimer;
        HWND window; // of the stand-in; null when the owner had none
    };

    std::vector<RunningTimer>::iterator Running(HANDLE due); // timers.end() when it is not
    static void CALLBACK StandInProc(HWND window, UINT message, UINT_PTR id, DWORD time);
    // Waits up to MS for a message, or ticks the running timer that falls due first. True when a
    // message waits.
    bool TickOrWaitForMessage(DWORD ms);
    bool IsStandIn(const MSG& message) const; // our loop drops those: it ticks the timers itself
    void TickIfDue(HANDLE due);
    void Tick(const RunningTimer& timer);
    void Dispatch(MSG& message);

    HWND mainWindow = nullptr;
    bool terminated = false;
    std::string exeNameOverride;
    std::vector<RunningTimer> timers;
    // A tick that took its whole interval would find the next one due at once, and the wait
    // prefers timers to messages: the messages waiting then go first, so that a slow tick
    // cannot starve the clicks that would stop it.
    bool messagesFirst = false;
};

extern TApplication* const Application;
