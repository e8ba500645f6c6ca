#include "CheckBox.h"

// cppcheck-suppress passedByValue ; four ints, copied once as the control is made
TCheckBox::TCheckBox(TWinControl& parent, TBounds bounds)
{
    CreateChild(parent, "BUTTON", "", BS_AUTOCHECKBOX | WS_TABSTOP, 0, bounds);
}

bool TCheckBox::Checked() const
{
    return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked)
{
    if (checked == Checked())
        return;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    RaiseEvent(OnClick);
}

void TCheckBox::Notify(WORD code)
{
    if (code == BN_CLICKED)
        RaiseEvent(OnClick);
}
