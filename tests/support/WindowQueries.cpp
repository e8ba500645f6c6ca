#include "WindowQueries.h"

#include "GdiHandles.h"

#include <fstream>

namespace {
LONG_PTR StyleOf(HWND window, LONG_PTR mask)
{
    return GetWindowLongPtrA(window, GWL_STYLE) & mask;
}

std::string ShownText(HWND window)
{
    if (WindowClass(window) == "Static" && StyleOf(window, SS_TYPEMASK) == SS_ICON)
        return SendMessageA(window, STM_GETICON, 0, 0) ? "<icon>" : "";
    if (WindowClass(window) == "Static" && StyleOf(window, SS_TYPEMASK) == SS_BITMAP)
        return SendMessageA(window, STM_GETIMAGE, IMAGE_BITMAP, 0) ? "<picture>" : "";
    return WindowText(window);
}

// Measured with the control's font; a button keeps room for its frame or check box, an edit
// for its margins. A plain static wraps its text within its width.
bool TextFits(HWND window, const std::string& text)
{
    if (text.empty() || text[0] == '<')
        return true;
    const WindowDc dc(window);
    const SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    const int unit = MulDiv(4, GetDeviceCaps(dc.Get(), LOGPIXELSX), 96);
    const bool button = WindowClass(window) == "Button", edit = WindowClass(window) == "Edit";
    const bool checkBox = button && StyleOf(window, BS_TYPEMASK) == BS_AUTOCHECKBOX;
    const SIZE margins{checkBox ? 5 * unit : button || edit ? 2 * unit : 0, button || edit ? unit : 0};
    RECT client{}, box{};
    GetClientRect(window, &client);
    box.right = client.right - margins.cx;
    const bool wraps = WindowClass(window) == "Static" && StyleOf(window, SS_TYPEMASK) == SS_LEFT;
    DrawTextA(dc.Get(), text.c_str(), -1, &box, DT_CALCRECT | DT_NOPREFIX | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
    return box.right + margins.cx <= client.right && box.bottom + margins.cy <= client.bottom;
}

void DescribeChildren(HWND parent, std::vector<ShownControl>& controls)
{
    RECT area{};
    GetClientRect(parent, &area);
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = ShownText(child);
        // Wine leaves a message box's empty icon visible: nothing a user sees.
        if (!IsWindowVisible(child) ||
            (text.empty() && WindowClass(child) == "Static" && StyleOf(child, SS_TYPEMASK) == SS_ICON))
            continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        const bool inside = rect.left >= 0 && rect.top >= 0 && rect.right <= area.right && rect.bottom <= area.bottom;
        const bool isDefault = WindowClass(child) == "Button" && StyleOf(child, BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        controls.push_back({WindowClass(child), text, rect, isDefault, inside && TextFits(child, text)});
        DescribeChildren(child, controls);
    }
}
}

std::string ShownWindow::Message() const
{
    std::string message;
    for (const ShownControl& control : controls)
        if (control.className == "Static" && !control.text.starts_with('<'))
            message += control.text;
    return message;
}

std::string ShownWindow::DefaultButton() const
{
    for (const ShownControl& control : controls)
        if (control.isDefault)
            return control.text;
    return "";
}

ShownWindow Describe(HWND window)
{
    ShownWindow shown{WindowText(window), {}};
    DescribeChildren(window, shown.controls);
    return shown;
}

std::string WindowText(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string WindowClass(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND FindButton(HWND window, const std::string& caption)
{
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && WindowClass(child) == "Button" && WindowText(child) == caption)
            return child;
        if (HWND found = FindButton(child, caption))
            return found;
    }
    return nullptr;
}

void SaveWindowPicture(HWND window, const std::string& path)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    BITMAPINFOHEADER header{sizeof header, frame.right - frame.left, frame.bottom - frame.top, 1, 24, 0, 0, 0, 0, 0, 0};
    std::string pixels(static_cast<size_t>((header.biWidth * 3 + 3) / 4 * 4 * header.biHeight), '\0');
    {
        HDC windowDc = GetWindowDC(window);
        const MemoryDc memory(windowDc);
        const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(windowDc, header.biWidth, header.biHeight));
        {
            const SelectedObject selected(memory.Get(), bitmap.Get());
            BitBlt(memory.Get(), 0, 0, header.biWidth, header.biHeight, windowDc, 0, 0, SRCCOPY);
        }
        GetDIBits(memory.Get(), bitmap.Get(), 0, header.biHeight, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
                  DIB_RGB_COLORS);
        ReleaseDC(window, windowDc);
    }
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(&file), sizeof file)
        .write(reinterpret_cast<const char*>(&header), sizeof header) << pixels;
}
