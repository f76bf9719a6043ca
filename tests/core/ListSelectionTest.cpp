#include "core/ListSelection.h"
#include "core/ObjectList.h"
#include "core/SceneObject.h"

#include <gtest/gtest.h>

namespace {

// group
//   child A
//   child B
// figure
//   segment (type 6)
// loose
struct Scene {
    Scene() {
        group.AddChild(childA = new CSceneObject());
        group.AddChild(childB = new CSceneObject());
        segment.type = kTypeBodyPart;
        figure.AddChild(&segment);
        group.AddToList(list);
        figure.AddToList(list);
        loose.AddToList(list);
    }
    ~Scene() { figure.DetachChild(&segment); }
    CSceneObject group, figure, segment, loose;
    CSceneObject* childA;
    CSceneObject* childB;
    CObjectList list;
};

TEST(ListSelectionTest, SelectOnlyPicksOneObjectAndDeselectsTheRest) {
    Scene s;
    s.figure.Select();
    EXPECT_EQ(SelectOnly(s.list, s.loose.id), 1);
    EXPECT_EQ(s.loose.selected, 1);
    EXPECT_EQ(s.figure.selected, 0);
    // A body segment is selected alone, without its figure.
    EXPECT_EQ(SelectOnly(s.list, s.segment.id), 1);
    EXPECT_EQ(s.segment.selected, 1);
    EXPECT_EQ(s.figure.selected, 0);
    EXPECT_EQ(s.loose.selected, 0);
    // A click on a child of a group selects the whole group.
    EXPECT_EQ(SelectOnly(s.list, s.childA->id), 1);
    EXPECT_EQ(s.group.selected, 1);
    EXPECT_EQ(s.childA->selected, 1);
    EXPECT_EQ(s.childB->selected, 1);
    EXPECT_EQ(s.segment.selected, 0);
    // No match: everything deselected.
    EXPECT_EQ(SelectOnly(s.list, 0), 0);
    for (CSceneObject* o : s.list)
        EXPECT_EQ(o->selected, 0);
}

TEST(ListSelectionTest, SelectGroupClimbsToTheTopmostOwner) {
    Scene s;
    s.loose.Select();
    EXPECT_EQ(SelectGroup(s.list, s.segment.id), 1);
    EXPECT_EQ(s.figure.selected, 1);
    EXPECT_EQ(s.segment.selected, 1);
    EXPECT_EQ(s.loose.selected, 0);
    EXPECT_EQ(s.group.selected, 0);
    EXPECT_EQ(SelectGroup(s.list, s.loose.id), 1);
    EXPECT_EQ(s.loose.selected, 1);
    EXPECT_EQ(s.figure.selected, 0);
    EXPECT_EQ(SelectGroup(s.list, -5), 0);
    DeselectAll(s.list);
    for (CSceneObject* o : s.list)
        EXPECT_EQ(o->selected, 0);
}

TEST(ListSelectionTest, InvalidateGivesAFreshRevision) {
    Scene s;
    const auto before = s.group.revision;
    EXPECT_NE(s.childA->revision, s.childB->revision);
    s.childA->Invalidate(); // rises to the owner
    EXPECT_NE(s.group.revision, before);
    EXPECT_NE(s.childA->revision, s.childB->revision);
    // Selection only changes the colour: the object keeps its geometry stamp but is modified.
    const auto childRevision = s.childB->revision;
    s.childB->modified = 0;
    s.childB->Select();
    s.childB->Deselect();
    EXPECT_EQ(s.childB->revision, childRevision);
    EXPECT_EQ(s.childB->modified, 1);
}

} // namespace
