#include "WindowQueries.h"

#include <fstream>

namespace {
LONG_PTR StyleOf(HWND window)
{
    return GetWindowLongPtrA(window, GWL_STYLE);
}

bool IsButtonOfType(HWND window, LONG_PTR type)
{
    return WindowClass(window) == "Button" && (StyleOf(window) & BS_TYPEMASK) == type;
}

std::string ShownText(HWND window)
{
    const LONG_PTR type = StyleOf(window) & SS_TYPEMASK;
    if (WindowClass(window) == "Static" && type == SS_ICON)
        return SendMessageA(window, STM_GETICON, 0, 0) ? "<icon>" : "";
    if (WindowClass(window) == "Static" && type == SS_BITMAP)
        return SendMessageA(window, STM_GETIMAGE, IMAGE_BITMAP, 0) ? "<picture>" : "";
    return WindowText(window);
}

// Room the control keeps around its text: a push button's frame, a check box's box, a group
// box's inset caption, an edit's margins.
SIZE TextMargins(HWND window, HDC dc)
{
    const int unit = MulDiv(4, GetDeviceCaps(dc, LOGPIXELSX), 96);
    if (IsButtonOfType(window, BS_AUTOCHECKBOX) || IsButtonOfType(window, BS_CHECKBOX))
        return {unit * 5, 0};
    if (WindowClass(window) == "Button" || WindowClass(window) == "Edit")
        return {unit * 2, unit};
    return {0, 0};
}

bool TextFits(HWND window, const std::string& text)
{
    const std::string className = WindowClass(window);
    if (text.empty() || text[0] == '<' || className == "ListBox")
        return true;
    HDC dc = GetDC(window);
    RECT client{};
    GetClientRect(window, &client);
    const SIZE margins = TextMargins(window, dc);
    UINT format = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE;
    RECT box{0, 0, client.right - margins.cx, 0};
    if (className == "Static" && (StyleOf(window) & SS_TYPEMASK) == SS_LEFT)
        format = DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK; // wraps within its width
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return box.right + margins.cx <= client.right && box.bottom + margins.cy <= client.bottom;
}

bool InsideParent(HWND window, const RECT& rect)
{
    RECT parent{};
    GetClientRect(GetParent(window), &parent);
    return rect.left >= 0 && rect.top >= 0 && rect.right <= parent.right && rect.bottom <= parent.bottom;
}

void DescribeChildren(HWND parent, std::vector<ShownControl>& controls)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::string text = ShownText(child);
        // Wine leaves a message box's empty icon visible: nothing a user sees.
        if (!IsWindowVisible(child) || (text.empty() && (StyleOf(child) & SS_TYPEMASK) == SS_ICON &&
                                        WindowClass(child) == "Static"))
            continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
        controls.push_back({WindowClass(child), text, rect, IsButtonOfType(child, BS_DEFPUSHBUTTON),
                            TextFits(child, text) && InsideParent(child, rect)});
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
    std::vector<char> text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
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

bool SaveWindowPicture(HWND window, const std::string& path)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    BITMAPINFOHEADER header{sizeof header, frame.right - frame.left, frame.bottom - frame.top, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<size_t>((header.biWidth * 3 + 3) / 4 * 4 * header.biHeight));
    HDC windowDc = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, header.biWidth, header.biHeight);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, header.biWidth, header.biHeight, windowDc, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    GetDIBits(memory, bitmap, 0, header.biHeight, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, windowDc);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}
