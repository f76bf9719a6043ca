#pragma once

// Makes every OpenGL window of the program use the compatibility profile with a 24-bit depth
// and an 8-bit stencil buffer, with contexts shared between windows. Call before the
// QApplication is created.
void SetDefaultSurfaceFormat();
