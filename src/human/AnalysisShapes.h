#pragma once

#include "core/Matrix4.h"

#include <memory>

class CPolyface;

// The analysis shapes a figure can carry: its view cones (the optimum or the maximum visual
// field from the eyes) and the range volumes that show how far each hand or foot reaches.

// Which view cones a figure shows.
enum ViewConeMode : int {
    kViewConeNone = 0,
    kViewConeOptimum = 1, // one cone along the normal line of sight
    kViewConeMaximum = 2, // two cones, one per side
};
inline constexpr int kViewConeSlots = 2;

// Range volume numbers.
enum RangeVolumeNumber : int {
    kRangeLeftHand = 0,
    kRangeRightHand = 1,
    kRangeLeftLeg = 2,
    kRangeRightLeg = 3,
};
inline constexpr int kRangeVolumeCount = 4;

// One view cone of a mode: a cone along +z of the eye frame, turned into place.
struct ViewConeParameters {
    double halfAngleA; // degrees, across (x)
    double halfAngleB; // degrees, up and down (y)
    double length;     // in
    double tiltX;      // degrees about x (downwards) after the eye-centre translation
    double turnY;      // degrees about y after the tilt
    int colour;        // packed RGB
};
// How many cones mode 1 or 2 shows (0 for other modes), and cone `slot` of that mode.
int ViewConeCount(int mode);
const ViewConeParameters& ViewConeOf(int mode, int slot);

// One range volume: the limb's base segment (the volume follows its frame but not its own
// joint), the three segments whose lengths add up to the reach, and the angular grid.
struct RangeVolumeParameters {
    int baseSegment;
    int chain[3];
    int phiFrom;    // degrees about y from +z towards +x
    int phiTo;      // degrees
    int thetaLimit; // degrees from straight down
    int colour;     // packed RGB
};
const RangeVolumeParameters& RangeVolumeOf(int number);

// Replaces `shape` by the range volume grid of radius R: rows theta = 0, 10, ... up to
// thetaLimit, columns phi = phiFrom, phiFrom + 10, ... up to phiTo, vertex
// (R sin(theta) sin(phi), -R cos(theta), R sin(theta) cos(phi)), with the quads between
// neighbouring rows and columns.
void BuildRangeVolumeGrid(CPolyface& shape, double radius, int phiFrom, int phiTo, int thetaLimit);

// Makes `placed` (created when null) the faces and colour of `shape` with every vertex
// transformed by `m`.
void PlaceShape(std::unique_ptr<CPolyface>& placed, const CPolyface& shape, const Matrix4& m);
