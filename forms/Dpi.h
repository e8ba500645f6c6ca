#pragma once
// Layout figures are given in pixels at 96 DPI and scaled to the system DPI.

int SystemDpi();
int ScaleToDpi(int pixelsAt96Dpi);
