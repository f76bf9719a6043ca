#pragma once

#include "Body.h"
#include "Sources.h"

#include <array>
#include <string>

// Upper and lower joint limits (degrees) about x, y, z of all 46 joints, in the figure's sign
// convention: the sign of each axis decides which motion name the program shows.
struct JointLimits {
    std::array<Vec3, kSegmentCount> upper{};
    std::array<Vec3, kSegmentCount> lower{};

    // 1 when every component of `angles` lies within the limits of `segment`.
    int Contains(int segment, const Vec3& angles) const;
};

JointLimits BuildJointLimits(const CSources& sources);
// "limit.dat": per segment a line with the upper limits, then one with the lower limits.
std::string JointLimitsText(const JointLimits& limits);
