#pragma once
#include "Control.h"

#include <string>

// A one-line edit box.
class TEdit : public TWinControl {
public:
    TEdit(TWinControl& parent, TBounds bounds, const std::string& text);

    std::string Text() const;
    void SetText(const std::string& text); // raises OnChange

    TNotifyEvent OnChange; // every change of the text, by the user or by SetText

private:
    void Notify(WORD code) override;
};
