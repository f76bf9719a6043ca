#include "human/Mannequin.h"

#include "FigureFixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string NameOf(const CBodyPart* p) {
    return p ? p->name : "(none)";
}

TEST(SegmentTreeTest, NamesParentsAndCounterpartsFollowTheTable) {
    CMannequin figure;
    const char* names[kSegmentCount] = {
        "CHEST",   "NECK",    "LARM",    "RARM",    "ABDOMEN", "LLEG",    "RLEG",   "LFARM",
        "RFARM",   "LLOWLEG", "RLOWLEG", "LFOOT",   "RPALM",   "LPALM",   "RFOOT",  "HEAD",
        "LTHUMBA", "LTHUMBB", "LTHUMBC", "LINDEXA", "LINDEXB", "LINDEXC", "LMIDA",  "LMIDB",
        "LMIDC",   "LRINGA",  "LRINGB",  "LRINGC",  "LLITTA",  "LLITTB",  "LLITTC", "RTHUMBA",
        "RTHUMBB", "RTHUMBC", "RINDEXA", "RINDEXB", "RINDEXC", "RMIDA",   "RMIDB",  "RMIDC",
        "RRINGA",  "RRINGB",  "RRINGC",  "RLITTA",  "RLITTB",  "RLITTC"};
    for (int n = 0; n < kSegmentCount; ++n) {
        const CBodyPart* s = figure.GetSegment(n);
        EXPECT_STREQ(s->name, names[n]);
        EXPECT_EQ(s->segmentIndex, n);
        EXPECT_EQ(s->figure, &figure);
        EXPECT_EQ(s->parent, &figure);
        EXPECT_EQ(s->type, kTypeBodyPart);
    }
    EXPECT_EQ(figure.GetSegment(kAbdomen)->parentSegment, nullptr);
    EXPECT_EQ(NameOf(figure.GetSegment(kHead)->parentSegment), "NECK");
    EXPECT_EQ(NameOf(figure.GetSegment(kRightPalm)->parentSegment), "RFARM");
    EXPECT_EQ(NameOf(figure.GetSegment(kLeftFoot)->parentSegment), "LLOWLEG");
    EXPECT_EQ(NameOf(figure.GetSegment(16)->parentSegment), "LPALM");
    EXPECT_EQ(NameOf(figure.GetSegment(17)->parentSegment), "LTHUMBA");
    EXPECT_EQ(NameOf(figure.GetSegment(18)->parentSegment), "LTHUMBB");
    EXPECT_EQ(NameOf(figure.GetSegment(43)->parentSegment), "RPALM");
    EXPECT_EQ(NameOf(figure.GetSegment(kLeftArm)->counterpart), "RARM");
    EXPECT_EQ(NameOf(figure.GetSegment(kRightFoot)->counterpart), "LFOOT");
    EXPECT_EQ(NameOf(figure.GetSegment(kLeftPalm)->counterpart), "RPALM");
    EXPECT_EQ(NameOf(figure.GetSegment(20)->counterpart), "RINDEXB");
    EXPECT_EQ(NameOf(figure.GetSegment(35)->counterpart), "LINDEXB");
    for (int n : {kChest, kNeck, kAbdomen, kHead})
        EXPECT_EQ(figure.GetSegment(n)->counterpart, nullptr);
    EXPECT_STREQ(SegmentInfoOf(kAbdomen).jointName, "Pelvis");
    EXPECT_STREQ(SegmentInfoOf(kRightPalm).jointName, "Right wrist");
    EXPECT_STREQ(SegmentInfoOf(30).jointName, "");
    EXPECT_EQ(figure.GetSegment(-1), nullptr);
    EXPECT_EQ(figure.GetSegment(46), nullptr);
}

TEST(SegmentTreeTest, ChildrenInIncreasingSegmentOrder) {
    CMannequin figure;
    auto childNames = [&](int n) {
        std::string all;
        for (const CBodyPart* c : figure.GetSegment(n)->childSegments)
            all += std::string(c->name) + " ";
        return all;
    };
    EXPECT_EQ(childNames(kAbdomen), "CHEST LLEG RLEG ");
    EXPECT_EQ(childNames(kChest), "NECK LARM RARM ");
    EXPECT_EQ(childNames(kLeftPalm), "LTHUMBA LINDEXA LMIDA LRINGA LLITTA ");
    EXPECT_EQ(childNames(kRightForearm), "RPALM ");
    EXPECT_EQ(childNames(kHead), "");
    EXPECT_EQ(childNames(45), "");
    // Every segment except the pelvis is reached exactly once from its parent.
    int linked = 0;
    for (int n = 0; n < kSegmentCount; ++n)
        linked += static_cast<int>(figure.GetSegment(n)->childSegments.size());
    EXPECT_EQ(linked, kSegmentCount - 1);
}

TEST(SegmentTreeTest, FigureListsAllSegmentsAsChildrenAndEntersThemInSceneLists) {
    CMannequin figure;
    EXPECT_EQ(figure.type, kTypeMannequin);
    EXPECT_STREQ(figure.name, "Human");
    EXPECT_EQ(figure.attributeB, 1);
    EXPECT_EQ(figure.colour, figure.id);
    ASSERT_EQ(figure.children.size(), 46u);
    for (int n = 0; n < kSegmentCount; ++n)
        EXPECT_EQ(figure.children[n], figure.GetSegment(n));

    CObjectList scene;
    EXPECT_EQ(figure.AddToList(scene), 1);
    EXPECT_EQ(scene.size(), 47u);
    EXPECT_EQ(figure.AddToList(scene), 0);
    EXPECT_EQ(scene.size(), 47u);
    figure.RemoveFromList(scene);
    EXPECT_TRUE(scene.empty());
}

TEST(SegmentTreeTest, LinkedSelectionAnswersForTheTwin) {
    CMannequin figure;
    figure.GetSegment(kRightArm)->Select();
    EXPECT_EQ(figure.GetSegment(kLeftArm)->IsLinkedSelected(), 1);
    EXPECT_EQ(figure.GetSegment(kRightArm)->IsLinkedSelected(), 0);
    figure.GetSegment(40)->Select(); // RRINGA
    EXPECT_EQ(figure.GetSegment(25)->IsLinkedSelected(), 1);
    for (int n : {kChest, kNeck, kAbdomen, kHead}) {
        figure.GetSegment(n)->Select();
        EXPECT_EQ(figure.GetSegment(n)->IsLinkedSelected(), 0);
    }
}

TEST(SegmentTreeTest, DeselectingTheFigureDeselectsEverySegment) {
    CMannequin figure;
    figure.Select();
    figure.GetSegment(kHead)->Select();
    figure.GetSegment(44)->Select();
    figure.Validate();
    figure.Deselect();
    EXPECT_EQ(figure.selected, 0);
    EXPECT_EQ(figure.modified, 1);
    for (int n = 0; n < kSegmentCount; ++n)
        EXPECT_EQ(figure.GetSegment(n)->selected, 0);
}

TEST(SegmentTreeTest, JointStepsInvalidateTheFigure) {
    CMannequin figure;
    figure.Validate();
    figure.RotateSegment(kRightFoot, 5, 2);
    EXPECT_EQ(figure.modified, 1);
    EXPECT_DOUBLE_EQ(figure.GetSegment(kRightFoot)->angles.z, 0.0) << "zero limits hold it";
}

// A force-like object hanging from a segment is deleted with the figure; nothing else leaks
// (the sanitizer build checks this) and the segments are not deleted twice.
TEST(SegmentTreeTest, DestroyingTheFigureDeletesSegmentAttachments) {
    struct Tracked : CSceneObject {
        explicit Tracked(bool* flag) : flag(flag) {}
        ~Tracked() override { *flag = true; }
        bool* flag;
    };
    bool deleted = false;
    {
        auto figure = MakeFixtureFigure();
        figure->GetSegment(kRightPalm)->AddChild(new Tracked(&deleted));
        figure->AddChild(new CSceneObject());
    }
    EXPECT_TRUE(deleted);
}

TEST(SegmentTreeTest, SegmentCopyKeepsJointAndMeshButNoLinks) {
    auto figure = MakeFixtureFigure();
    CBodyPart* s = figure->GetSegment(kLeftForearm);
    s->RotateAxisX(30);
    const CBodyPart copy(*s, false);
    EXPECT_NE(copy.id, s->id);
    EXPECT_STREQ(copy.name, "LFARM");
    EXPECT_EQ(copy.angles, s->angles);
    EXPECT_EQ(copy.jointRotation, s->jointRotation);
    EXPECT_EQ(copy.vertices.size(), 8u);
    EXPECT_EQ(copy.childOffsets.size(), 1u);
    EXPECT_EQ(copy.parentSegment, nullptr);
    EXPECT_TRUE(copy.childSegments.empty());
    EXPECT_TRUE(copy.children.empty());
    EXPECT_EQ(CBodyPart(*s, true).id, s->id);
}

} // namespace

namespace {

TEST(SegmentTreeTest, MassCentresShowOnlyForTheHumanMaleAdultTable) {
    CMannequin figure;
    figure.representation = 0;
    figure.anthropometry.gender = kMale;
    figure.anthropometry.childTable = 0;
    EXPECT_EQ(figure.ShowsMassCentres(), 1);
    figure.representation = 3;
    EXPECT_EQ(figure.ShowsMassCentres(), 0);
    figure.representation = 0;
    figure.anthropometry.gender = kFemale;
    EXPECT_EQ(figure.ShowsMassCentres(), 0);
    figure.anthropometry.gender = kMale;
    // Children are told by their population code; a 3-year-old reads child table 0 too.
    figure.anthropometry.population = 33;
    EXPECT_EQ(figure.ShowsMassCentres(), 0);
}

} // namespace
