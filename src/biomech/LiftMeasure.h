#pragma once

#include "core/Vec3.h"

class CMannequin;
struct CPosture;
struct NioshInputs;

// Hand and foot locations of a lift, measured on a figure (in, figure coordinates).
struct LiftPoint {
    float h = 0.0f; // horizontal distance between the hands point and the feet point
    float v = 0.0f; // height of the hands point above the feet point
};

// Measures the figure as it stands: feet point = midpoint of the LFOOT and RFOOT joints, hands
// point = midpoint of the RPALM and LPALM joints (joint origins in figure coordinates).
LiftPoint MeasureLiftPoint(const CMannequin& figure);
// Opening the NIOSH dialog: poses the figure in `initial`, then in `final`, measuring each;
// fills H and V of both ends of `inputs`, sets both asymmetry angles to 0, and restores the
// figure's posture (and its world data) as it was.
void MeasureLift(CMannequin& figure, const CPosture& initial, const CPosture& final,
                 NioshInputs& inputs);
