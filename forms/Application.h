#pragma once
#include <windows.h>

#include <exception>
#include <string>

// The application object: the message loop, the main form's window and the message boxes it owns.
// The first form created becomes the main form.
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

private:
    void Dispatch(MSG& message);

    HWND mainWindow = nullptr;
    bool terminated = false;
    std::string exeNameOverride;
};

extern TApplication* const Application;
