#pragma once

#include "core/Matrix4.h"
#include "core/Vec3.h"

#include <gtest/gtest.h>

// Component-wise comparisons with a tolerance, reporting the failing component.
inline void ExpectVecNear(const Vec3& a, const Vec3& b, double tol = 1e-9) {
    EXPECT_NEAR(a.x, b.x, tol);
    EXPECT_NEAR(a.y, b.y, tol);
    EXPECT_NEAR(a.z, b.z, tol);
}

inline void ExpectMatrixNear(const Matrix4& a, const Matrix4& b, double tol = 1e-9) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(a.m[i], b.m[i], tol) << "element " << i;
}
