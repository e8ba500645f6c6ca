#include "Label.h"

#include "GdiHandles.h"

namespace {
constexpr UINT LabelTextFormat = DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS;
}

TLabel::TLabel(TWinControl& parent, TBounds bounds, const std::string& caption)
{
    CreateChild(parent, "STATIC", caption, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, bounds);
    FitWidthToText();
}

TLabel::~TLabel()
{
    DestroyHandle(); // before its font goes
}

std::string TLabel::Caption() const
{
    return ReadText();
}

void TLabel::SetCaption(const std::string& caption)
{
    WriteText(caption);
    FitWidthToText();
}

void TLabel::SetFont(const std::string& name, int height)
{
    auto font = std::make_unique<TFont>(name, height);
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font->Handle()), TRUE);
    ownFont = std::move(font);
    FitWidthToText();
}

void TLabel::Repaint()
{
    // The parent first: a shorter text uncovers some of it.
    UpdateWindow(GetParent(Handle()));
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
}

void TLabel::FitWidthToText()
{
    const std::string text = ReadText();
    RECT textBox{};
    {
        WindowDc dc(Handle());
        SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
        DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &textBox, LabelTextFormat | DT_CALCRECT);
    }
    RECT window{};
    GetWindowRect(Handle(), &window);
    SetWindowPos(Handle(), nullptr, 0, 0, textBox.right - textBox.left, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
