#include "human/JointAngles.h"

#include "core/MathConstants.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The 3x3 rotation Rx(x) Rz(z) Ry(y) written out by hand (radians), independent of Matrix4.
void HandRotation(double x, double y, double z, double r[3][3]) {
    const double cx = std::cos(x), sx = std::sin(x), cy = std::cos(y), sy = std::sin(y);
    const double cz = std::cos(z), sz = std::sin(z);
    const double m[3][3] = {{cz * cy, -sz, cz * sy},
                            {cx * sz * cy + sx * sy, cx * cz, cx * sz * sy - sx * cy},
                            {sx * sz * cy - cx * sy, sx * cz, sx * sz * sy + cx * cy}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = m[i][j];
}

double MaxElementError(const Matrix4& a, const Matrix4& b) {
    double worst = 0.0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            worst = std::max(worst, std::fabs(a(i, j) - b(i, j)));
    return worst;
}

TEST(JointAnglesTest, CompositionMatchesHandFormula) {
    const Vec3 deg(23, -71, 48);
    double r[3][3];
    HandRotation(deg.x * tav::kDegToRad, deg.y * tav::kDegToRad, deg.z * tav::kDegToRad, r);
    const Matrix4 m = JointRotationFromAngles(deg);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(m(i, j), r[i][j], 1e-12) << i << "," << j;
    EXPECT_EQ(m(3, 3), 1.0);
    EXPECT_EQ(TranslationOf(m), Vec3(0, 0, 0));
}

// Every rotation of a dense grid, gimbal band included, decomposes into angles that rebuild it.
TEST(JointAnglesTest, DecompositionRecomposesOverDenseSweep) {
    const double gimbalZ[] = {-90.0, -89.99, -89.9, -89.5, -89.2, -88.9, -88.0,
                              88.0,  88.9,   89.2,  89.5,  89.9,  89.99, 90.0};
    int checked = 0;
    for (double x = -180.0; x <= 180.0; x += 10.0)
        for (double y = -180.0; y <= 180.0; y += 10.0) {
            auto check = [&](double z) {
                const Matrix4 m = JointRotationFromAngles({x, y, z});
                const Vec3 d = DecomposeJointRotation(m);
                ASSERT_TRUE(std::isfinite(d.x) && std::isfinite(d.y) && std::isfinite(d.z));
                // Away from the gimbal band the match is close (asin loses digits near y = 90);
                // inside it within the decomposition's acceptance (squares summing to 1e-6).
                const double tolerance = std::fabs(std::fabs(z) - 90.0) > 1.0 ? 1e-6 : 1e-3;
                ASSERT_LT(MaxElementError(JointRotationFromAngles(d), m), tolerance)
                    << "input " << x << " " << y << " " << z << " -> " << d.x << " " << d.y << " "
                    << d.z;
                ++checked;
            };
            for (double z = -180.0; z <= 180.0; z += 10.0)
                check(z);
            for (double z : gimbalZ)
                check(z);
        }
    EXPECT_GT(checked, 60000);
}

TEST(JointAnglesTest, SmallAnglesComeBackUnchanged) {
    for (double x = -85; x <= 85; x += 17)
        for (double y = -85; y <= 85; y += 17)
            for (double z = -85; z <= 85; z += 17) {
                const Vec3 d = DecomposeJointRotation(JointRotationFromAngles({x, y, z}));
                EXPECT_NEAR(d.x, x, 1e-6);
                EXPECT_NEAR(d.y, y, 1e-6);
                EXPECT_NEAR(d.z, z, 1e-6);
            }
}

TEST(JointAnglesTest, PrefersSmallestAngleSum) {
    // (10, 160, 170) equals (190, -20, 10), which is (-170, -20, 10) within (-180, 180]: flip
    // x and y by 180 and mirror z. The second has the smaller |x| + |y| + |z| (200 against 340).
    const Vec3 d = DecomposeJointRotation(JointRotationFromAngles({10, 160, 170}));
    EXPECT_NEAR(d.x, -170.0, 1e-6);
    EXPECT_NEAR(d.y, -20.0, 1e-6);
    EXPECT_NEAR(d.z, 10.0, 1e-6);

    // Identity: (0, 0, 0), not (180, 180, 180).
    const Vec3 zero = DecomposeJointRotation(Matrix4(true));
    EXPECT_NEAR(std::fabs(zero.x) + std::fabs(zero.y) + std::fabs(zero.z), 0.0, 1e-9);

    // At z = 90 only x - y is defined; Rx(35) Rz(90) Ry(35) is reached with x = y = 0.
    const Vec3 g = DecomposeJointRotation(JointRotationFromAngles({35, 35, 90}));
    EXPECT_NEAR(g.x, 0.0, 1e-6);
    EXPECT_NEAR(g.y, 0.0, 1e-6);
    EXPECT_NEAR(g.z, 90.0, 1e-5);
}

// The half turn about (1, -1, 0), written exactly: x -> -y, y -> -x, z -> -z. It has z = 90, where
// only x - y is defined (here 180), so the decomposition sets x0 = 0, y0 = asin(M(1,2)) = 0 and
// z0 = 90. Two different candidates rebuild it and tie on the angle sum:
//   the second candidate, (0, 180 - 0, 90):  |0| + |180| + |90| = 270
//   the third candidate,  (180 - 0, 0, 90):  |180| + |0| + |90| = 270
// (the same sums in radians, bit for bit). The earlier one wins.
TEST(JointAnglesTest, EarlierCandidateWinsTie) {
    Matrix4 m(true);
    m(0, 0) = 0.0;
    m(0, 1) = -1.0;
    m(1, 0) = -1.0;
    m(1, 1) = 0.0;
    m(2, 2) = -1.0;
    const Vec3 d = DecomposeJointRotation(m);
    EXPECT_NEAR(d.x, 0.0, 1e-6);
    EXPECT_NEAR(d.y, 180.0, 1e-6);
    EXPECT_NEAR(d.z, 90.0, 1e-6);
}

TEST(JointAnglesTest, IgnoresTranslationAndSurvivesRoundingPastOne) {
    Matrix4 m = Translation(Vec3(4, 5, 6)) * JointRotationFromAngles({0, 0, -90});
    m(0, 1) = 1.0 + 1e-15; // -sin z rounded just past 1
    const Vec3 d = DecomposeJointRotation(m);
    EXPECT_NEAR(d.z, -90.0, 1e-5);
    EXPECT_TRUE(std::isfinite(d.x) && std::isfinite(d.y));
}

} // namespace
