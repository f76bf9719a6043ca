#include "human/Mannequin.h"

#include "human/EyePoints.h"

#include "FigureFixture.h"

#include "ExpectNear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kDeg = 3.14159265358979323846 / 180.0;

// The fixture figure standing at x = 10, its eyes at (-1.25, 4, 3) and (1.25, 4, 3) in the head
// frame: eye centre (0, 4, 3), apex radius 1.25, head joint at (10, 30, 0) in the scene.
std::unique_ptr<CMannequin> FigureWithEyes() {
    auto figure = MakeFixtureFigure();
    figure->transform = Translation(Vec3(10, 0, 0));
    CBodyPart* head = figure->GetSegment(kHead);
    SetVertex(*head, 2, Vec3(-1.25, 4, 3));
    SetVertex(*head, 3, Vec3(1.25, 4, 3));
    figure->UpdatePosture();
    return figure;
}

// Mean of the far ring (odd vertices): the point on the cone's axis at its full length.
Vec3 FarRingCentre(const CPolyface& cone) {
    Vec3 sum;
    for (std::size_t i = 1; i < cone.vertices.size(); i += 2)
        sum = sum + cone.vertices[i];
    return sum / 40.0;
}

TEST(ViewConeTest, OptimumConeShapeAndPlacement) {
    auto figure = FigureWithEyes();
    figure->ShowViewCone(kViewConeOptimum);
    EXPECT_EQ(figure->viewConeMode, kViewConeOptimum);
    ASSERT_TRUE(figure->viewConeTemplates[0]);
    EXPECT_FALSE(figure->viewConeTemplates[1]);
    EXPECT_FALSE(figure->viewCones[1]);
    const CPolyface& cone = *figure->viewConeTemplates[0];
    EXPECT_EQ(cone.colour, 0xFF00FF);
    ASSERT_EQ(cone.vertices.size(), 80u);
    EXPECT_EQ(cone.faces.size(), 40u);

    // In the head frame the cone runs along +z: the apex ring of radius 1.25 at z = 0, the far
    // ring of radius 70 tan 15 = 18.7564 at z = 70.
    const double far = 70 * std::tan(15 * kDeg);
    ExpectVecNear(cone.vertices[0], {0, 1.25, 0});
    ExpectVecNear(cone.vertices[1], {0, far, 70}, 1e-6);
    ExpectVecNear(cone.vertices[21], {far, 0, 70}, 1e-6); // a quarter turn round the ring

    // Placed: head joint (10, 30, 0) + eye centre (0, 4, 3) + RotationX(15) of the vertex.
    // The top of the far ring: y = far cos 15 - 70 sin 15 = 0 (the upper edge stays level),
    // z = far sin 15 + 70 cos 15 = 70 / cos 15.
    ASSERT_TRUE(figure->viewCones[0]);
    const CPolyface& placed = *figure->viewCones[0];
    EXPECT_EQ(placed.colour, 0xFF00FF);
    EXPECT_EQ(placed.faces, cone.faces);
    ExpectVecNear(placed.vertices[1], {10, 34, 3 + 70 / std::cos(15 * kDeg)}, 1e-6);
    ExpectVecNear(placed.vertices[0],
                  {10, 34 + 1.25 * std::cos(15 * kDeg), 3 + 1.25 * std::sin(15 * kDeg)}, 1e-6);
    ExpectVecNear(placed.vertices[21],
                  {10 + far, 34 - 70 * std::sin(15 * kDeg), 3 + 70 * std::cos(15 * kDeg)}, 1e-6);
}

TEST(ViewConeTest, MaximumConesTurnToEitherSide) {
    auto figure = FigureWithEyes();
    figure->ShowViewCone(kViewConeOptimum);
    figure->ShowViewCone(kViewConeMaximum); // replaces the optimum cone
    EXPECT_EQ(figure->viewConeMode, kViewConeMaximum);
    ASSERT_TRUE(figure->viewConeTemplates[0] && figure->viewConeTemplates[1]);
    ASSERT_TRUE(figure->viewCones[0] && figure->viewCones[1]);
    EXPECT_EQ(figure->viewConeTemplates[0]->colour, 0x800040);
    EXPECT_EQ(figure->viewConeTemplates[1]->colour, 0x008040);

    // Both shapes: far half-widths 45 tan 70 across and 45 tan 56.5 up and down.
    for (const auto& cone : figure->viewConeTemplates) {
        ExpectVecNear(cone->vertices[1], {0, 45 * std::tan(56.5 * kDeg), 45}, 1e-6);
        ExpectVecNear(cone->vertices[21], {45 * std::tan(70 * kDeg), 0, 45}, 1e-6);
    }
    // The axis end (0, 0, 45) turned by RotationY(+-25): (+-45 sin 25, 0, 45 cos 25), then by
    // RotationX(10.5): y = -45 cos 25 sin 10.5, z = 45 cos 25 cos 10.5; then eye and head.
    const double y = 34 - 45 * std::cos(25 * kDeg) * std::sin(10.5 * kDeg);
    const double z = 3 + 45 * std::cos(25 * kDeg) * std::cos(10.5 * kDeg);
    ExpectVecNear(FarRingCentre(*figure->viewCones[0]), {10 + 45 * std::sin(25 * kDeg), y, z},
                  1e-6);
    ExpectVecNear(FarRingCentre(*figure->viewCones[1]), {10 - 45 * std::sin(25 * kDeg), y, z},
                  1e-6);

    figure->HideViewCone();
    EXPECT_EQ(figure->viewConeMode, kViewConeNone);
    EXPECT_FALSE(figure->viewCones[0]);
    EXPECT_FALSE(figure->viewCones[1]);
}

// The cones hang on the head's world frame including its own joint, unlike the range volumes.
TEST(ViewConeTest, ConesFollowTheHeadAndTheNeck) {
    auto figure = FigureWithEyes();
    figure->ShowViewCone(kViewConeOptimum);
    // Turning the head 90 degrees about y maps the head-frame point (0, 4, 3 + 70 / cos 15) of
    // the far ring's top to (3 + 70 / cos 15, 4, 0).
    figure->RotateSegment(kHead, 90, 1);
    figure->UpdatePosture();
    ExpectVecNear(figure->viewCones[0]->vertices[1], {13 + 70 / std::cos(15 * kDeg), 34, 0}, 1e-6);
    // Bending the neck forward 90 degrees about x (joint at (10, 25, 0)) swings the head frame:
    // the head joint goes to (10, 25, 5) and its +y to +z.
    figure->RotateSegment(kHead, -90, 1);
    figure->RotateSegment(kNeck, 90, 0);
    figure->UpdatePosture();
    ExpectVecNear(figure->viewCones[0]->vertices[1], {10, 25 - 3 - 70 / std::cos(15 * kDeg), 9},
                  1e-6);
    // Posing alone does not move the placed cone: only UpdatePosture places it.
    figure->RotateSegment(kNeck, -90, 0);
    ExpectVecNear(figure->viewCones[0]->vertices[1], {10, 25 - 3 - 70 / std::cos(15 * kDeg), 9},
                  1e-6);
}

TEST(ViewConeTest, HeadWithoutEyesRecordsTheModeButHasNoShape) {
    auto figure = MakeFixtureFigure();
    const std::vector<Vec3>& all = figure->GetSegment(kHead)->vertices;
    figure->GetSegment(kHead)->vertices = std::vector<Vec3>(all.begin(), all.begin() + 3);
    figure->ShowViewCone(kViewConeMaximum);
    EXPECT_EQ(figure->viewConeMode, kViewConeMaximum);
    for (int slot = 0; slot < kViewConeSlots; ++slot) {
        EXPECT_FALSE(figure->viewConeTemplates[slot]);
        EXPECT_FALSE(figure->viewCones[slot]);
    }
    // A mode that does not exist hides the cones.
    figure->ShowViewCone(3);
    EXPECT_EQ(figure->viewConeMode, kViewConeNone);
}

TEST(ViewConeTest, CopiesStartWithoutShapes) {
    auto figure = FigureWithEyes();
    figure->ShowViewCone(kViewConeMaximum);
    figure->ShowRangeVolume(kRangeLeftLeg);
    for (bool keepId : {true, false}) {
        CMannequin copy(*figure, keepId);
        EXPECT_EQ(copy.viewConeMode, kViewConeNone);
        for (int number = 0; number < kRangeVolumeCount; ++number) {
            EXPECT_EQ(copy.rangeVolumeShown[number], 0);
            EXPECT_FALSE(copy.rangeVolumeTemplates[number]);
        }
        EXPECT_FALSE(copy.viewConeTemplates[0]);
    }
}

TEST(ViewConeTest, EyePointsLookTenDegreesDownFromTheEyeCentre) {
    auto figure = FigureWithEyes();
    Vec3 eye, target, up;
    ASSERT_EQ(EyePoints(*figure, eye, target, up), 1);
    ExpectVecNear(eye, {10, 34, 3});
    // One unit ahead of the eyes, turned 10 degrees down about the eye centre: the normal line
    // of sight, 10 to 15 degrees below the horizontal. Turned about the head joint it looked
    // about 32 degrees down.
    ExpectVecNear(target, {10, 34 - std::sin(10 * kDeg), 3 + std::cos(10 * kDeg)}, 1e-6);
    const Vec3 sight = target - eye;
    EXPECT_NEAR(std::atan2(-sight.y, sight.z) / kDeg, 10.0, 1e-6);
    ExpectVecNear(up, {10, 35, 3});
}

} // namespace
