#pragma once

#include <cmath>

// Numeric constants shared by every spatial computation. The conversion factors are the
// program's own fixed values (radians to degrees is the reciprocal of the degree factor,
// not 180/pi), so that angles round-trip the same way in every module and every file.
namespace tav {

inline constexpr double kDegToRad = 0.0174532925;
inline constexpr double kRadToDeg = 57.295779578552306;
inline constexpr double kTwoPi = 6.283185307179586;
inline const double kPi = 4.0 * std::atan(1.0);
inline constexpr double kLengthTolerance = 1e-6;
inline constexpr double kPivotTolerance = 1e-12;

} // namespace tav
