#pragma once
#include "Application.h" // the events that controls raise

#include <windows.h>

#include <string>

// A position and size in pixels at 96 DPI, relative to the parent's client area.
struct TBounds {
    int Left;
    int Top;
    int Width;
    int Height;
};

std::string WindowText(HWND window);

// The owner of one window. A control is a child window of its parent's; the parent's window
// procedure hands each notification of a child to the child's object.
class TWinControl {
public:
    virtual ~TWinControl();
    TWinControl(const TWinControl&) = delete;
    TWinControl& operator=(const TWinControl&) = delete;

    HWND Handle() const { return handle; }
    void SetEnabled(bool enabled);
    bool Enabled() const;

protected:
    TWinControl() = default;

    // A visible child window of PARENT with the parent's font, the next free control id of the
    // parent and WS_GROUP when it is the parent's first child.
    void CreateChild(TWinControl& parent, const char* windowClass, const std::string& text, DWORD style, DWORD exStyle,
                     TBounds bounds);
    void Attach(HWND window);
    void Detach();
    // Destroys the window unless it is gone already (destroyed with its parent).
    void DestroyHandle();

    std::string ReadText() const;
    void WriteText(const std::string& text);

    // A WM_COMMAND notification code that this control sent to its parent.
    virtual void Notify(WORD code);
    static void ForwardCommand(LPARAM control, WPARAM wParam);
    static TWinControl* FromHandle(HWND window);

private:
    HWND handle = nullptr;
};
