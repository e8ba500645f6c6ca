#include "Edit.h"

// cppcheck-suppress passedByValue ; four ints, copied once as the control is made
TEdit::TEdit(TWinControl& parent, TBounds bounds, const std::string& text)
{
    CreateChild(parent, "EDIT", text, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, bounds);
}

std::string TEdit::Text() const
{
    return ReadText();
}

void TEdit::SetText(const std::string& text)
{
    WriteText(text); // the edit box itself notifies EN_CHANGE
}

void TEdit::Notify(WORD code)
{
    if (code == EN_CHANGE)
        RaiseEvent(OnChange);
}
