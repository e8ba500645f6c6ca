#include "Label.h"

#include "GdiHandles.h"

#include <cstring>

namespace {
constexpr UINT LabelTextFormat = DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS;
}

// cppcheck-suppress passedByValue ; four ints, copied once as the control is made
TLabel::TLabel(TWinControl& parent, TBounds bounds, const std::string& caption)
{
    CreateChild(parent, "STATIC", caption, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, bounds);
    Remember(caption.c_str(), static_cast<int>(caption.size()));
    FitWidthToText(caption.c_str(), static_cast<int>(caption.size()));
}

TLabel::~TLabel()
{
    DestroyHandle(); // before its font goes
}

std::string TLabel::Caption() const
{
    return ReadText();
}

void TLabel::SetCaption(const char* caption)
{
    const int length = static_cast<int>(std::strlen(caption));
    if (Shows(caption, length))
        return;
    SetWindowTextA(Handle(), caption);
    Remember(caption, length);
    FitWidthToText(caption, length);
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

bool TLabel::Shows(const char* caption, int length) const
{
    return length == shownLength && std::memcmp(shown, caption, length) == 0;
}

void TLabel::Remember(const char* caption, int length)
{
    if (length >= static_cast<int>(sizeof shown)) {
        shownLength = -1;
        return;
    }
    std::memcpy(shown, caption, length);
    shownLength = length;
}

void TLabel::FitWidthToText(const char* text, int length)
{
    RECT textBox{};
    {
        WindowDc dc(Handle());
        SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
        DrawTextA(dc.Get(), text, length, &textBox, LabelTextFormat | DT_CALCRECT);
    }
    RECT window{};
    GetWindowRect(Handle(), &window);
    const int width = textBox.right - textBox.left;
    if (width == window.right - window.left)
        return;
    SetWindowPos(Handle(), nullptr, 0, 0, width, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
