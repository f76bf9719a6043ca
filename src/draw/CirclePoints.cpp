#include "draw/CirclePoints.h"

#include "core/MathConstants.h"

#include <cmath>

std::vector<Vec3> CirclePoints(const Vec3& centre, const Vec3& rim) {
    constexpr double kStep = 0.034906585; // 2 degrees, rad
    const double r = Distance(centre, rim);
    std::vector<Vec3> points;
    points.reserve(181);
    for (double a = 0.0; a <= tav::kTwoPi; a += kStep) {
        const double c = r * std::cos(a);
        const double s = r * std::sin(a);
        if (centre.x != rim.x && centre.y != rim.y)
            points.emplace_back(centre.x + c, centre.y + s, centre.z);
        else if (centre.x != rim.x)
            points.emplace_back(centre.x + c, centre.y, centre.z + s);
        else
            points.emplace_back(centre.x, centre.y + c, centre.z + s);
    }
    return points;
}
