#pragma once

#include "core/Matrix4.h"
#include "core/Vec3.h"

#include <vector>

// Geometry of the curved DXF entities, each approximated by points on the curve.

// From an entity's object coordinate system to world coordinates by the DXF arbitrary axis
// algorithm for the extrusion direction `normal` (identity when its z is exactly 1; a zero
// vector counts as (0, 0, 1)).
Matrix4 ArbitraryAxisMatrix(const Vec3& normal);

// Segments of an arc sweeping `sweepDegrees`: the nearest integer to |sweep| / 360 x 20, at
// least 3 (a full circle gets 20).
int ArcSegments(double sweepDegrees);

// Points of an ARC (angles in degrees, counter-clockwise from start to end) at the centre's z:
// ArcSegments + 1 points. Angles beyond +-360 are reduced; an end below the start gains 360.
std::vector<Vec3> ArcPoints(const Vec3& centre, double radius, double startDegrees,
                            double endDegrees);

// Points of an ELLIPSE from `startParameter` to `endParameter` (radians; an end not above the
// start gains 2 pi; at most once round): centre + cos t major + sin t ratio (normal x major).
std::vector<Vec3> EllipsePoints(const Vec3& centre, const Vec3& majorAxis, const Vec3& normal,
                                double ratio, double startParameter, double endParameter);

// The arc segment of a polyline vertex with bulge b (tan of a quarter of the included angle,
// positive counter-clockwise) from `from` to `to`, without `from`, ending at `to`; just `to`
// for a straight segment.
std::vector<Vec3> BulgePoints(const Vec3& from, const Vec3& to, double bulge);

// Points on a B-spline of `degree` over `controls` (with `weights` when there is one per
// control point, else non-rational) and `knots` (clamped uniform ones are made when their
// count is not controls + degree + 1): 10 per control point plus the end. Empty when there are
// not degree + 1 control points or the degree is outside 1..10.
std::vector<Vec3> SplinePoints(int degree, const std::vector<Vec3>& controls,
                               const std::vector<double>& weights, std::vector<double> knots);
