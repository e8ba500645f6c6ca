#pragma once
#include "Control.h"

#include <string>

// The etched frame with a caption, and the parent window of the controls inside it: disabling
// the group makes them all unusable. Tab walks into it.
class TGroupBox : public TWinControl {
public:
    TGroupBox(TWinControl& parent, TBounds bounds, const std::string& caption);
    ~TGroupBox() override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC buttonProc;
};
