#pragma once

// The lock states as the X11 keyboard extension's named indicators give them. Kept apart
// because the X11 headers define names (KeyPress, None, Bool) that clash with Qt's.

// Whether the program runs on an X11 display it can ask.
bool HasX11Display();
// Fills caps, num and scroll lock in that order; false (nothing filled) without an X11 display.
bool ReadX11LockStates(bool states[3]);
