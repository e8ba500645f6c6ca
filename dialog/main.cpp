// Nodlink: the VFX3D head tracker drives the mouse pointer.
#include "Application.h"
#include "Unit1.h"

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    try {
        Application->Initialize();
        Application->Title = "Nodlink";
        TNodlink form;
        Application->Run();
    } catch (const std::exception& exception) {
        Application->ShowException(exception);
    }
    return 0;
}
