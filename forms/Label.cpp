#include "Label.h"

#include "Clock.h"
#include "GdiHandles.h"

#include <cstring>

namespace {
constexpr UINT LabelTextFormat = DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS;
}

// cppcheck-suppress passedByValue ; four ints, copied once as the control is made
TLabel::TLabel(TWinControl& parent, TBounds bounds, const std::string& text)
{
    CreateChild(parent, "STATIC", text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, bounds);
    Remember(text.c_str(), static_cast<int>(text.size()));
    FitWidthToText(text.c_str(), static_cast<int>(text.size()));
}

TLabel::~TLabel()
{
    DestroyHandle(); // before its font goes
}

std::string TLabel::Caption() const
{
    return captionLength >= 0 ? std::string(caption, captionLength) : ReadText();
}

void TLabel::SetCaption(const char* text, UINT refreshGapMs)
{
    const int length = static_cast<int>(std::strlen(text));
    if (IsCaption(text, length) && !windowBehind)
        return;
    Remember(text, length);
    windowBehind = captionLength >= 0 && MillisecondsNow() - shownAtMs < refreshGapMs;
    if (!windowBehind)
        ShowCaption(text, length, refreshGapMs > 0);
}

void TLabel::SetFont(const std::string& name, int height)
{
    auto font = std::make_unique<TFont>(name, height);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->Handle()), TRUE);
    ownFont = std::move(font);
    const std::string text = ReadText();
    FitWidthToText(text.c_str(), static_cast<int>(text.size()));
}

void TLabel::Repaint()
{
    // The parent first: a shorter text uncovers some of it.
    UpdateWindow(GetParent(Handle()));
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

bool TLabel::IsCaption(const char* text, int length) const
{
    return length == captionLength && std::memcmp(caption, text, length) == 0;
}

void TLabel::Remember(const char* text, int length)
{
    if (length >= static_cast<int>(sizeof caption)) {
        captionLength = -1;
        return;
    }
    std::memcpy(caption, text, length);
    captionLength = length;
}

void TLabel::ShowCaption(const char* text, int length, bool growOnly)
{
    SetWindowTextA(Handle(), text);
    shownAtMs = MillisecondsNow();
    FitWidthToText(text, length, growOnly);
}

void TLabel::FitWidthToText(const char* text, int length, bool growOnly)
{
    static const MemoryDc measuring(nullptr); // a window's DC costs a round trip to the system
    RECT textBox{};
    {
        SelectedObject font(measuring.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
        DrawTextA(measuring.Get(), text, length, &textBox, LabelTextFormat | DT_CALCRECT);
    }
    RECT window{};
    GetWindowRect(Handle(), &window);
    const int width = textBox.right - textBox.left;
    if (width == window.right - window.left || (growOnly && width < window.right - window.left))
        return;
    SetWindowPos(Handle(), nullptr, 0, 0, width, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
