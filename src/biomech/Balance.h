#pragma once

#include "core/Vec3.h"

// Plane geometry of the support area seen from above: points are (x, z) of Vec3s.

// Side of point q relative to the line through p with direction (ex, ez): +1 on or left of it,
// -1 right of it.
int SideOfLine(const Vec3& p, double ex, double ez, const Vec3& q);
// Whether all `count` points except index `skip` (-1: none) lie on one side of that line.
bool AllOnOneSide(const Vec3* points, int count, int skip, const Vec3& p, double ex, double ez);
// Whether `g` lies inside the convex outline of the points: no point is an extreme point seen
// from g. False for a non-finite g.
bool InsideSupport(const Vec3* points, int count, const Vec3& g);

// The split of a vertical load between two feet standing on outlines `left` and `right`
// (26 points each) under a centre of pressure `centre` (y ignored): the support point of each
// foot on a line through the centre that crosses both outlines, and the share of each foot by
// the lever rule. False when no such line exists or the centre lies outside the support.
struct FootSplit {
    Vec3 leftPoint, rightPoint; // support points, with the outlines' y
    double leftShare = 0.0;     // fraction of the load on the left foot, 0..1
    double rightShare = 0.0;
};
bool SplitBetweenFeet(const Vec3* left, const Vec3* right, int count, const Vec3& centre,
                      FootSplit& split);
