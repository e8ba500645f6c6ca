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

    std::string Caption() const; // as last set, which the window may show up to a refresh gap later
    // Allocates nothing, as the tracking tick sets it hundreds of times a second. The caption
    // set last changes nothing: no redraw, no measuring, no resizing. With a REFRESHGAPMS, a
    // window that took a caption less than that long ago takes this one with the first call
    // after the gap: drawing every caption a fast tick sets would cost more than the tick.
    void SetCaption(const char* text, UINT refreshGapMs = 0);
    void SetFont(const std::string& name, int height); // as TFont; instead of the parent's font
    void Repaint();                                    // shows the caption now, not when the message loop next runs

private:
    bool IsCaption(const char* caption, int length) const;
    void Remember(const char* caption, int length);
    void ShowCaption(const char* caption, int length, bool growOnly);
    // A label that only grows keeps the width of its widest caption: the rest is painted in
    // its parent's colour, and a window resized at every frame costs more than its drawing.
    void FitWidthToText(const char* text, int length, bool growOnly = false);

    std::unique_ptr<TFont> ownFont;
    // The caption as set, to compare with: asking the window costs two messages a tick. Only
    // SetCaption and the constructor set the text.
    char caption[128] = {};
    int captionLength = -1;    // -1: too long to keep
    bool windowBehind = false; // the window shows an older caption
    double shownAtMs = 0;      // when the window took its caption
};
