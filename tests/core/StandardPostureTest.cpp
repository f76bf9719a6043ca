#include "human/JointAngles.h"
#include "human/Mannequin.h"

#include "../support/TestFiles.h"
#include "FigureFixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Block k sets every main segment n to (x, z, y) = (k + n, 2k, -k) except where overridden.
std::string PostureFile(int blocks) {
    std::ostringstream out;
    for (int k = 1; k <= blocks; ++k) {
        for (int n = 0; n < kMainSegmentCount; ++n)
            out << n << " " << k + n << " " << 2 * k << " " << -k << "\n";
        out << "end of block " << k << "\n";
    }
    return out.str();
}

class StandardPostureTest : public ::testing::Test {
protected:
    ScopedDataDirectory data;
    std::unique_ptr<CMannequin> figure = MakeFixtureFigure();
    CBodyPart& Segment(int n) { return *figure->GetSegment(n); }
};

TEST_F(StandardPostureTest, BlockTwoReadsLinesEighteenToThirtyThree) {
    data.Write("perpost.dat", PostureFile(3));
    Segment(kHead).RotateAxisY(44); // reset first
    Segment(20).RotateAxisX(12);    // fingers are not touched
    ASSERT_EQ(figure->ApplyStandardPosture(2), 1);
    EXPECT_EQ(Segment(kChest).angles, Vec3(2, -2, 4));
    EXPECT_EQ(Segment(kHead).angles, Vec3(17, -2, 4));
    EXPECT_EQ(Segment(20).angles, Vec3(12, 0, 0));
    EXPECT_EQ(Segment(kHead).jointRotation, JointRotationFromAngles(Vec3(17, -2, 4)));
}

TEST_F(StandardPostureTest, AnglesAreXThenZThenYAndLimited) {
    std::string text = PostureFile(1);
    text.replace(text.find("3 4 2 -1"), 8, "3 10 20 30");
    data.Write("perpost.dat", text);
    Segment(kRightArm).upperLimits = Vec3(180, 25, 180);
    ASSERT_EQ(figure->ApplyStandardPosture(1), 1);
    EXPECT_EQ(Segment(kRightArm).angles, Vec3(10, 25, 20));
}

TEST_F(StandardPostureTest, IndexZeroLeavesThePosture) {
    Segment(kNeck).RotateAxisX(9);
    EXPECT_EQ(figure->ApplyStandardPosture(0), 1);
    EXPECT_EQ(Segment(kNeck).angles.x, 9);
}

// A damaged file is named with the posture and the line; a missing one fails without a word.
TEST_F(StandardPostureTest, MissingOrIncompleteBlocksChangeNothing) {
    Segment(kNeck).RotateAxisX(9);
    std::string failure;
    EXPECT_EQ(figure->ApplyStandardPosture(1, &failure), 0); // no file
    EXPECT_EQ(failure, "");
    const std::string file = "Cannot read STANDARD POSTURE file: " + data.Path("perpost.dat");
    std::string cut = PostureFile(2);
    // Block 2 loses its last 40 characters: lines 34, 33 and 32 (15 + 11 + 11) and the "-2\n"
    // of line 31 ("13 15 4 -2"), which keeps two angles and is now the last line.
    cut.resize(cut.size() - 40);
    data.Write("perpost.dat", cut);
    EXPECT_EQ(figure->ApplyStandardPosture(2, &failure), 0);
    EXPECT_EQ(failure, file + ": posture 2, line 31 does not hold three angles");
    EXPECT_EQ(figure->ApplyStandardPosture(3, &failure), 0);
    EXPECT_EQ(failure, file + ": posture 3, the file ends after line 31");
    EXPECT_EQ(figure->ApplyStandardPosture(-1), 0);
    std::string garbled = PostureFile(1);
    garbled.replace(garbled.find("5 6 2"), 5, "5 six");
    data.Write("perpost.dat", garbled);
    EXPECT_EQ(figure->ApplyStandardPosture(1, &failure), 0);
    EXPECT_EQ(failure, file + ": posture 1, line 6 does not hold three angles");
    EXPECT_EQ(Segment(kNeck).angles.x, 9);
    EXPECT_EQ(Segment(kChest).angles.x, 0);
}

TEST_F(StandardPostureTest, FacingTurnsAboutTheVertical) {
    figure->ApplyFacing(3);
    EXPECT_EQ(figure->transform, RotationY(-180));
    const Vec3 front = TransformPoint(figure->transform, Vec3(0, 0, 1));
    EXPECT_NEAR(front.z, -1, 1e-9);
    figure->ApplyFacing(0);
    EXPECT_EQ(figure->transform, RotationY(-90));
    figure->ApplyFacing(1);
    EXPECT_EQ(figure->transform, RotationY(90));
    figure->ApplyFacing(2);
    EXPECT_EQ(figure->transform, Matrix4(true));
    figure->ApplyFacing(7);
    EXPECT_EQ(figure->transform, Matrix4(true));
}

} // namespace
