#include "human/Mannequin.h"

#include "../support/TestFiles.h"
#include "ExpectNear.h"
#include "human/JointAngles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

constexpr double kOnTarget = 0.05; // in

// The shipped 50 % man, standing with no posture (joints at rest), facing front at the origin.
class ReachTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
        figure = std::make_unique<CMannequin>(0, 1, -1, 2, 1, 1, 0, 2, 0,
                                              CAnthropometryContext{reporter});
        ASSERT_EQ(figure->valid, 1);
    }
    CBodyPart& Segment(int n) { return *figure->GetSegment(n); }

    // Base frame of a segment composed here from the joint angles and the child offsets, so
    // that the solver's own matrices are not what is checked.
    Matrix4 BaseFrameFromAngles(int index, const Vec3& chestAngles) {
        const int path[] = {kAbdomen, kChest, index};
        Matrix4 base = figure->transform;
        for (int k = 0; k + 1 < 3; ++k) {
            const CBodyPart& up = Segment(path[k]);
            const Vec3 angles = path[k] == kChest ? chestAngles : up.angles;
            base = base * JointRotationFromAngles(angles) * Translation(OffsetOf(up, path[k + 1]));
        }
        return base;
    }
    Vec3 OffsetOf(const CBodyPart& part, int child) {
        for (std::size_t c = 0; c < part.childSegments.size(); ++c)
            if (part.childSegments[c]->segmentIndex == child)
                return part.childOffsets[c];
        ADD_FAILURE() << "segment " << child << " is no child of " << part.segmentIndex;
        return Vec3();
    }
    // Grip point from the angles: shoulder frame, then the three joints down the arm.
    Vec3 GripFromAngles(int hand) {
        const int upper = hand == kLeftPalm ? kLeftArm : kRightArm;
        const int fore = hand == kLeftPalm ? kLeftForearm : kRightForearm;
        Matrix4 frame = BaseFrameFromAngles(upper, Segment(kChest).angles);
        frame = frame * JointRotationFromAngles(Segment(upper).angles) *
                Translation(OffsetOf(Segment(upper), fore));
        frame = frame * JointRotationFromAngles(Segment(fore).angles) *
                Translation(OffsetOf(Segment(fore), hand));
        frame = frame * JointRotationFromAngles(Segment(hand).angles);
        return TransformPoint(frame, Segment(hand).vertices[1]);
    }
    Vec3 Shoulder(int upper, double chestFlexion = 0.0) {
        return TranslationOf(BaseFrameFromAngles(upper, Vec3(chestFlexion, 0, 0)));
    }
    // Elbow, wrist and grip as the mesh gives them: the arm's full length.
    double ArmLength(int hand) {
        const int upper = hand == kLeftPalm ? kLeftArm : kRightArm;
        const int fore = hand == kLeftPalm ? kLeftForearm : kRightForearm;
        return Length(Segment(upper).vertices[1]) + Length(Segment(fore).vertices[1]) +
               Length(Segment(hand).vertices[1]);
    }
    void ExpectWithinLimits() {
        for (int n = 0; n < kSegmentCount; ++n)
            for (int axis = 0; axis < 3; ++axis) {
                EXPECT_LE(Segment(n).angles[axis], Segment(n).upperLimits[axis] + 1e-9) << n;
                EXPECT_GE(Segment(n).angles[axis], Segment(n).lowerLimits[axis] - 1e-9) << n;
            }
    }

    RecordingReporter reporter;
    std::unique_ptr<CMannequin> figure;
};

// Targets in front, out to the side, overhead and low near the knees, for each hand: the grip
// lands on the target, the joints stay within their limits, and the left hand's angles mirror
// the right hand's for mirrored targets (x kept, y and z negated).
TEST_F(ReachTest, GripLandsOnTargetsAcrossTheWorkspaceWithMirroredAngles) {
    const Vec3 left = Shoulder(kLeftArm);
    const double length = ArmLength(kLeftPalm);
    ASSERT_NEAR(left.x, -Shoulder(kRightArm).x, 1e-6);
    const Vec3 offsets[] = {
        {0.1 * length, -0.1 * length, 0.8 * length},   // in front, a little below the shoulder
        {0.75 * length, 0.0, 0.3 * length},            // out to the side
        {0.05 * length, 0.8 * length, 0.2 * length},   // overhead
        {-0.1 * length, -0.75 * length, 0.5 * length}, // low, in front of the thighs
    };
    for (const Vec3& offset : offsets) {
        const Vec3 leftTarget = left + offset;
        const Vec3 rightTarget(-leftTarget.x, leftTarget.y, leftTarget.z);
        ASSERT_EQ(figure->ReachPoint(kLeftPalm, leftTarget), 1) << offset.x << "," << offset.y;
        ExpectVecNear(GripFromAngles(kLeftPalm), leftTarget, kOnTarget);
        ExpectWithinLimits();
        const Vec3 leftShoulder = Segment(kLeftArm).angles;
        const Vec3 leftElbow = Segment(kLeftForearm).angles;
        const Vec3 leftChest = Segment(kChest).angles;

        ASSERT_EQ(figure->ReachPoint(kRightPalm, rightTarget), 1) << offset.x << "," << offset.y;
        ExpectVecNear(GripFromAngles(kRightPalm), rightTarget, kOnTarget);
        ExpectWithinLimits();
        ExpectVecNear(Segment(kRightArm).angles,
                      Vec3(leftShoulder.x, -leftShoulder.y, -leftShoulder.z), 1e-6);
        ExpectVecNear(Segment(kRightForearm).angles, Vec3(leftElbow.x, -leftElbow.y, -leftElbow.z),
                      1e-6);
        ExpectVecNear(Segment(kChest).angles, leftChest, 1e-9);
        // Reached straight-wristed, the trunk upright: these all lie within the arm's length.
        EXPECT_EQ(Segment(kRightPalm).angles, Vec3());
        EXPECT_EQ(Segment(kChest).angles, Vec3());
    }
    EXPECT_TRUE(reporter.messages.empty());
}

// A picked ray: the target is the ray's point nearest to the current grip point, and the
// figure's placement in the scene is taken into account.
TEST_F(ReachTest, ReachFollowsThePickingRayOfAPlacedFigure) {
    figure->transform = Translation(Vec3(40, 0, -25)) * RotationY(90);
    figure->UpdatePosture();
    const Vec3 grip = figure->GripPoint(kRightPalm);
    // A ray along the world z axis passing 8 in above and 10 in beside the hand: its point
    // nearest the grip is at the grip's z.
    const Vec3 pointOnRay = grip + Vec3(10, 8, 30);
    ASSERT_EQ(figure->Reach(kRightPalm, pointOnRay, Vec3(0, 0, -2), reporter), 1);
    figure->UpdatePosture();
    ExpectVecNear(GripFromAngles(kRightPalm), grip + Vec3(10, 8, 0), kOnTarget);
    ExpectVecNear(figure->GripPoint(kRightPalm), grip + Vec3(10, 8, 0), kOnTarget);
}

// Out of reach at every trunk bend: the message, and every joint exactly as before, including
// a bent trunk and wrist that a successful reach would have reset.
TEST_F(ReachTest, UnreachableTargetsChangeNothing) {
    Segment(kChest).RotateAxisX(12);
    Segment(kChest).RotateAxisY(7);
    Segment(kLeftPalm).RotateAxisX(30);
    Segment(kLeftForearm).RotateAxisY(-60);
    std::vector<Vec3> angles;
    std::vector<Matrix4> rotations;
    for (int n = 0; n < kSegmentCount; ++n) {
        angles.push_back(Segment(n).angles);
        rotations.push_back(Segment(n).jointRotation);
    }
    const Vec3 shoulder = Shoulder(kLeftArm);
    const Vec3 farAway = shoulder + Vec3(0, 0, 100);
    // Straight behind the shoulder within reach: the shoulder extends 50 degrees at most, the
    // trunk leans back 30.
    const Vec3 behind = shoulder + Vec3(0, 0, -0.8 * ArmLength(kLeftPalm));
    EXPECT_EQ(figure->Reach(kLeftPalm, farAway, Vec3(), reporter), 0);
    EXPECT_EQ(figure->ReachPoint(kLeftPalm, behind), 0);
    EXPECT_EQ(figure->ReachPoint(kChest, shoulder + Vec3(0, 0, 10)), 0); // not a hand
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Failed to Reach Point");
    for (int n = 0; n < kSegmentCount; ++n) {
        EXPECT_EQ(Segment(n).angles, angles[n]) << n;
        EXPECT_EQ(Segment(n).jointRotation, rotations[n]) << n;
    }
}

// A point low in front, beyond the arm with the trunk upright: the chest bends forward by the
// first whole degree at which the shoulder comes within the arm's length, and the grip lands.
TEST_F(ReachTest, TrunkBendsOnlyAsFarAsTheArmNeeds) {
    const double length = ArmLength(kRightPalm);
    const Vec3 target = Shoulder(kRightArm) + Vec3(0.1 * length, -0.95 * length, 0.45 * length);
    ASSERT_GT(Distance(Shoulder(kRightArm), target), length); // the arm alone cannot
    ASSERT_EQ(figure->ReachPoint(kRightPalm, target), 1);
    const double bend = Segment(kChest).angles.x;
    EXPECT_GT(bend, 0.0);
    EXPECT_EQ(bend, std::floor(bend));
    EXPECT_EQ(Segment(kChest).angles.y, 0.0);
    EXPECT_EQ(Segment(kChest).angles.z, 0.0);
    EXPECT_GE(Distance(Shoulder(kRightArm, bend - 1.0), target), length);
    ExpectVecNear(GripFromAngles(kRightPalm), target, kOnTarget);
    ExpectWithinLimits();
}

// A chest without a range of flexion makes every reach fail, even within easy reach.
TEST_F(ReachTest, ChestWithoutRangeFailsEveryReach) {
    Segment(kChest).upperLimits.x = 0.0;
    Segment(kChest).lowerLimits.x = 0.0;
    const Vec3 easy =
        Shoulder(kLeftArm) + Vec3(0, -0.3 * ArmLength(kLeftPalm), 0.5 * ArmLength(kLeftPalm));
    const Vec3 before = Segment(kLeftArm).angles;
    EXPECT_EQ(figure->ReachPoint(kLeftPalm, easy), 0);
    EXPECT_EQ(Segment(kLeftArm).angles, before);
}

} // namespace
