#pragma once

#include "model/Vec3.h"

class CMannequin;

// The eye view's camera for a figure, in scene coordinates (inches): the midpoint of the two
// eyes (vertices 2 and 3 of the HEAD mesh), a point ahead of it looking 10 degrees down, and a
// point above it. Returns 0 (outputs unchanged) when the head has no eye vertices.
int EyePoints(const CMannequin& figure, Vec3& eye, Vec3& target, Vec3& up);
