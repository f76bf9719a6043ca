#pragma once

#include "core/Vec3.h"

#include <algorithm>
#include <vector>

// The convex hull of the points seen from above (x, z), counter-clockwise, its first point
// repeated at the end (Andrew's monotone chain).
inline std::vector<Vec3> FloorHull(std::vector<Vec3> points) {
    std::sort(points.begin(), points.end(),
              [](const Vec3& a, const Vec3& b) { return a.x < b.x || (a.x == b.x && a.z < b.z); });
    auto turn = [](const Vec3& o, const Vec3& a, const Vec3& b) {
        return (a.x - o.x) * (b.z - o.z) - (a.z - o.z) * (b.x - o.x);
    };
    std::vector<Vec3> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && turn(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && turn(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k);
    return hull;
}
