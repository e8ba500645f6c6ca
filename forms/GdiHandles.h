#pragma once
// Owners of the GDI handles the controls use for a moment or keep.
#include <windows.h>

#include <utility>

// A GDI object (bitmap, font, brush) that is deleted with its owner.
template <class Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle owned) : handle(owned) {}
    ~GdiObject()
    {
        if (handle)
            DeleteObject(handle);
    }
    GdiObject(GdiObject&& other) noexcept : handle(std::exchange(other.handle, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept
    {
        std::swap(handle, other.handle);
        return *this;
    }

    Handle Get() const { return handle; }

private:
    Handle handle = nullptr;
};

// The DC of a window (or of the screen for a null window), released when it goes.
class WindowDc {
public:
    explicit WindowDc(HWND of) : window(of), dc(GetDC(of)) {}
    ~WindowDc() { ReleaseDC(window, dc); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc; }

private:
    HWND window;
    HDC dc;
};

class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() { DeleteDC(dc); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC Get() const { return dc; }

private:
    HDC dc;
};

// Selects an object into a DC and puts the previous one back when it goes.
class SelectedObject {
public:
    SelectedObject(HDC into, HGDIOBJ object) : dc(into), previous(SelectObject(into, object)) {}
    ~SelectedObject() { SelectObject(dc, previous); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc;
    HGDIOBJ previous;
};
