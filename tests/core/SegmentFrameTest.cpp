#include "human/Mannequin.h"

#include "FigureFixture.h"

#include "ExpectNear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Vec3 JointPosition(const CMannequin& figure, int segment) {
    Matrix4 frame;
    EXPECT_EQ(figure.GetSegmentFrame(segment, frame), 1);
    return TranslationOf(frame);
}

TEST(SegmentFrameTest, RestPositionsAddUpTheChildOffsets) {
    auto figure = MakeFixtureFigure();
    ExpectVecNear(JointPosition(*figure, kAbdomen), {0, 0, 0});
    ExpectVecNear(JointPosition(*figure, kHead), {0, 30, 0});
    ExpectVecNear(JointPosition(*figure, kRightPalm), {-8, 0, 0});
    ExpectVecNear(JointPosition(*figure, 45), {-8, -6, 0}); // RLITTC: three phalanges down
    ExpectVecNear(JointPosition(*figure, kLeftFoot), {5, -40, 0});
    Matrix4 unused;
    EXPECT_EQ(figure->GetSegmentFrame(46, unused), 0);
    EXPECT_EQ(figure->GetSegmentFrame(-1, unused), 0);
}

// Folding the pelvis forward by 90 degrees about x carries the trunk, arms and head with it
// (y goes to z), while the legs hang from the pelvis's unrotated frame and stay put.
TEST(SegmentFrameTest, PelvisRotationMovesTrunkButNotLegs) {
    auto figure = MakeFixtureFigure();
    figure->UpdatePosture();
    const Vec3 leftFootBefore = figure->GetSegment(kLeftFoot)->worldVertices[0];
    const Vec3 rightFootBefore = figure->GetSegment(kRightFoot)->worldVertices[7];

    EXPECT_EQ(figure->RotateSegment(kAbdomen, 90, 0), kWithinLimits);
    figure->UpdatePosture();

    ExpectVecNear(JointPosition(*figure, kChest), {0, 0, 10}, 1e-6);
    ExpectVecNear(JointPosition(*figure, kHead), {0, 0, 30}, 1e-6);
    ExpectVecNear(JointPosition(*figure, kLeftArm), {8, 0, 22}, 1e-6);
    ExpectVecNear(JointPosition(*figure, kRightPalm), {-8, 0, 0}, 1e-6);
    ExpectVecNear(JointPosition(*figure, kLeftLeg), {5, 0, 0});
    ExpectVecNear(JointPosition(*figure, kRightFoot), {-5, -40, 0});

    // World data follows the same rule.
    ExpectVecNear(figure->GetSegment(kLeftFoot)->worldVertices[0], leftFootBefore);
    ExpectVecNear(figure->GetSegment(kRightFoot)->worldVertices[7], rightFootBefore);
    // Head vertex (1, 1, 1) in the head frame: (1, 31, 1) before, Rx(90) gives (1, -1, 31).
    ExpectVecNear(figure->GetSegment(kHead)->worldVertices[7], {1, -1, 31}, 1e-6);
    // The pelvis's own mesh turns with it.
    ExpectVecNear(figure->GetSegment(kAbdomen)->worldVertices[7], {1, -1, 1}, 1e-6);
}

TEST(SegmentFrameTest, FrameExcludesTheSegmentsOwnRotation) {
    auto figure = MakeFixtureFigure();
    Matrix4 forearmBefore;
    figure->GetSegmentFrame(kRightForearm, forearmBefore);
    figure->RotateSegment(kRightForearm, 30, 0);

    Matrix4 forearmAfter;
    figure->GetSegmentFrame(kRightForearm, forearmAfter);
    EXPECT_EQ(forearmAfter, forearmBefore);

    // The wrist sits 10 below the elbow (-8, 10, 0); Rx(30) turns (0, -10, 0) to
    // (0, -10 cos 30, -10 sin 30).
    const double c = std::cos(30 * 0.0174532925), s = std::sin(30 * 0.0174532925);
    ExpectVecNear(JointPosition(*figure, kRightPalm), {-8, 10 - 10 * c, -10 * s});
    ExpectVecNear(JointPosition(*figure, 31), {-8, 10 - 12 * c, -12 * s}); // RTHUMBA
    // The other arm is untouched.
    ExpectVecNear(JointPosition(*figure, kLeftPalm), {8, 0, 0});
}

TEST(SegmentFrameTest, PlacementEntersWorldFramesButNotLocalOnes) {
    auto figure = MakeFixtureFigure();
    figure->transform = Translation(Vec3(100, 0, 50)) * RotationY(90);
    figure->RotateSegment(kNeck, 20, 2);

    Matrix4 world, local;
    ASSERT_EQ(figure->GetSegmentFrame(kHead, world), 1);
    ASSERT_EQ(figure->GetSegmentLocalFrame(kHead, local), 1);
    const Matrix4 expected = figure->transform * local;
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(world.m[i], expected.m[i], 1e-12);

    // Ry(90) maps (0, 30, 0) onto itself; the neck's Rz(20) moves the head joint off axis.
    const double c = std::cos(20 * 0.0174532925), s = std::sin(20 * 0.0174532925);
    ExpectVecNear(TranslationOf(local), {-5 * s, 25 + 5 * c, 0});
    ExpectVecNear(TranslationOf(world), {100, 25 + 5 * c, 50 + 5 * s}, 1e-6);

    // UpdatePosture stores base * jointRotation as each segment's world frame.
    figure->UpdatePosture();
    const Matrix4 neckWorld = figure->GetSegment(kNeck)->transform;
    Matrix4 neckBase;
    figure->GetSegmentFrame(kNeck, neckBase);
    const Matrix4 composed = neckBase * figure->GetSegment(kNeck)->jointRotation;
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(neckWorld.m[i], composed.m[i], 1e-12);
}

TEST(SegmentFrameTest, BoundsFollowTheDrawnGeometry) {
    auto figure = MakeFixtureFigure();
    figure->transform = Translation(Vec3(0, 0, 100));
    BoundingBox box;
    figure->CollectBounds(box);
    ASSERT_EQ(box.valid, 1);
    // Feet at y = -40 with half size 1; head at y = 30; arms at x = +-8.
    ExpectVecNear(box.min, {-9, -41, 99});
    ExpectVecNear(box.max, {9, 31, 101});

    // The pelvis's own rotation turns its mesh: a long pelvis bar along x stands up along y.
    CBodyPart* pelvis = figure->GetSegment(kAbdomen);
    pelvis->vertices = {{-20, 0, 0}, {20, 0, 0}};
    figure->transform = Matrix4(true);
    pelvis->RotateAxisZ(90);
    BoundingBox turned;
    pelvis->ExtendBounds(turned, Matrix4(true));
    ExpectVecNear(turned.min, {0, -20, 0}, 1e-6);
    ExpectVecNear(turned.max, {0, 20, 0}, 1e-6);
}

} // namespace
