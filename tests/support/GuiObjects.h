#pragma once
// The GDI objects of this process and the windows of the calling thread, for leak checks.
// Wine's GetGuiResources is a stub that answers 0, so both are counted here: a GDI handle is
// taken by its table index alone, and windows are the only USER objects a form makes.
unsigned CountGdiObjects();
unsigned CountThreadWindows();
