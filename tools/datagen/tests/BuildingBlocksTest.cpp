// The generator's own building blocks: the CSV reader on awkward and broken input, number
// formatting, the mesh primitives' orientation and fitting, and the rounding of a limb's end.
#include "Csv.h"
#include "Format.h"
#include "MeshBuilder.h"
#include "SegmentJoins.h"
#include "Sources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

TEST(Csv, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
    CsvTable t;
    ASSERT_EQ(ParseCsv("a,b,c\r\n1,\"x, \"\"y\"\"\nz\",3\n\n4,,6", t), 1);
    ASSERT_EQ(t.header, (std::vector<std::string>{"a", "b", "c"}));
    ASSERT_EQ(t.rows.size(), 2u);
    EXPECT_EQ(t.rows[0][1], "x, \"y\"\nz");
    EXPECT_EQ(t.rows[1][1], "");
    EXPECT_EQ(t.Column("c"), 2);
    EXPECT_EQ(t.Column("d"), -1);
}

TEST(Csv, BrokenOrMissingInputIsRejected) {
    CsvTable t;
    EXPECT_EQ(ParseCsv("a,b\n1,\"never closed\n", t), 0);
    EXPECT_EQ(ReadCsv("/nonexistent/table.csv", t), 0);
    EXPECT_EQ(ParseCsv("", t), 1);
    EXPECT_TRUE(t.rows.empty());
}

TEST(Sources, MissingValuesAreNaNAndListed) {
    CSources src;
    ASSERT_EQ(src.Load(TAVRONA_DATAGEN_SOURCES), 1);
    EXPECT_DOUBLE_EQ(src.Population("USA_Army_ANSUR1988", "male", "stature", "p50"), 1755.5);
    EXPECT_TRUE(src.Missing().empty());
    EXPECT_TRUE(std::isnan(src.Population("Atlantis", "male", "stature", "p50")));
    // A blank cell counts as missing too: NCD-RisC rows have no SD.
    EXPECT_TRUE(std::isnan(src.Population("Germany_NCDRisC_adults2016", "male", "stature", "sd")));
    EXPECT_EQ(src.Missing().size(), 2u);
    EXPECT_DOUBLE_EQ(src.Gait("hip_flexion_r")[0], 24.61);
    EXPECT_DOUBLE_EQ(src.JointRange("knee", "flexion").max, 130.0); // the first (Merck) row
}

TEST(Format, FixedDecimalsWithoutNegativeZero) {
    EXPECT_EQ(Fixed(1.23456, 3), "1.235");
    EXPECT_EQ(Fixed(-0.0004, 3), "0.000");
    EXPECT_EQ(Fixed(-2.5, 1), "-2.5");
    EXPECT_EQ(Fixed(175.55, 2), "175.55");
}

// Every vertex a face uses gets a normal from some face where it is among the first three.
bool EveryVertexLit(const SurfaceMesh& m) {
    std::set<int> used, lit;
    for (const auto& f : m.faces) {
        used.insert(f.begin(), f.end());
        lit.insert({f[0], f[1], f[2]});
    }
    return used == lit;
}

TEST(MeshBuilder, PrimitivesFaceOutwardAndLightEveryVertex) {
    const Frame upright;
    const SurfaceMesh box = Box(upright, {1, 2, 3});
    EXPECT_NEAR(SignedVolume(box), 48.0, 1e-9); // 2 x 4 x 6
    EXPECT_TRUE(EveryVertexLit(box));
    const SurfaceMesh egg = Ellipsoid(upright, {1, 2, 3}, 24, 32);
    EXPECT_NEAR(SignedVolume(egg) / (4.0 / 3.0 * M_PI * 6.0), 1.0, 0.02);
    EXPECT_TRUE(EveryVertexLit(egg));
    const SurfaceMesh rod = Cylinder({0, 0, 0}, {0, 0, 10}, 1.0, 32);
    EXPECT_NEAR(SignedVolume(rod) / (M_PI * 10.0), 1.0, 0.01);
    EXPECT_TRUE(EveryVertexLit(rod));
    const SurfaceMesh ring = Ring({0, 0, 0}, 5, 5, 0.5, 0.0, 64, 32);
    EXPECT_NEAR(SignedVolume(ring) / (2 * M_PI * 5 * M_PI * 0.25), 1.0, 0.02);
    EXPECT_TRUE(EveryVertexLit(ring));
    const SurfaceMesh tube = Loft(upright, 10.0, {{0.0, 1.0, 2.0}, {1.0, 1.0, 2.0}}, 8, 24, 0, 0);
    EXPECT_GT(SignedVolume(tube), 0.0);
    EXPECT_TRUE(EveryVertexLit(tube));
}

TEST(MeshBuilder, MirroringKeepsFacesOutwardAndFittingHitsTheExtents) {
    Frame f;
    f.origin = {5, 0, 0};
    SurfaceMesh egg = Ellipsoid(f, {1, 2, 3}, 12, 16);
    const SurfaceMesh mirrored = MirroredX(egg);
    EXPECT_NEAR(SignedVolume(mirrored), SignedVolume(egg), 1e-9);
    EXPECT_TRUE(EveryVertexLit(mirrored));
    EXPECT_LT(mirrored.vertices[0].x, 0.0);
    FitExtents(egg, 4.0, 9.0);
    double lo = 1e9, hi = -1e9, front = -1e9, back = 1e9;
    for (const Vec3& v : egg.vertices) {
        lo = std::min(lo, v.x);
        hi = std::max(hi, v.x);
        front = std::max(front, v.z);
        back = std::min(back, v.z);
    }
    EXPECT_NEAR(hi - lo, 4.0, 1e-9);
    EXPECT_NEAR(front - back, 9.0, 1e-9);
    EXPECT_NEAR(0.5 * (hi + lo), 5.0, 1e-9); // about its own centre
}

// A tube of radius 2 reaching 5 cm above its joint: above the joint it becomes a half-ellipsoid
// 5 cm deep (radius at most 2 sqrt(1 - h^2/25), half way up 1.73), never thinner than a fifth of
// its section; heights stay, and nothing below the joint moves.
TEST(SegmentJoins, EndAboveTheJointIsRoundedWithinItsSection) {
    const Vec3 joint{3, 0, 0};
    Frame upright;
    upright.origin = {3, -10, 0};
    const SurfaceMesh tube = Loft(upright, 15.0, {{0.0, 2.0, 2.0}, {1.0, 2.0, 2.0}}, 30, 24, 0, 0);
    SurfaceMesh rounded = tube;
    RoundEndAboveJoint(rounded, joint);
    ASSERT_EQ(rounded.vertices.size(), tube.vertices.size());
    double halfWay = 0.0;
    for (size_t i = 0; i < tube.vertices.size(); ++i) {
        const Vec3& before = tube.vertices[i];
        const Vec3& after = rounded.vertices[i];
        EXPECT_DOUBLE_EQ(after.y, before.y);
        const double h = before.y - joint.y, r = std::hypot(after.x - joint.x, after.z);
        if (h <= 0.0) {
            EXPECT_NEAR(Length(after - before), 0.0, 1e-12);
        } else if (std::hypot(before.x - joint.x, before.z) > 1.0) { // not the pole
            EXPECT_LE(r, 2.0 * std::max(0.2, std::sqrt(1.0 - h * h / 25.0)) + 1e-9);
            if (std::fabs(h - 2.5) < 0.3) {
                halfWay = std::max(halfWay, r);
            }
        }
    }
    EXPECT_GT(halfWay, 1.5); // rounded, not cut off
    EXPECT_LT(halfWay, 1.8);
}

} // namespace
