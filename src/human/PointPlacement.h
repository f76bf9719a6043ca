#pragma once

#include "core/Matrix4.h"
#include "core/Vec3.h"

#include <vector>

// out[i] = TransformPoint(m, in[i]) for every point; out is resized to match. This is the bulk
// of every posture update and redraw of a figure, so it is written to run near memory speed.
void PlacePoints(const Matrix4& m, const std::vector<Vec3>& in, std::vector<Vec3>& out);
