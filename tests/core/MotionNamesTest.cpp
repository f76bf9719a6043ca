#include "human/Mannequin.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Names(CMannequin& figure, int segment, const Vec3& angles) {
    CBodyPart* s = figure.GetSegment(segment);
    s->angles = angles;
    s->UpdateMotionNames();
    return s->motionNames[0] + "|" + s->motionNames[1] + "|" + s->motionNames[2];
}

TEST(MotionNamesTest, WordsPerJointAndSign) {
    CMannequin figure;
    const Vec3 neg(-1, -1, -1), pos(2, 2, 2);
    EXPECT_EQ(Names(figure, kNeck, neg), "Extension|Twisting right|Bending left");
    EXPECT_EQ(Names(figure, kHead, pos), "Flexion|Twisting left|Bending right");
    EXPECT_EQ(Names(figure, kRightPalm, neg), "Flexion|External rotation|Abduction");
    EXPECT_EQ(Names(figure, kRightFoot, pos), "Extension|Internal rotation|Adduction");
    EXPECT_EQ(Names(figure, kLeftPalm, neg), "Flexion|Internal rotation|Adduction");
    EXPECT_EQ(Names(figure, kLeftLeg, pos), "Extension|External rotation|Abduction");
    EXPECT_EQ(Names(figure, kLeftLowerLeg, neg), "Extension|Internal rotation|Adduction");
    EXPECT_EQ(Names(figure, kRightLowerLeg, neg), "Extension|External rotation|Adduction");
    EXPECT_EQ(Names(figure, kRightLowerLeg, pos), "Flexion|Internal rotation|Abduction");
}

TEST(MotionNamesTest, ZeroPelvisAndFingersShowNoMotion) {
    CMannequin figure;
    EXPECT_EQ(Names(figure, kChest, Vec3(0, 1e-12, -0.0)), "--|Twisting left|--");
    EXPECT_EQ(Names(figure, kAbdomen, Vec3(30, -20, 10)), "--|--|--");
    EXPECT_EQ(Names(figure, 16, Vec3(30, -20, 10)), "--|--|--");
    EXPECT_EQ(Names(figure, 45, Vec3(-30, 20, 10)), "--|--|--");
    // Names from an earlier posture do not linger.
    Names(figure, kRightArm, Vec3(5, 5, 5));
    EXPECT_EQ(Names(figure, kRightArm, Vec3(0, 0, 0)), "--|--|--");
}

} // namespace
