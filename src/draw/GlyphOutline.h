#pragma once

#include <string>
#include <vector>

// One point of a flattened text outline, in device units (pixels of the font's cell height),
// origin at the top-left corner of the text, y growing downwards.
struct OutlinePoint {
    double x = 0.0;
    double y = 0.0;
    bool moveTo = false; // starts a contour; otherwise a line from the previous point
};

// Outlines of `text` (single-byte characters, Latin-1) drawn at (0, 0) in the font that
// fontconfig picks for `fontName` ("Arial" resolves to a metric-compatible face) with a cell
// height (ascent + descent) of `cellHeight` pixels, curves flattened to line segments.
// Returns 1, or 0 when no font could be loaded (`points` is then empty).
int TextOutline(const std::string& text, const std::string& fontName, double cellHeight,
                std::vector<OutlinePoint>& points);
