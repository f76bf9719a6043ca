#include "DocTestSupport.h"
#include "ExpectNear.h"

#include "core/ViewModes.h"
#include "draw/Polyline.h"
#include "human/Mannequin.h"

#include <gtest/gtest.h>

namespace {

// A document holding the shipped 50 % man, selected, at the origin.
class MotionCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
        figure = new CMannequin(0, 1, -1, 2, 1, 1, 0, 2, 0, CAnthropometryContext{f.reporter});
        ASSERT_EQ(figure->valid, 1);
        f.doc.AddObject(figure);
        figure->Select();
        shoulder = figure->GetSegment(kRightArm)->transform;
    }
    Vec3 InFront() { return TranslationOf(shoulder) + Vec3(-2, -4, 18); }

    DocFixture f;
    CMannequin* figure = nullptr;
    Matrix4 shoulder;
};

// The Reach commands wait for picked points with their mode; each reach that moves the arm is
// one undo step, one that changes nothing (the same point again, or a failure) is none.
TEST_F(MotionCommandsTest, ReachKeepsAnUndoStepOnlyWhenTheArmMoved) {
    f.doc.OnReach(MODE_REACH_RIGHT);
    EXPECT_EQ(f.views.mode, MODE_REACH_RIGHT);
    EXPECT_EQ(f.doc.PendingOperationCode(), kPendingReach);
    const Vec3 before = figure->GetSegment(kRightArm)->angles;

    f.doc.PointPicked(1, InFront(), Vec3());
    EXPECT_EQ(f.doc.UndoDepth(), 1u);
    EXPECT_NE(figure->GetSegment(kRightArm)->angles, before);
    ExpectVecNear(figure->GripPoint(kRightPalm), InFront(), 0.05);
    EXPECT_EQ(f.doc.PendingOperationCode(), kPendingReach); // the next point reaches again

    f.doc.PointPicked(1, InFront(), Vec3()); // already there
    EXPECT_EQ(f.doc.UndoDepth(), 1u);
    const Vec3 reached = figure->GetSegment(kRightArm)->angles;
    f.doc.PointPicked(1, InFront() + Vec3(0, 0, 200), Vec3());
    EXPECT_EQ(f.doc.UndoDepth(), 1u);
    ASSERT_EQ(f.reporter.messages.size(), 1u);
    EXPECT_EQ(f.reporter.messages[0], "Failed to Reach Point");
    EXPECT_EQ(figure->GetSegment(kRightArm)->angles, reached);

    const int id = figure->id;
    f.doc.OnUndo(); // replaces the figure by its copy
    auto* restored = static_cast<CMannequin*>(f.doc.FindById(id));
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->GetSegment(kRightArm)->angles, before);

    // Without a current figure the command only says so.
    DocFixture empty;
    empty.doc.OnReach(MODE_REACH_LEFT);
    EXPECT_EQ(empty.views.mode, MODE_SELECT);
    ASSERT_EQ(empty.reporter.messages.size(), 1u);
    EXPECT_EQ(empty.reporter.messages[0], "No current mannequin.");
}

// Walk on path: the path is a new object even after another drawing tool, the walk is one undo
// step, steps move the figure and redraw, and the end restores the posture in the last place.
TEST_F(MotionCommandsTest, WalkOnPathDrawsANewPathAndWalksIt) {
    f.doc.OnDrawingTool(kToolLine);
    f.doc.DrawingStep(0, 1, {{0, 0, 0}, {10, 0, 0}});
    const int line = f.doc.DrawnObjectId();
    f.doc.OnWalkPath();
    EXPECT_EQ(f.views.mode, MODE_WALK_PATH);
    const std::vector<Vec3> path{{0, 0, 0}, {0, 0, 20}};
    f.doc.DrawingStep(0, 1, path);
    EXPECT_NE(f.doc.DrawnObjectId(), line);
    EXPECT_NE(f.doc.FindById(line), nullptr);

    const std::size_t undo = f.doc.UndoDepth();
    EXPECT_EQ(f.doc.BeginWalk({{0, 0, 0}}), 0);
    ASSERT_EQ(f.doc.BeginWalk(path), 1);
    EXPECT_EQ(f.doc.UndoDepth(), undo + 1);
    EXPECT_EQ(f.doc.WalkingFigure(), figure);
    const Vec3 knee = figure->GetSegment(kRightLowerLeg)->angles;
    const int redraws = f.views.redraws;
    int steps = 0;
    while (f.doc.WalkStep())
        ++steps;
    EXPECT_EQ(steps, 4); // 0, 6, 12, 18 of 20
    EXPECT_EQ(f.views.redraws, redraws + 4);
    ExpectVecNear(TranslationOf(figure->transform), Vec3(0, 0, 18), 1e-9);
    f.doc.EndWalk();
    EXPECT_EQ(f.doc.WalkingFigure(), nullptr);
    EXPECT_EQ(figure->GetSegment(kRightLowerLeg)->angles, knee);
    ExpectVecNear(TranslationOf(figure->transform), Vec3(0, 0, 18), 1e-9);
    EXPECT_EQ(f.doc.WalkStep(), 0);
}

} // namespace
