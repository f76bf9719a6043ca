#pragma once

#include "core/Vec3.h"

#include <vector>

// Points every 2 degrees of the circle around `centre` through `rim`, from angle 0 while the
// accumulated angle does not exceed a full turn (180 or 181 points). The plane follows which
// coordinates differ: XY when x and y differ, XZ when only x differs, YZ when x is equal.
std::vector<Vec3> CirclePoints(const Vec3& centre, const Vec3& rim);
