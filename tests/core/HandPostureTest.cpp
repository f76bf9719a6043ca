#include "human/Mannequin.h"

#include "../support/TestFiles.h"
#include "FigureFixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Posture k gives phalanx i of the hand (x, y, z) = (k, 10 i + side, -i) degrees, side 1 for
// the right hand and 0 for the left, so each hand's file is recognisable.
std::string HandFile(int postures, int side) {
    std::ostringstream out;
    for (int k = 1; k <= postures; ++k) {
        out << k << "\n";
        for (int i = 0; i < kFingerSegmentsPerHand; ++i)
            out << i << " " << k << " " << 10 * i + side << " " << -i << "\n";
        out << "\n";
    }
    return out.str();
}

class HandPostureTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = kFirstLeftFinger; n < kSegmentCount; ++n) {
            Segment(n).upperLimits = Vec3(90, 120, 10);
            Segment(n).lowerLimits = Vec3(-10, -10, -10);
        }
    }
    ScopedDataDirectory data;
    std::unique_ptr<CMannequin> figure = MakeFixtureFigure();
    CBodyPart& Segment(int n) { return *figure->GetSegment(n); }
};

TEST_F(HandPostureTest, PostureOneReadsTheFirstBlock) {
    data.Write("rhand.dat", HandFile(3, 1));
    ASSERT_EQ(figure->ApplyHandPosture(1, 1), 1);
    EXPECT_EQ(Segment(kFirstRightFinger).angles, Vec3(1, 1, 0));
    EXPECT_EQ(Segment(kFirstRightFinger + 4).angles, Vec3(1, 41, -4));
    ASSERT_EQ(figure->ApplyHandPosture(3, 1), 1);
    EXPECT_EQ(Segment(kFirstRightFinger + 4).angles, Vec3(3, 41, -4));
}

TEST_F(HandPostureTest, OnlyTheFingersOfThatHandChange) {
    data.Write("lhand.dat", HandFile(2, 0));
    Segment(kLeftPalm).RotateAxisX(20);
    Segment(kFirstRightFinger).RotateAxisX(5);
    Segment(kFirstLeftFinger + 2).RotateAxisZ(7); // reset before the new angles
    ASSERT_EQ(figure->ApplyHandPosture(2, 0), 1);
    EXPECT_EQ(Segment(kFirstLeftFinger + 2).angles, Vec3(2, 20, -2));
    EXPECT_EQ(Segment(kLeftPalm).angles, Vec3(20, 0, 0));
    EXPECT_EQ(Segment(kFirstRightFinger).angles, Vec3(5, 0, 0));
}

TEST_F(HandPostureTest, AnglesBeyondTheLimitsEndOnThem) {
    data.Write("rhand.dat", HandFile(1, 1));
    ASSERT_EQ(figure->ApplyHandPosture(1, 1), 1);
    // Phalanx 14: y = 141 beyond 120, z = -14 beyond -10.
    EXPECT_EQ(Segment(kSegmentCount - 1).angles, Vec3(1, 120, -10));
}

// A missing or damaged file changes nothing; the failure names the file, block and line.
TEST_F(HandPostureTest, MissingOrShortFilesChangeNothingAndSayWhere) {
    Segment(kFirstRightFinger).RotateAxisX(5);
    const std::string file = "Cannot read HAND POSTURE file: " + data.Path("rhand.dat") + ": ";
    std::string failure;
    EXPECT_EQ(figure->ApplyHandPosture(1, 1, &failure), 0);
    EXPECT_EQ(failure, file + "block 1, the file cannot be opened");
    data.Write("rhand.dat", HandFile(1, 1));
    EXPECT_EQ(figure->ApplyHandPosture(2, 1, &failure), 0);
    EXPECT_EQ(failure, file + "block 2, the file ends after line 17");
    EXPECT_EQ(figure->ApplyHandPosture(0, 1), 0);
    std::string cut = HandFile(1, 1);
    cut.resize(cut.size() - 12);
    data.Write("rhand.dat", cut);
    EXPECT_EQ(figure->ApplyHandPosture(1, 1, &failure), 0);
    EXPECT_EQ(failure, file + "block 1, line 16 does not hold three angles");
    data.Write("rhand.dat", std::string(200, 'x') + "\n" + HandFile(1, 1));
    EXPECT_EQ(figure->ApplyHandPosture(1, 1, &failure), 0);
    EXPECT_EQ(failure, file + "block 1, line 1 is not text");
    EXPECT_EQ(Segment(kFirstRightFinger).angles, Vec3(5, 0, 0));
}

} // namespace
