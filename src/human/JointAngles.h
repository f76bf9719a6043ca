#pragma once

#include "core/Matrix4.h"
#include "core/Vec3.h"

// A joint's rotation from its three angles (degrees): RotationX(x) * RotationZ(z) * RotationY(y),
// so a point of the segment turns first about y, then z, then x.
Matrix4 JointRotationFromAngles(const Vec3& degrees);

// The angles (degrees) whose joint rotation equals the rotation part of m. Of the equivalent
// solutions the one with the smallest |x| + |y| + |z| is chosen; when no solution reproduces m
// closely, the closest one.
Vec3 DecomposeJointRotation(const Matrix4& m);
