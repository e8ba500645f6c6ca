#include "ListBox.h"

#include "Dpi.h"

#include <stdexcept>
#include <vector>

namespace {
constexpr int ItemHeight = 13;
}

// cppcheck-suppress passedByValue ; four ints, copied once as the control is made
TListBox::TListBox(TWinControl& parent, TBounds bounds)
{
    CreateChild(parent, "LISTBOX", "", LBS_SORT | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                WS_EX_CLIENTEDGE, bounds);
    // After the font, which sets an item height of its own.
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, ScaleToDpi(ItemHeight));
}

void TListBox::Clear()
{
    SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

int TListBox::Add(const std::string& item)
{
    return static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())));
}

int TListBox::Count() const
{
    return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0));
}

std::string TListBox::Item(int index) const
{
    const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR)
        throw std::out_of_range("list index out of bounds: " + std::to_string(index));
    std::vector<char> text(static_cast<size_t>(length) + 1);
    SendMessageA(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

int TListBox::ItemIndex() const
{
    return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index)
{
    SendMessageA(Handle(), LB_SETCURSEL, index, 0);
}

void TListBox::Notify(WORD code)
{
    if (code == LBN_SELCHANGE)
        RaiseEvent(OnClick);
}
