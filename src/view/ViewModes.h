#pragma once

#include "core/ViewModes.h"

// The status-bar prompt shown when a mode is entered ("" for none).
const char* ModePrompt(int mode);
// Whether the mode shows the cross-hair cursor (the others show the arrow).
bool ModeUsesCrosshair(int mode);
// The number of points after which a drawing mode's object is complete (the next mouse move
// finishes it); -1 for modes without a limit. `angleDimension` raises the dimension limit.
int ModePointLimit(int mode, bool angleDimension);
