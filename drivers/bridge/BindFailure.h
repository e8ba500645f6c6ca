#pragma once
#include "BridgeSettings.h"

// Tells the user, in a message box, that poses cannot arrive and why. Nodlink ignores the
// result of VFXOpen and reports success, so this box is the user's only clue.
void ShowBindFailure(const BridgeSettings& settings, int error);
