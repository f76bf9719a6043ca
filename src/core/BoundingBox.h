#pragma once

#include "core/Vec3.h"

// Axis-aligned box that grows point by point; `valid` is 0 until the first point.
struct BoundingBox {
    int valid = 0;
    Vec3 min;
    Vec3 max;

    void Reset() { *this = BoundingBox(); }
    void Extend(const Vec3& p);
    Vec3 Centre() const { return (min + max) / 2.0; }
};
