#include "human/JointAngles.h"
#include "human/Mannequin.h"

#include "../support/TestFiles.h"
#include "FigureFixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A limit file giving every segment upper (u, u, u) and lower (-u, -u, -u) with u = 40, except
// the pelvis and the hips, whose x axis spans -170..170.
std::string LimitFile(double u = 40) {
    std::ostringstream out;
    for (int n = 0; n < kSegmentCount; ++n) {
        const bool wide = n == kAbdomen || IsLegSegment(n);
        out << n << " " << (wide ? 170 : u) << " " << u << " " << u << "\n";
        out << n << " " << (wide ? -170 : -u) << " " << -u << " " << -u << "\n";
    }
    return out.str();
}

class JointLimitsTest : public ::testing::Test {
protected:
    ScopedDataDirectory data;
    RecordingReporter reporter;
    std::unique_ptr<CMannequin> figure = MakeFixtureFigure();
    CBodyPart& Segment(int n) { return *figure->GetSegment(n); }
};

TEST_F(JointLimitsTest, HipTrunkRuleCouplesPelvisAndLegs) {
    // Pelvis at 100 with both legs at -60: already 160 apart, +10 becomes -10.
    Segment(kAbdomen).angles.x = 100;
    Segment(kLeftLeg).angles.x = -60;
    Segment(kRightLeg).angles.x = -60;
    double adjusted = 0;
    EXPECT_EQ(Segment(kAbdomen).ClampDelta(0, 10, adjusted), kAtUpperLimit);
    EXPECT_DOUBLE_EQ(adjusted, -10);
    // Pelvis at 100 with legs at 0: +60 is cut to +50.
    Segment(kLeftLeg).angles.x = 0;
    Segment(kRightLeg).angles.x = 0;
    EXPECT_EQ(Segment(kAbdomen).ClampDelta(0, 60, adjusted), kAtUpperLimit);
    EXPECT_DOUBLE_EQ(adjusted, 50);
    // The more extended leg counts; positive leg angles count as 0.
    Segment(kLeftLeg).angles.x = 30;
    Segment(kRightLeg).angles.x = -20;
    EXPECT_EQ(Segment(kAbdomen).ClampDelta(0, 60, adjusted), kAtUpperLimit);
    EXPECT_DOUBLE_EQ(adjusted, 30);
    // Both legs flexed forward: the 0 decides, +60 is cut to +50 as with straight legs.
    Segment(kLeftLeg).angles.x = 20;
    Segment(kRightLeg).angles.x = 35;
    EXPECT_EQ(Segment(kAbdomen).ClampDelta(0, 60, adjusted), kAtUpperLimit);
    EXPECT_DOUBLE_EQ(adjusted, 50);
    Segment(kLeftLeg).angles.x = 30;
    Segment(kRightLeg).angles.x = -20;
    // Only the x axis is coupled.
    EXPECT_EQ(Segment(kAbdomen).ClampDelta(1, 60, adjusted), kWithinLimits);

    // A leg may go no lower than the pelvis minus 150: pelvis 100, leg at -40, step -20 -> -10.
    Segment(kRightLeg).angles.x = -40;
    EXPECT_EQ(Segment(kRightLeg).ClampDelta(0, -20, adjusted), kAtLowerLimit);
    EXPECT_DOUBLE_EQ(adjusted, -10);
    EXPECT_EQ(Segment(kRightLeg).RotateAxisX(-20), kAtLowerLimit);
    EXPECT_DOUBLE_EQ(Segment(kRightLeg).angles.x, -50);

    // With checking off the rule does not apply either.
    Segment(kAbdomen).limitsEnabled = 0;
    EXPECT_EQ(Segment(kAbdomen).ClampDelta(0, 60, adjusted), kAtUpperLimit);
    EXPECT_DOUBLE_EQ(adjusted, 60);
}

TEST_F(JointLimitsTest, LinkedMethodsTurnTheTwin) {
    figure->RotateLinked(kRightArm, 0, 5, kRotateOpposite);
    EXPECT_EQ(Segment(kRightArm).angles.x, 5);
    EXPECT_EQ(Segment(kLeftArm).angles.x, -5);
    figure->RotateLinked(kRightArm, 2, 7, kRotateTogether);
    EXPECT_EQ(Segment(kLeftArm).angles.z, 7);
    figure->RotateLinked(kRightArm, 0, 5, kRotateIndependent);
    EXPECT_EQ(Segment(kRightArm).angles.x, 10);
    EXPECT_EQ(Segment(kLeftArm).angles.x, -5);
    // The twin is limited by its own limits.
    Segment(kLeftArm).lowerLimits.x = -8;
    figure->RotateLinked(kRightArm, 0, 5, kRotateOpposite);
    EXPECT_EQ(Segment(kLeftArm).angles.x, -8);
    // Segments without a twin turn alone; the figure is left validated with fresh world data.
    figure->RotateLinked(kHead, 1, 12, kRotateTogether);
    EXPECT_EQ(Segment(kHead).angles.y, 12);
    EXPECT_EQ(figure->modified, 0);
    EXPECT_EQ(Segment(kHead).transform, [&] {
        Matrix4 base;
        figure->GetSegmentFrame(kHead, base);
        return base * Segment(kHead).jointRotation;
    }());
}

TEST_F(JointLimitsTest, ReadsAllSegmentsAndRebuildsJoints) {
    data.Write("limit.dat", LimitFile());
    // A joint left by a free rotation is brought back to the Rx Rz Ry form of its angles.
    Segment(kNeck).FreeRotateX(10);
    Segment(kNeck).angles = Vec3(10, 0, 0);
    Segment(kNeck).jointRotation = RotationY(33);
    ASSERT_EQ(figure->ReadLimits(reporter), 1);
    EXPECT_TRUE(reporter.questions.empty());
    EXPECT_EQ(Segment(45).upperLimits, Vec3(40, 40, 40));
    EXPECT_EQ(Segment(45).lowerLimits, Vec3(-40, -40, -40));
    EXPECT_EQ(Segment(kLeftLeg).lowerLimits, Vec3(-170, -40, -40));
    EXPECT_EQ(Segment(kNeck).jointRotation, JointRotationFromAngles(Vec3(10, 0, 0)));
}

TEST_F(JointLimitsTest, AnglesOutsideNewLimitsAreForcedInAfterAsking) {
    data.Write("limit.dat", LimitFile());
    Segment(kRightForearm).RotateAxisX(75);
    Segment(kLeftPalm).RotateAxisZ(-50);
    ASSERT_EQ(figure->ReadLimits(reporter), 1);
    ASSERT_EQ(reporter.questions.size(), 1u);
    EXPECT_EQ(reporter.questions[0],
              "One or more bodyparts joints rotations \nare outside the new joint limits.\nDo you "
              "want to continue and \nforce their rotation to be inside \nthe new joint limits ?");
    EXPECT_EQ(Segment(kRightForearm).angles.x, 40);
    EXPECT_EQ(Segment(kLeftPalm).angles.z, -40);
    EXPECT_EQ(Segment(kRightForearm).jointRotation, RotationX(40) * RotationZ(0) * RotationY(0));
}

TEST_F(JointLimitsTest, TheLastSegmentIsCheckedToo) {
    data.Write("limit.dat", LimitFile());
    Segment(45).RotateAxisY(60); // beyond the new 40
    reporter.answer = false;
    EXPECT_EQ(figure->ReadLimits(reporter), 0);
    EXPECT_EQ(reporter.questions.size(), 1u);
    EXPECT_EQ(Segment(45).angles.y, 60);
}

TEST_F(JointLimitsTest, DecliningKeepsTheFigureAsItWas) {
    data.Write("limit.dat", LimitFile());
    Segment(kRightForearm).RotateAxisX(75);
    reporter.answer = false;
    EXPECT_EQ(figure->ReadLimits(reporter), 0);
    EXPECT_EQ(reporter.questions.size(), 1u);
    EXPECT_EQ(Segment(kRightForearm).angles.x, 75);
    EXPECT_EQ(Segment(kRightForearm).upperLimits, Vec3(180, 180, 180));
}

// A missing or damaged limit file changes nothing; its message names the file and the line.
TEST_F(JointLimitsTest, BadFilesChangeNothingAndNameTheLine) {
    const std::string good = LimitFile();
    std::string letters = good;
    letters.replace(letters.find("40"), 2, "xx");
    std::string inverted = LimitFile();
    inverted.replace(inverted.find("\n") + 1, 5, "0 50 "); // CHEST lower x 50 > upper 40
    const std::pair<std::string, std::string> cases[] = {
        {good.substr(0, good.find("\n4 ")), "the file ends after line 8"},
        {good.substr(0, good.rfind("45 ")), "the file ends after line 91"},
        {letters, "line 1 does not hold three limits"},
        {inverted, "line 2: a lower limit lies above its upper limit"},
        {"0 nan 1 1\n" + good.substr(good.find('\n') + 1), "line 1 does not hold three limits"},
        {std::string(300, '1') + "\n" + good, "line 1 is not text"},
    };
    const std::string prefix = "Cannot read JOINT LIMIT file: " + data.Path("limit.dat") + ": ";
    for (const auto& [text, line] : cases) {
        data.Write("limit.dat", text);
        reporter.messages.clear();
        EXPECT_EQ(figure->ReadLimits(reporter), 0);
        EXPECT_EQ(reporter.messages, std::vector<std::string>{prefix + line});
        EXPECT_EQ(Segment(kChest).upperLimits, Vec3(180, 180, 180));
        EXPECT_EQ(Segment(45).lowerLimits, Vec3(-180, -180, -180));
    }
    std::remove(data.Path("limit.dat").c_str());
    reporter.messages.clear();
    EXPECT_EQ(figure->ReadLimits(reporter), 0);
    EXPECT_EQ(reporter.messages, std::vector<std::string>{prefix + "the file cannot be opened"});
    EXPECT_TRUE(reporter.questions.empty());
}

} // namespace
