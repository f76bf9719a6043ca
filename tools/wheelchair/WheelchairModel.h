#pragma once

#include "core/Vec3.h"

class CMannequin;
class CSceneObject;

// Where a seated figure touches its chair, in scene coordinates (in, +y up, facing +z).
struct SeatedFit {
    double seatTop = 19.7;  // seat surface above the floor: 50 cm
    double seatBack = 0.0;  // z of the back rest's front face
    double seatFront = 0.0; // z of the seat's front edge
    double halfWidth = 0.0; // half the seat width
    double footTop = 0.0;   // height of the footrest plates
    double footBack = 0.0;  // z range of the soles
    double footFront = 0.0;
};

// Lifts the seated figure so that its buttocks rest on a seat 50 cm above the floor, and
// measures where the back rest, seat edge and footrests belong.
SeatedFit SeatFigure(CMannequin& figure);

// A manual wheelchair fitted to the figure, as one group of polyfaces: seat, back, arm rests,
// frame tubes, two 24 in (61 cm) rear wheels with push rims, two 5 in casters and footrests.
CSceneObject* BuildWheelchair(const SeatedFit& fit);
