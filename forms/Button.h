#pragma once
#include "Control.h"

#include <string>

// A plain push button, never a default button.
class TButton : public TWinControl {
public:
    TButton(TWinControl& parent, TBounds bounds, const std::string& caption);

    TNotifyEvent OnClick;

private:
    void Notify(WORD code) override;
};
