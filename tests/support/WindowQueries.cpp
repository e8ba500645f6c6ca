#include "WindowQueries.h"

#include "GdiHandles.h"

#include <fstream>

namespace {
void DescribeChildren(HWND parent, std::vector<ShownControl>& controls)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        const bool isDefault = WindowClass(child) == "Button" &&
                               (GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        controls.push_back({WindowClass(child), WindowText(child), isDefault});
        DescribeChildren(child, controls);
    }
}

std::vector<std::string> TextsOf(const std::vector<ShownControl>& controls, const std::string& className)
{
    std::vector<std::string> texts;
    for (const ShownControl& control : controls)
        if (control.className == className && !control.text.empty())
            texts.push_back(control.text);
    return texts;
}
}

std::string ShownWindow::Message() const
{
    std::string message;
    for (const std::string& text : TextsOf(controls, "Static"))
        message += text;
    return message;
}

std::vector<std::string> ShownWindow::Buttons() const
{
    return TextsOf(controls, "Button");
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
