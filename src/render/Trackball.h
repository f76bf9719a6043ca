#pragma once

#include "core/Matrix4.h"

// Virtual trackball of the 3D orbit. Quaternions are (x, y, z, w) in single precision; window
// points are normalised to [-1, 1] with y up.

// Rotation that drags the ball (radius 0.8) from p1 to p2; the identity when they coincide.
void Trackball(float q[4], float p1x, float p1y, float p2x, float p2y);
// dest = rotation q1 followed by q2. Every 98th addition in the process renormalises the result
// (each component divided by the sum of squares) so that rounding does not pile up.
void AddQuats(const float q1[4], const float q2[4], float dest[4]);
// Rotation matrix of a unit quaternion (row-major, column vectors).
Matrix4 QuaternionMatrix(const float q[4]);
