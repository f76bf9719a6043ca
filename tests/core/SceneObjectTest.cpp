#include "core/SceneObject.h"
#include "human/BodyPart.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A scene object with a few points of its own geometry that records its deletion.
class Probe : public CSceneObject {
public:
    explicit Probe(std::vector<Vec3> points = {}, bool* deleted = nullptr)
        : points(std::move(points)), deleted(deleted) {}
    ~Probe() override {
        if (deleted)
            *deleted = true;
    }
    void ExtendBounds(BoundingBox& box, const Matrix4& world) const override {
        for (const Vec3& p : points)
            box.Extend(TransformPoint(world, p));
    }
    std::vector<Vec3> points;
    bool* deleted;
};

TEST(SceneObjectTest, DefaultStateAndFreshIds) {
    const int next = CSceneObject::PeekNextId();
    CSceneObject a;
    CSceneObject b;
    EXPECT_EQ(a.id, next);
    EXPECT_EQ(b.id, next + 1);
    EXPECT_EQ(a.type, kTypeGroup);
    EXPECT_EQ(a.modified, 1);
    EXPECT_EQ(a.selected, 0);
    EXPECT_EQ(a.transform, Matrix4(true));
    EXPECT_EQ(a.savedTransform, Matrix4(false));
}

TEST(SceneObjectTest, AddToListTakesDescendantsAndRefusesDuplicateIds) {
    CObjectList list;
    Probe* root = new Probe();
    Probe* child = new Probe();
    Probe* grandChild = new Probe();
    root->AddChild(child);
    child->AddChild(grandChild);
    EXPECT_EQ(root->AddToList(list), 1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], root);
    EXPECT_EQ(list[2], grandChild);

    // Another object carrying the same id (a copy that kept it) adds nothing, not even its
    // own children.
    CSceneObject twin(*root, true);
    twin.AddChild(new Probe());
    EXPECT_EQ(twin.AddToList(list), 0);
    EXPECT_EQ(list.size(), 3u);

    // Removal goes by id and takes the descendants too.
    EXPECT_EQ(child->RemoveFromList(list), 0);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], root);
    root->RemoveAndDelete(list);
    EXPECT_TRUE(list.empty());
}

TEST(SceneObjectTest, DeletingKeepsBodySegmentsAlive) {
    bool plainDeleted = false;
    CBodyPart segment;
    auto* group = new CSceneObject();
    group->AddChild(new Probe({}, &plainDeleted));
    group->AddChild(&segment);
    delete group;
    EXPECT_TRUE(plainDeleted);
    EXPECT_STREQ(segment.name, "Bodypart"); // still a live object (ASan would flag a delete)
    segment.parent = nullptr;
}

TEST(SceneObjectTest, CopyHasNoChildrenAndTakesTheListedFields) {
    CSceneObject source;
    source.AddChild(new Probe());
    source.type = kTypePolyface;
    source.colour = 0x123456;
    source.selected = 1;
    source.attributeB = 1;
    source.groupNumber = 7;
    source.transform = Translation(Vec3(1, 2, 3));
    source.SetName("Sphere");
    const CSceneObject copy(source, false);
    EXPECT_TRUE(copy.children.empty());
    EXPECT_NE(copy.id, source.id);
    EXPECT_EQ(copy.type, kTypePolyface);
    EXPECT_EQ(copy.colour, 0x123456);
    EXPECT_EQ(copy.selected, 1);
    EXPECT_EQ(copy.attributeB, 1);
    EXPECT_EQ(copy.groupNumber, 0);
    EXPECT_EQ(copy.transform, source.transform);
    EXPECT_STREQ(copy.name, "Sphere");
    EXPECT_EQ(copy.modified, 1);
}

TEST(SceneObjectTest, InvalidateRisesToTheTopAndSelectionInvalidates) {
    CSceneObject root;
    Probe* child = new Probe();
    root.AddChild(child);
    root.Validate();
    child->Validate();
    child->Select();
    EXPECT_EQ(child->selected, 1);
    EXPECT_EQ(root.modified, 1);
    EXPECT_EQ(root.IsTopLevel(), 1);
    EXPECT_EQ(child->IsTopLevel(), 0);
}

TEST(SceneObjectTest, CollectBoundsComposesTransformsAndSkipsDetachedChildren) {
    CSceneObject root;
    root.transform = Translation(Vec3(10, 0, 0));
    Probe* child = new Probe({{1, 0, 0}, {-1, 2, 0}});
    child->transform = RotationZ(90);
    root.AddChild(child);
    BoundingBox box;
    root.CollectBounds(box);
    ASSERT_EQ(box.valid, 1);
    // Rz(90): (1,0,0) -> (0,1,0); (-1,2,0) -> (-2,-1,0); then +10 in x.
    EXPECT_NEAR(box.min.x, 8, 1e-6);
    EXPECT_NEAR(box.min.y, -1, 1e-6);
    EXPECT_NEAR(box.max.x, 10, 1e-6);
    EXPECT_NEAR(box.max.y, 1, 1e-6);

    // A child asked on its own, without its parent's matrix, collects nothing.
    BoundingBox alone;
    child->CollectBounds(alone);
    EXPECT_EQ(alone.valid, 0);
    const Matrix4 identity(true);
    child->CollectBounds(alone, &identity);
    EXPECT_EQ(alone.valid, 1);
}

TEST(SceneObjectTest, CenterOriginMovesTheOriginNotTheGeometry) {
    CSceneObject root;
    root.transform = Translation(Vec3(5, 0, 0)) * RotationZ(30);
    Probe* child = new Probe({{2, 2, 2}, {6, 4, 8}});
    root.AddChild(child);
    BoundingBox before;
    root.CollectBounds(before);

    root.CenterOrigin();

    BoundingBox after;
    root.CollectBounds(after);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(after.min[i], before.min[i], 1e-9);
        EXPECT_NEAR(after.max[i], before.max[i], 1e-9);
    }
    // The new origin is the centre of the box in the parent's frame.
    const Vec3 origin = TranslationOf(root.transform);
    EXPECT_NEAR(origin.x, before.Centre().x, 1e-9);
    EXPECT_NEAR(origin.y, before.Centre().y, 1e-9);
    EXPECT_NEAR(origin.z, before.Centre().z, 1e-9);
}

} // namespace
