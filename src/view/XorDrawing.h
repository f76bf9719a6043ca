#pragma once

#include <QImage>
#include <QLine>
#include <QRect>
#include <vector>

// Drawing over the finished picture of a view by exclusive-or, so that drawing the same thing a
// second time restores the picture underneath. Coordinates are window pixels, y down; the view's
// context must be current.

// Each line drawn with the colour combined into the picture by `logicOp` (GL_XOR, GL_EQUIV...).
// Where lines overlap they are combined twice and cancel.
void DrawXorLines(const std::vector<QLine>& lines, int width, int height, unsigned logicOp,
                  unsigned char r, unsigned char g, unsigned char b);

// The lines drawn in cyan on black into a picture of their bounding rectangle (clipped to a
// window of width x height): lines that overlap or coincide stay drawn once.
QImage XorBitmap(const std::vector<QLine>& lines, int width, int height, QRect& bounds);

// The lines drawn as one bitmap combined with the picture by XOR: every line shows, even where
// the lines coincide (as the front and back edges of a box do in a view along an axis).
void DrawXorBitmap(const std::vector<QLine>& lines, int width, int height);
