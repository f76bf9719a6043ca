#include "human/JointAngles.h"
#include "human/Mannequin.h"

#include "FigureFixture.h"

#include "ExpectNear.h"

#include <gtest/gtest.h>

namespace {

class JointRotationTest : public ::testing::Test {
protected:
    void SetUp() override {
        figure = MakeFixtureFigure();
        arm = figure->GetSegment(kRightArm);
        arm->upperLimits = Vec3(45, 100, 5);
        arm->lowerLimits = Vec3(-30, -100, -5);
    }
    std::unique_ptr<CMannequin> figure;
    CBodyPart* arm = nullptr;
};

TEST_F(JointRotationTest, AxisStepsBuildRxRzRy) {
    EXPECT_EQ(arm->RotateAxisY(60), kWithinLimits);
    EXPECT_EQ(arm->RotateAxisX(20), kWithinLimits);
    EXPECT_EQ(arm->RotateAxisZ(-4), kWithinLimits);
    EXPECT_EQ(arm->angles, Vec3(20, 60, -4));
    ExpectMatrixNear(arm->jointRotation, RotationX(20) * RotationZ(-4) * RotationY(60), 0.0);
}

TEST_F(JointRotationTest, StepsStopExactlyOnTheLimits) {
    double adjusted = 0;
    EXPECT_EQ(arm->ClampDelta(0, 45, adjusted), kWithinLimits); // onto the limit is allowed
    EXPECT_EQ(adjusted, 45);
    EXPECT_EQ(arm->RotateAxisX(50), kAtUpperLimit);
    EXPECT_EQ(arm->angles.x, 45);
    EXPECT_EQ(arm->RotateAxisX(-100), kAtLowerLimit);
    EXPECT_EQ(arm->angles.x, -30);
    EXPECT_EQ(arm->RotateAxisZ(7.5), kAtUpperLimit);
    EXPECT_EQ(arm->angles.z, 5);
    ExpectMatrixNear(arm->jointRotation, JointRotationFromAngles({-30, 0, 5}), 0.0);
}

TEST_F(JointRotationTest, FreeRotationBeyondAnyLimitChangesNothing) {
    // Turning about the local x axis of a joint already turned 90 degrees about y is a turn
    // about -z: Ry(90) Rx(d) = Rz(-d) Ry(90). The z limit is +-5.
    arm->RotateAxisY(90);
    const Matrix4 before = arm->jointRotation;
    figure->Validate();

    EXPECT_EQ(arm->FreeRotateX(10), 1);
    EXPECT_EQ(arm->angles, Vec3(0, 90, 0));
    EXPECT_EQ(arm->jointRotation, before);
    EXPECT_EQ(figure->modified, 0);

    EXPECT_EQ(arm->FreeRotateX(4), kWithinLimits);
    EXPECT_NEAR(arm->angles.x, 0, 1e-6);
    EXPECT_NEAR(arm->angles.y, 90, 1e-6);
    EXPECT_NEAR(arm->angles.z, -4, 1e-6);
    ExpectMatrixNear(arm->jointRotation, before * RotationX(4));
    EXPECT_EQ(figure->modified, 1);

    // About the local y axis the y angle simply grows, until it would pass its limit.
    EXPECT_EQ(arm->FreeRotateY(15), 1);
    EXPECT_NEAR(arm->angles.y, 90, 1e-6);
    EXPECT_EQ(arm->FreeRotateY(-15), kWithinLimits);
    EXPECT_NEAR(arm->angles.y, 75, 1e-6);
}

TEST_F(JointRotationTest, FreeRotationIsRejectedWhenLimitsAreOff) {
    arm->limitsEnabled = 0;
    EXPECT_EQ(arm->FreeRotateX(1), 1);
    EXPECT_EQ(arm->angles, Vec3(0, 0, 0));
    // Axis steps then go through in full and report 1.
    EXPECT_EQ(arm->RotateAxisZ(70), kAtUpperLimit);
    EXPECT_EQ(arm->angles.z, 70);
}

TEST_F(JointRotationTest, ResetJointClearsAnglesAndMatrix) {
    arm->RotateAxisX(20);
    arm->RotateAxisZ(3);
    figure->Validate();
    arm->ResetJoint();
    EXPECT_EQ(arm->angles, Vec3(0, 0, 0));
    EXPECT_EQ(arm->jointRotation, Matrix4(true));
    EXPECT_EQ(figure->modified, 1);
}

TEST_F(JointRotationTest, GlobalAnglesAreTakenRelativeToTheParentBaseFrame) {
    // The chest's base frame is the pelvis turned 30 about x; the arm's parent is the chest.
    figure->RotateSegment(kAbdomen, 30, 0);
    arm->RotateAxisZ(2);
    arm->SetGlobalAngles(Vec3(40, 10, 3));
    // Reference = decomposed chest base frame = (30, 0, 0): steps of (10, 10, 3) from zero.
    EXPECT_NEAR(arm->angles.x, 10, 1e-6);
    EXPECT_NEAR(arm->angles.y, 10, 1e-6);
    EXPECT_NEAR(arm->angles.z, 3, 1e-6);

    // The pelvis has no parent segment: its own angles are the reference.
    CBodyPart* pelvis = figure->GetSegment(kAbdomen);
    pelvis->SetGlobalAngles(Vec3(50, 0, 0));
    EXPECT_NEAR(pelvis->angles.x, 20, 1e-9);
}

TEST_F(JointRotationTest, RotateSegmentIgnoresBadIndexAndAxis) {
    EXPECT_EQ(figure->RotateSegment(46, 10, 0), kWithinLimits);
    EXPECT_EQ(figure->RotateSegment(kRightArm, 10, 3), kWithinLimits);
    EXPECT_EQ(arm->angles, Vec3(0, 0, 0));
    EXPECT_EQ(figure->RotateSegment(kRightArm, 10, 1), kWithinLimits);
    EXPECT_EQ(arm->angles.y, 10);
}

TEST_F(JointRotationTest, SavedPostureRoundTripsThroughSegments) {
    arm->RotateAxisX(20);
    figure->GetSegment(kHead)->RotateAxisY(-15);
    figure->GetSegment(kHead)->SaveTransform();
    const Matrix4 saved = arm->jointRotation;
    arm->ResetJoint();
    arm->upperLimits = Vec3(1, 1, 1);
    figure->GetSegment(kHead)->ResetJoint();
    figure->GetSegment(kLeftFoot)->RestoreTransform();
    EXPECT_EQ(arm->angles, Vec3(20, 0, 0));
    ExpectMatrixNear(arm->jointRotation, saved, 1e-12);
    EXPECT_EQ(arm->upperLimits, Vec3(45, 100, 5));
    EXPECT_EQ(figure->GetSegment(kHead)->angles, Vec3(0, -15, 0));
}

} // namespace
