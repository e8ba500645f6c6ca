#pragma once
#include "Control.h"
#include "GdiHandles.h"

// A picture stretched to the control's box.
class TImage : public TWinControl {
public:
    TImage(TWinControl& parent, TBounds bounds);
    ~TImage() override;

    // The JPEG picture stored as RCDATA resource RESOURCEID of the executable; false when it is
    // missing or cannot be decoded, and the control keeps what it showed.
    bool LoadJpegResource(int resourceId);

private:
    int width; // the box's, in pixels at the system DPI
    int height;
    GdiObject<HBITMAP> bitmap;
};
