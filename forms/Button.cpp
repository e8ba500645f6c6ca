#include "Button.h"

// cppcheck-suppress passedByValue ; four ints, copied once as the control is made
TButton::TButton(TWinControl& parent, TBounds bounds, const std::string& caption)
{
    CreateChild(parent, "BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, 0, bounds);
}

void TButton::Notify(WORD code)
{
    if (code == BN_CLICKED)
        RaiseEvent(OnClick);
}
