#include "core/BoundingBox.h"
#include "core/MathConstants.h"
#include "core/Matrix4.h"
#include "core/Vec3.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectMatrixNear(const Matrix4& a, const Matrix4& b, double tol) {
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(a.m[i], b.m[i], tol) << "element " << i;
}

TEST(Vec3Test, NormalizeLeavesTinyVectorsUnchanged) {
    EXPECT_EQ(Normalize(Vec3(0, 0, 0)), Vec3(0, 0, 0));
    EXPECT_EQ(Normalize(Vec3(1e-7, 0, 0)), Vec3(1e-7, 0, 0));
    const Vec3 n = Normalize(Vec3(3, 4, 0));
    EXPECT_DOUBLE_EQ(n.x, 0.6);
    EXPECT_DOUBLE_EQ(n.y, 0.8);
}

TEST(Vec3Test, CrossFollowsRightHandRule) {
    EXPECT_EQ(Cross(Vec3(1, 0, 0), Vec3(0, 1, 0)), Vec3(0, 0, 1));
    EXPECT_EQ(TriangleNormal(Vec3(1, 1, 1), Vec3(2, 1, 1), Vec3(1, 2, 1)), Vec3(0, 0, 1));
}

TEST(Vec3Test, AngleAtEdgeCases) {
    EXPECT_NEAR(AngleAt(Vec3(1, 0, 0), Vec3(0, 0, 0), Vec3(0, 1, 0)), 90.0, 1e-5);
    // Coincident points: the dot product is 0 over the floored denominator.
    EXPECT_NEAR(AngleAt(Vec3(0, 0, 0), Vec3(0, 0, 0), Vec3(0, 0, 0)), 90.0, 1e-5);
    // Collinear: 0 on the same side, 180 on opposite sides.
    EXPECT_NEAR(AngleAt(Vec3(1, 0, 0), Vec3(0, 0, 0), Vec3(2, 0, 0)), 0.0, 1e-3);
    EXPECT_NEAR(AngleAt(Vec3(1, 0, 0), Vec3(0, 0, 0), Vec3(-2, 0, 0)), 180.0, 1e-3);
    EXPECT_NEAR(AngleAt(Vec3(1, 0, 0), Vec3(0, 0, 0), Vec3(1, 1, 0)), 45.0, 1e-4);
}

TEST(Vec3Test, HeadingQuadrants) {
    const Vec3 o(5, 5, 3);
    EXPECT_NEAR(Heading(o, o + Vec3(1, 0, 0)), 0.0, 1e-9);
    EXPECT_NEAR(Heading(o, o + Vec3(0, 1, 0)), 90.0, 1e-6);
    EXPECT_NEAR(Heading(o, o + Vec3(-1, 0, 7)), 180.0, 1e-6);
    EXPECT_NEAR(Heading(o, o + Vec3(0, -1, 0)), 270.0, 1e-6);
    EXPECT_NEAR(Heading(o, o + Vec3(1, -1, 0)), 315.0, 1e-6);
    // Just below the x axis but within the tolerance counts as the upper half.
    EXPECT_NEAR(Heading(o, o + Vec3(1, -1e-7, 0)), 0.0, 1e-4);
}

TEST(Vec3Test, LineHelpers) {
    EXPECT_EQ(ClosestPointOnLine(Vec3(0, 0, 0), Vec3(0, 0, 5), Vec3(3, 4, 2)), Vec3(0, 0, 2));
    EXPECT_EQ(FootOfPerpendicular(Vec3(1, 7, 0), Vec3(0, 0, 0), Vec3(4, 0, 0)), Vec3(1, 0, 0));
    EXPECT_DOUBLE_EQ(PointLineDistance(Vec3(1, 7, 0), Vec3(0, 0, 0), Vec3(4, 0, 0)), 7.0);
}

TEST(Matrix4Test, ConstructionAndRowMajorLayout) {
    const Matrix4 zero;
    for (double v : zero.m)
        EXPECT_EQ(v, 0.0);
    const Matrix4 t = Translation(Vec3(1, 2, 3));
    EXPECT_EQ(t.m[3], 1.0);
    EXPECT_EQ(t.m[7], 2.0);
    EXPECT_EQ(t.m[11], 3.0);
    EXPECT_EQ(TransformPoint(t, Vec3(1, 1, 1)), Vec3(2, 3, 4));
    const Matrix4 s = Scaling(Vec3(2, 3, 4));
    EXPECT_EQ(s.m[15], 0.0);
    EXPECT_EQ(TransformPoint(s, Vec3(1, 1, 1)), Vec3(2, 3, 4));
}

TEST(Matrix4Test, RotationsAreRightHanded) {
    const Vec3 y = TransformPoint(RotationZ(90), Vec3(1, 0, 0));
    EXPECT_NEAR(y.x, 0.0, 1e-8);
    EXPECT_NEAR(y.y, 1.0, 1e-8);
    const Vec3 z = TransformPoint(RotationX(90), Vec3(0, 1, 0));
    EXPECT_NEAR(z.z, 1.0, 1e-8);
    const Vec3 x = TransformPoint(RotationY(90), Vec3(0, 0, 1));
    EXPECT_NEAR(x.x, 1.0, 1e-8);
}

TEST(Matrix4Test, MultiplyAppliesRightOperandFirst) {
    const Matrix4 m = Translation(Vec3(10, 0, 0)) * RotationZ(90);
    const Vec3 p = TransformPoint(m, Vec3(1, 0, 0));
    EXPECT_NEAR(p.x, 10.0, 1e-8);
    EXPECT_NEAR(p.y, 1.0, 1e-8);
}

TEST(Matrix4Test, InverseTimesMatrixIsIdentity) {
    const Matrix4 m = Translation(Vec3(3, -2, 7)) * RotationX(31) * RotationZ(-47) * RotationY(112);
    ExpectMatrixNear(m * Inverse(m), Matrix4(true), 1e-12);
    ExpectMatrixNear(Inverse(m) * m, Matrix4(true), 1e-12);

    // A general matrix that needs row swaps (zero on the first pivot).
    Matrix4 g(true);
    g(0, 0) = 0;
    g(0, 1) = 2;
    g(1, 0) = 3;
    g(1, 1) = 1;
    g(2, 3) = 5;
    ExpectMatrixNear(g * Inverse(g), Matrix4(true), 1e-12);
}

TEST(Matrix4Test, InverseOfSingularMatrixIsIdentity) {
    EXPECT_EQ(Inverse(Matrix4()), Matrix4(true));
    EXPECT_EQ(Inverse(Scaling(Vec3(1, 2, 3))), Matrix4(true)); // m[15] == 0
    Matrix4 rankTwo(true);
    rankTwo(2, 2) = 1e-13;
    EXPECT_EQ(Inverse(rankTwo), Matrix4(true));
}

TEST(Matrix4Test, RotationPartDropsTranslationOnly) {
    Matrix4 m = Translation(Vec3(1, 2, 3)) * RotationX(20);
    m(3, 0) = 9;
    const Matrix4 r = RotationPart(m);
    EXPECT_EQ(r.m[3], 0.0);
    EXPECT_EQ(r.m[7], 0.0);
    EXPECT_EQ(r.m[11], 0.0);
    EXPECT_EQ(r(3, 0), 9.0);
    EXPECT_EQ(r(1, 2), m(1, 2));
}

TEST(Matrix4Test, ColumnMajorIsTranspose) {
    const Matrix4 t = Translation(Vec3(1, 2, 3));
    double gl[16];
    t.ToColumnMajor(gl);
    EXPECT_EQ(gl[12], 1.0);
    EXPECT_EQ(gl[13], 2.0);
    EXPECT_EQ(gl[14], 3.0);
}

TEST(BoundingBoxTest, FirstPointSetsBothCorners) {
    BoundingBox box;
    EXPECT_EQ(box.valid, 0);
    box.Extend(Vec3(1, -2, 3));
    EXPECT_EQ(box.valid, 1);
    EXPECT_EQ(box.min, Vec3(1, -2, 3));
    EXPECT_EQ(box.max, Vec3(1, -2, 3));
    box.Extend(Vec3(-1, 5, 3));
    EXPECT_EQ(box.min, Vec3(-1, -2, 3));
    EXPECT_EQ(box.max, Vec3(1, 5, 3));
}

TEST(ConstantsTest, ExactValues) {
    EXPECT_EQ(tav::kRadToDeg, 57.295779578552306);
    EXPECT_NEAR(tav::kRadToDeg * tav::kDegToRad, 1.0, 1e-15);
    EXPECT_EQ(tav::kPi, 4.0 * std::atan(1.0));
}

} // namespace
