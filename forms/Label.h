#pragma once
#include "Control.h"
#include "Font.h"

#include <memory>
#include <string>

// A static text whose width follows its text and font, growing to the right from its left
// edge; the given width only stands for the design. Its height stays as given.
class TLabel : public TWinControl {
public:
    TLabel(TWinControl& parent, TBounds bounds, const std::string& caption);
    ~TLabel() override;

    std::string Caption() const;
    // Allocates nothing, as the tracking tick sets it a hundred times a second. The text the
    // label already shows changes nothing: no redraw, no measuring, no resizing.
    void SetCaption(const char* caption);
    void SetFont(const std::string& name, int height); // as TFont; instead of the parent's font
    void Repaint(); // shows the caption now, not when the message loop next runs

private:
    bool Shows(const char* caption, int length) const;
    void Remember(const char* caption, int length);
    void FitWidthToText(const char* text, int length);

    std::unique_ptr<TFont> ownFont;
    // The caption as set, to compare with: asking the window costs two messages a tick. Only
    // SetCaption and the constructor set the text.
    char shown[128] = {};
    int shownLength = -1; // -1: too long to keep
};
