#pragma once

#include "core/Vec3.h"

#include <cmath>

// Ranges a number read from a file or an argument must fall in before the model takes it.
inline constexpr double kMaxCoordinate = 1e6; // in: far beyond any workplace
inline constexpr double kMaxScale = 100.0;    // anthropometric scale factors

inline bool IsFiniteWithin(double value, double limit) {
    return std::isfinite(value) && std::fabs(value) <= limit;
}

inline bool IsStorableCoordinate(const Vec3& p) {
    return IsFiniteWithin(p.x, kMaxCoordinate) && IsFiniteWithin(p.y, kMaxCoordinate) &&
           IsFiniteWithin(p.z, kMaxCoordinate);
}
