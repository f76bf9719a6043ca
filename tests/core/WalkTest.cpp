#include "human/Mannequin.h"

#include "../support/TestFiles.h"
#include "ExpectNear.h"
#include "FigureFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Gait file whose frame f turns main segment j by (f + 1, j, -1) degrees; entries 16 and 17
// carry values that must not be used.
std::string GaitFile() {
    std::ostringstream out;
    for (int f = 0; f < kGaitFrames; ++f) {
        out << f << "\n";
        for (int j = 0; j < kGaitEntries; ++j)
            out << j << " " << (j < kMainSegmentCount ? f + 1 : 99) << " " << j << " -1\n";
    }
    return out.str();
}

class WalkTest : public ::testing::Test {
protected:
    void SetUp() override {
        figure->transform = Translation(Vec3(0, 37, 0));
        figure->UpdatePosture();
    }
    // Walks to the end, recording the placement of every step.
    std::vector<Matrix4> WalkAll() {
        std::vector<Matrix4> steps;
        while (figure->WalkStep() == 1) {
            figure->UpdatePosture();
            steps.push_back(figure->transform);
        }
        return steps;
    }
    ScopedDataDirectory data;
    std::unique_ptr<CMannequin> figure = MakeFixtureFigure();
};

// Stride 6 along the path, the figure turned to face along it, at its starting height: a step
// lands on each multiple of 6 of the path's length, with the distance left over at a corner
// carried into the next segment and a segment shorter than that passed over.
TEST_F(WalkTest, StepsAdvanceOneStrideAlongThePath) {
    figure->StartWalk({{0, 0, 0}, {0, 5, 10}, {1.5, 5, 10}, {21.5, 2, 10}});
    const std::vector<Matrix4> steps = WalkAll();
    // Segment lengths (y counts, only x and z place the figure): hypot(5, 10) = 11.18, 1.5 and
    // hypot(20, 3) = 20.22. Steps at 0 and 6 on the first; 12 is 0.82 into the second;
    // 18, 24 and 30 are 5.32, 11.32 and 17.32 into the third; 36 is past the end.
    const double first = std::hypot(5.0, 10.0);
    const double third = std::hypot(20.0, 3.0);
    ASSERT_EQ(steps.size(), 6u);
    const double heading0 = std::atan2(0.0, 10.0) * 57.295779578552306;
    ExpectMatrixNear(steps[0], Translation(Vec3(0, 37, 0)) * RotationY(heading0), 1e-9);
    ExpectVecNear(TranslationOf(steps[1]), Vec3(0, 37, 6 * 10 / first), 1e-9);
    ExpectVecNear(TranslationOf(steps[2]), Vec3(12 - first, 37, 10), 1e-9);
    ExpectMatrixNear(RotationPart(steps[2]), RotationY(90), 1e-8);
    const Vec3 along = Vec3(20, -3, 0) / third;
    for (int k = 3; k < 6; ++k) {
        const double d = 6.0 * k - first - 1.5;
        const Vec3 expected = Vec3(1.5, 0, 10) + along * d;
        ExpectVecNear(TranslationOf(steps[k]), Vec3(expected.x, 37, expected.z), 1e-9);
    }
}

TEST_F(WalkTest, ShortSegmentIsSkippedWithItsRemainderCarried) {
    figure->StartWalk({{0, 0, 0}, {0, 0, 10}, {1.5, 0, 10}, {1.5, 0, 40}});
    const std::vector<Matrix4> steps = WalkAll();
    // 0, 6 on the first segment; 12 - 10 = 2 passes the 1.5 segment, 0.5 into the last one.
    ASSERT_GE(steps.size(), 3u);
    ExpectVecNear(TranslationOf(steps[2]), Vec3(1.5, 37, 10.5), 1e-9);
    ExpectMatrixNear(RotationPart(steps[2]), RotationY(0), 1e-12);
    ASSERT_EQ(steps.size(), 7u); // 0.5, 6.5, 12.5, 18.5, 24.5 on the 30 long last segment
    ExpectVecNear(TranslationOf(steps[6]), Vec3(1.5, 37, 34.5), 1e-9);
    // Heading 90: a path along +x.
    figure->StartWalk({{0, 0, 0}, {20, 0, 0}});
    ASSERT_EQ(figure->WalkStep(), 1);
    ExpectMatrixNear(RotationPart(figure->transform), RotationY(90), 1e-8);
}

// Each step turns the 16 main joints by the next gait frame (within limits); the seventh step
// brings them back to rest. Fingers and the unused entries are left alone.
TEST_F(WalkTest, GaitFramesTurnTheMainJointsAndTheCycleReturnsToRest) {
    data.Write("walk.dat", GaitFile());
    figure->GetSegment(kFirstLeftFinger)->RotateAxisX(4);
    figure->GetSegment(kChest)->upperLimits.x = 2.5; // the third frame would pass it
    figure->StartWalk({{0, 0, 0}, {0, 0, 200}});
    for (int step = 1; step <= 6; ++step) {
        ASSERT_EQ(figure->WalkStep(), 1);
        const double sum = step * (step + 1) / 2.0; // 1 + 2 + ... + step
        EXPECT_EQ(figure->GetSegment(kHead)->angles, Vec3(sum, 15 * step, -step)) << step;
        EXPECT_EQ(figure->GetSegment(kChest)->angles.x, std::min(sum, 2.5));
    }
    ASSERT_EQ(figure->WalkStep(), 1);
    for (int j = 0; j < kMainSegmentCount; ++j)
        EXPECT_EQ(figure->GetSegment(j)->angles, Vec3()) << j;
    EXPECT_EQ(figure->GetSegment(kFirstLeftFinger)->angles, Vec3(4, 0, 0));
    EXPECT_EQ(figure->GetSegment(kFirstLeftFinger + 1)->angles, Vec3());
    EXPECT_EQ(figure->gaitFrame, 0);
}

// The shipped gait cycle, read here on its own: after k steps each main joint has turned by
// the sum of the first k frames (the fixture's limits are wide), and is at rest after seven.
TEST(WalkShippedGaitTest, ShippedCycleAddsUpFrameByFrame) {
    std::ifstream file(std::string(TAVRONA_TEST_DATA) + "/walk.dat");
    ASSERT_TRUE(file);
    double table[kGaitFrames][kGaitEntries][3];
    for (auto& frame : table) {
        int number = 0;
        ASSERT_TRUE(file >> number);
        for (auto& entry : frame)
            ASSERT_TRUE(file >> number >> entry[0] >> entry[1] >> entry[2]);
    }
    setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    auto figure = MakeFixtureFigure();
    figure->StartWalk({{0, 0, 0}, {0, 0, 100}});
    Vec3 sum[kMainSegmentCount];
    bool moved = false;
    for (int step = 0; step < 6; ++step) {
        ASSERT_EQ(figure->WalkStep(), 1);
        for (int j = 0; j < kMainSegmentCount; ++j) {
            sum[j] = sum[j] + Vec3(table[step][j][0], table[step][j][1], table[step][j][2]);
            ExpectVecNear(figure->GetSegment(j)->angles, sum[j], 1e-9);
            moved = moved || sum[j] != Vec3();
        }
    }
    EXPECT_TRUE(moved);
    ASSERT_EQ(figure->WalkStep(), 1);
    for (int j = 0; j < kMainSegmentCount; ++j)
        EXPECT_EQ(figure->GetSegment(j)->angles, Vec3());
}

// A one-point path has no step; ending the walk restores the posture but not the placement.
// A missing gait file walks without turning a joint.
TEST_F(WalkTest, EndRestoresThePostureAndKeepsThePlace) {
    data.Write("walk.dat", GaitFile());
    figure->GetSegment(kLeftArm)->RotateAxisZ(20);
    figure->StartWalk({{5, 0, 5}});
    EXPECT_EQ(figure->WalkStep(), 0);
    figure->EndWalk();
    EXPECT_EQ(figure->GetSegment(kLeftArm)->angles, Vec3(0, 0, 20));

    figure->StartWalk({{0, 0, 0}, {0, 0, 30}, {30, 0, 30}});
    for (int k = 0; k < 8; ++k)
        ASSERT_EQ(figure->WalkStep(), 1);
    const Matrix4 placed = figure->transform;
    figure->EndWalk();
    EXPECT_EQ(figure->GetSegment(kLeftArm)->angles, Vec3(0, 0, 20));
    EXPECT_EQ(figure->GetSegment(kHead)->angles, Vec3());
    EXPECT_EQ(figure->transform, placed);
    ExpectVecNear(TranslationOf(placed), Vec3(12, 37, 30), 1e-9); // 8th step at 42 = 30 + 12

    // A cut-short or garbled file leaves the cycle read before.
    for (const std::string& bad :
         std::vector<std::string>{GaitFile().substr(0, GaitFile().size() / 2),
                                  std::string("0\n0 nan 1 2\n"), std::string(300, '7') + "\n"}) {
        data.Write("walk.dat", bad);
        figure->StartWalk({{0, 0, 0}, {0, 0, 30}});
        ASSERT_EQ(figure->WalkStep(), 1);
        EXPECT_EQ(figure->GetSegment(kHead)->angles, Vec3(1, 15, -1));
        figure->EndWalk();
    }

    auto fresh = MakeFixtureFigure();
    std::filesystem::remove(data.Path("walk.dat"));
    fresh->StartWalk({{0, 0, 0}, {0, 0, 30}});
    ASSERT_EQ(fresh->WalkStep(), 1);
    ASSERT_EQ(fresh->WalkStep(), 1);
    for (int j = 0; j < kMainSegmentCount; ++j)
        EXPECT_EQ(fresh->GetSegment(j)->angles, Vec3());
}

} // namespace
