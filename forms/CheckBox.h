#pragma once
#include "Control.h"

// A check box without caption, unchecked at first.
class TCheckBox : public TWinControl {
public:
    TCheckBox(TWinControl& parent, TBounds bounds);

    bool Checked() const;
    void SetChecked(bool checked); // raises OnClick when the state changes

    TNotifyEvent OnClick;

private:
    void Notify(WORD code) override;
};
