#include "human/Mannequin.h"

#include "FigureFixture.h"

#include "../support/FixtureData.h"
#include "../support/TestFiles.h"
#include "ExpectNear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// The fixture figure at x = 10 whose right arm chain gives R = 5 + 12 + 10 = 27: vertex 1 of
// RPALM (0, -3, 4), of RFARM (0, -12, 0), of RARM (6, -8, 0); RARM's vertex 0 is (0.5, 1, 0),
// so the volume's centre is the shoulder joint (2, 22, 0) + (0.5, 1, 0) = (2.5, 23, 0).
std::unique_ptr<CMannequin> FigureWithRightArm() {
    auto figure = MakeFixtureFigure();
    figure->transform = Translation(Vec3(10, 0, 0));
    SetVertex(*figure->GetSegment(kRightPalm), 1, Vec3(0, -3, 4));
    SetVertex(*figure->GetSegment(kRightForearm), 1, Vec3(0, -12, 0));
    SetVertex(*figure->GetSegment(kRightArm), 1, Vec3(6, -8, 0));
    SetVertex(*figure->GetSegment(kRightArm), 0, Vec3(0.5, 1, 0));
    figure->UpdatePosture();
    return figure;
}

// Grid vertex of row i (theta = 10 i) and column j (phi = phiFrom + 10 j). The program's degree
// factor is 0.0174532925, so its angles differ from these by about 1e-10 relative.
Vec3 GridPoint(double r, int phiFrom, int i, int j) {
    const double theta = 10 * i * kDeg, phi = (phiFrom + 10 * j) * kDeg;
    return {r * std::sin(theta) * std::sin(phi), -r * std::cos(theta),
            r * std::sin(theta) * std::cos(phi)};
}

TEST(RangeVolumeTest, GridSizesAndColoursOfTheFourLimbs) {
    auto figure = MakeFixtureFigure();
    // The fixture's boxes have vertex 1 at (1, -1, -1): every chain is 3 sqrt 3 long.
    const double r = 3 * std::sqrt(3.0);
    struct Expected {
        int number, rows, columns, phiFrom, colour;
    };
    // Hands: theta 0..180 (19 rows); the left hand phi -70..90, the right -90..70 (17 columns).
    // Legs: theta 0..120 (13 rows), phi -45..45 (10 columns).
    const Expected limbs[] = {{kRangeLeftHand, 19, 17, -70, 0x0000A8},
                              {kRangeRightHand, 19, 17, -90, 0xA80000},
                              {kRangeLeftLeg, 13, 10, -45, 0x0000FC},
                              {kRangeRightLeg, 13, 10, -45, 0x00A800}};
    for (const Expected& e : limbs) {
        figure->ShowRangeVolume(e.number);
        EXPECT_EQ(figure->rangeVolumeShown[e.number], 1);
        ASSERT_TRUE(figure->rangeVolumeTemplates[e.number]) << e.number;
        const CPolyface& grid = *figure->rangeVolumeTemplates[e.number];
        EXPECT_EQ(grid.colour, e.colour);
        ASSERT_EQ(grid.vertices.size(), static_cast<std::size_t>(e.rows * e.columns));
        ASSERT_EQ(grid.faces.size(), static_cast<std::size_t>((e.rows - 1) * (e.columns - 1)));
        // Row-major: the first and last vertex of each row, and a row in the middle.
        for (int i = 0; i < e.rows; ++i) {
            ExpectVecNear(grid.vertices[i * e.columns], GridPoint(r, e.phiFrom, i, 0), 1e-6);
            ExpectVecNear(grid.vertices[i * e.columns + e.columns - 1],
                          GridPoint(r, e.phiFrom, i, e.columns - 1), 1e-6);
        }
        ExpectVecNear(grid.vertices[0], {0, -r, 0}); // straight down
        // Quad of row 2, column 3: (c*2 + 3, c*2 + 4, c*3 + 4, c*3 + 3).
        const int c = e.columns;
        EXPECT_EQ(grid.faces[2 * (c - 1) + 3], (Quad{2 * c + 3, 2 * c + 4, 3 * c + 4, 3 * c + 3}));
        EXPECT_EQ(grid.faces.back(), (Quad{(e.rows - 2) * c + c - 2, (e.rows - 2) * c + c - 1,
                                           e.rows * c - 1, e.rows * c - 2}));
    }
    // The hands are mirrored: at theta 90 the left hand's last column points along +x and the
    // right hand's first column along -x.
    ExpectVecNear(figure->rangeVolumeTemplates[kRangeLeftHand]->vertices[9 * 17 + 16], {r, 0, 0},
                  1e-6);
    ExpectVecNear(figure->rangeVolumeTemplates[kRangeRightHand]->vertices[9 * 17], {-r, 0, 0},
                  1e-6);
    // The legs reach 30 degrees above the horizontal: y = -r cos 120 = r / 2.
    EXPECT_NEAR(figure->rangeVolumeTemplates[kRangeLeftLeg]->vertices[12 * 10].y, r / 2, 1e-6);
}

TEST(RangeVolumeTest, RadiusIsTheChainLengthAndTheVolumeSitsOnTheShoulder) {
    auto figure = FigureWithRightArm();
    figure->ShowRangeVolume(kRangeRightHand);
    ASSERT_TRUE(figure->rangeVolumes[kRangeRightHand]);
    const CPolyface& placed = *figure->rangeVolumes[kRangeRightHand];
    EXPECT_EQ(placed.colour, 0xA80000);
    // Straight down from (2.5, 23, 0) by 27.
    ExpectVecNear(placed.vertices[0], {2.5, -4, 0});
    // Row 9 (theta 90), column 0 (phi -90): 27 along -x.
    ExpectVecNear(placed.vertices[9 * 17], {-24.5, 23, 0}, 1e-6);
    // Row 1 (theta 10), column 9 (phi 0): (0, -27 cos 10, 27 sin 10).
    ExpectVecNear(placed.vertices[17 + 9],
                  {2.5, 23 - 27 * std::cos(10 * kDeg), 27 * std::sin(10 * kDeg)}, 1e-6);
    // The other volumes stay hidden.
    EXPECT_FALSE(figure->rangeVolumes[kRangeLeftHand]);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeLeftHand], 0);
}

// The volume hangs on the limb's base frame: the upper arm's own joint does not move it, the
// trunk does.
TEST(RangeVolumeTest, TheArmDoesNotMoveItsVolumeButTheTrunkDoes) {
    auto figure = FigureWithRightArm();
    figure->ShowRangeVolume(kRangeRightHand);
    const std::vector<Vec3> before = figure->rangeVolumes[kRangeRightHand]->vertices;

    figure->RotateSegment(kRightArm, 45, 2);
    figure->RotateSegment(kRightArm, 30, 0);
    figure->UpdatePosture();
    const std::vector<Vec3>& after = figure->rangeVolumes[kRangeRightHand]->vertices;
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        ExpectVecNear(after[i], before[i]);

    // The chest bent forward 90 degrees about x at its joint (10, 10, 0): the shoulder offset
    // plus placement (-7.5, 13, 0) turns to (-7.5, 0, 13), so the centre is (2.5, 10, 13); the
    // downward vertex (0, -27, 0) turns to (0, 0, -27), the sideways one (-27, 0, 0) stays.
    figure->RotateSegment(kChest, 90, 0);
    figure->UpdatePosture();
    const CPolyface& bent = *figure->rangeVolumes[kRangeRightHand];
    ExpectVecNear(bent.vertices[0], {2.5, 10, -14}, 1e-6);
    ExpectVecNear(bent.vertices[9 * 17], {-24.5, 10, 13}, 1e-6);
}

// The legs' volumes hang on the pelvis without its joint (the leg rule): turning the pelvis
// or the thigh leaves them in place, moving the figure carries them along.
TEST(RangeVolumeTest, LegVolumesFollowThePlacementOnly) {
    auto figure = MakeFixtureFigure();
    figure->ShowRangeVolume(kRangeLeftLeg);
    // Hip joint (5, 0, 0) plus the box's vertex 0 (-1, -1, -1); radius 3 sqrt 3 straight down.
    const Vec3 down(4, -1 - 3 * std::sqrt(3.0), -1);
    ExpectVecNear(figure->rangeVolumes[kRangeLeftLeg]->vertices[0], down);
    figure->RotateSegment(kAbdomen, 40, 0);
    figure->RotateSegment(kLeftLeg, -60, 0);
    figure->UpdatePosture();
    ExpectVecNear(figure->rangeVolumes[kRangeLeftLeg]->vertices[0], down);
    figure->transform = Translation(Vec3(0, 0, 7));
    figure->UpdatePosture();
    ExpectVecNear(figure->rangeVolumes[kRangeLeftLeg]->vertices[0], down + Vec3(0, 0, 7));
}

TEST(RangeVolumeTest, ALimbOfNoLengthIsShownWithoutAShape) {
    auto figure = MakeFixtureFigure();
    figure->ShowRangeVolume(kRangeLeftHand);
    ASSERT_TRUE(figure->rangeVolumeTemplates[kRangeLeftHand]);
    figure->HideRangeVolume(kRangeLeftHand);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeLeftHand], 0);
    EXPECT_FALSE(figure->rangeVolumes[kRangeLeftHand]);

    for (int segment : {kLeftPalm, kLeftForearm, kLeftArm})
        SetVertex(*figure->GetSegment(segment), 1, Vec3(0, 0, 0));
    figure->ShowRangeVolume(kRangeLeftHand);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeLeftHand], 1);
    // The shape of the earlier, longer limb is not kept.
    EXPECT_FALSE(figure->rangeVolumeTemplates[kRangeLeftHand]);
    EXPECT_FALSE(figure->rangeVolumes[kRangeLeftHand]);

    // Numbers outside 0..3 change nothing.
    figure->ShowRangeVolume(4);
    figure->ShowRangeVolume(-1);
    figure->HideRangeVolume(7);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeLeftHand], 1);
    EXPECT_EQ(figure->rangeVolumeShown[kRangeRightHand], 0);
}

// A new body changes the limb lengths and the eyes: shown shapes are rebuilt to fit it.
TEST(RangeVolumeTest, ChangeBodyRefitsShownShapes) {
    ScopedDataDirectory data;
    fixture::WriteDataDirectory(data.Path(""));
    RecordingReporter reporter;
    CMannequin figure(0, 1, -1, 2, 1, 1, 1, 2, 0, CAnthropometryContext{reporter});
    ASSERT_EQ(figure.valid, 1);
    figure.ShowRangeVolume(kRangeRightHand);
    figure.ShowViewCone(kViewConeOptimum);
    // The fixture mesh has vertex 1 at (-1, -2, -1) from every joint; scaled (1.2, 1.1, 1.2)
    // each of the three segments is |(-1.2, -2.2, -1.2)| = sqrt 7.72 long.
    EXPECT_NEAR(figure.rangeVolumeTemplates[kRangeRightHand]->vertices[0].y, -3 * std::sqrt(7.72),
                1e-5);
    // Eyes (vertices 2 and 3) at x = +-1 in the file, +-1.2 scaled: apex radius 1.2.
    EXPECT_NEAR(figure.viewConeTemplates[0]->vertices[0].y, 1.2, 1e-5);

    for (Vec3& scale : figure.anthropometry.scale)
        scale = Vec3(2, 2, 2);
    ASSERT_EQ(figure.ChangeBody(-1, reporter), 1);
    // Now |(-2, -4, -2)| = sqrt 24 each.
    EXPECT_NEAR(figure.rangeVolumeTemplates[kRangeRightHand]->vertices[0].y, -3 * std::sqrt(24.0),
                1e-5);
    EXPECT_NEAR(figure.rangeVolumes[kRangeRightHand]->vertices[0].y,
                TranslationOf(figure.GetSegment(kRightArm)->transform).y - 3 * std::sqrt(24.0),
                1e-5);
    EXPECT_NEAR(figure.viewConeTemplates[0]->vertices[0].y, 2.0, 1e-5);
}

} // namespace
