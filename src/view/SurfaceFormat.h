#pragma once

// Makes every OpenGL window of the program use the compatibility profile with a 24-bit depth
// and an 8-bit stencil buffer, with contexts shared between windows. Call before the
// QApplication is created.
void SetDefaultSurfaceFormat();

class QSurfaceFormat;

// Samples per pixel a 3D view asks for: smooth edges where the driver offers multisampling (the
// toolkit draws single-sample where it offers none).
inline constexpr int kViewSamples = 4;

// The format of a 3D view: the program's default format with kViewSamples samples per pixel.
QSurfaceFormat ViewSurfaceFormat();
