#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The human visual field that limits the eye view: two closed outlines (both eyes together,
// and the area both eyes see) around the line of sight, in a 2D frame where the viewport is
// 1000 units high and 90 degrees of eccentricity is 500 units.
struct CFieldPoint {
    double x;
    double y;
};

const std::vector<CFieldPoint>& OuterFieldOutline(); // 84 points
const std::vector<CFieldPoint>& InnerFieldOutline(); // 79 points

// Polygon stipple of the band seen by one eye only: 28 of every 32 pixels set.
const std::array<std::uint8_t, 128>& MonocularStipple();

// Fills a closed outline that is star-shaped about the line of sight (as both outlines are).
void FillFieldOutline(const std::vector<CFieldPoint>& outline);
