#pragma once
// Counts of this process's GDI objects and of the windows of the calling thread, for leak checks:
// equal counts before and after many create/destroy cycles.

struct GuiObjectCounts {
    unsigned gdiObjects;
    unsigned userObjects;
};

GuiObjectCounts CountGuiObjects();
