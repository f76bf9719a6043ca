#include "RenderTestSupport.h"

#include "anthro/AnthropometryDialogs.h"
#include "anthro/PopulationTables.h"
#include "core/SceneBounds.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "human/Mannequin.h"
#include "render/Picking.h"

namespace {

TEST(ChooseHitTest, NearestMaximumDepthWinsAndTiesKeepTheEarlierRecord) {
    // Records: names, min depth, max depth, names...
    const unsigned int buffer[] = {1, 10, 3000000000u, 7, //
                                   1, 90, 1000000000u, 8, //
                                   1, 5,  1000000000u, 9};
    int id = 0;
    EXPECT_EQ(ChooseHit(buffer, 12, 3, id), 1);
    EXPECT_EQ(id, 8);
    EXPECT_EQ(ChooseHit(buffer, 12, 1, id), 1);
    EXPECT_EQ(id, 7);
}

TEST(ChooseHitTest, NamelessRecordSetsTheDepthButNotTheIdentifier) {
    const unsigned int buffer[] = {1, 0, 3000000000u, 7, //
                                   0, 0, 1000000000u,    //
                                   1, 0, 2000000000u, 9};
    int id = 0;
    EXPECT_EQ(ChooseHit(buffer, 11, 3, id), 1);
    EXPECT_EQ(id, 7); // the nameless record won on depth; record 3 is farther than it
    const unsigned int onlyNameless[] = {0, 0, 5};
    EXPECT_EQ(ChooseHit(onlyNameless, 3, 1, id), 0);
    EXPECT_EQ(ChooseHit(buffer, 11, 0, id), 0);
    EXPECT_EQ(ChooseHit(buffer, 11, -1, id), 0);
}

TEST(ChooseHitTest, RecordsRunningPastTheBufferAreIgnored) {
    const unsigned int buffer[] = {1, 0, 3000000000u, 7, 200, 0, 1, 4};
    int id = 0;
    EXPECT_EQ(ChooseHit(buffer, 8, 2, id), 1);
    EXPECT_EQ(id, 7);
    EXPECT_EQ(ChooseHit(buffer, 2, 1, id), 0);
}

class PickingTest : public OffscreenTest {
protected:
    CPolyface* Square(double z, double half) {
        CPolyface* face = Add(new CPolyface());
        face->Build(kShapeRectangle, {Vec3(-half, -half, z), Vec3(half, half, z)});
        return face;
    }
    void Pick(int x, int y, int mode = PICK_SELECT) {
        render->SetPickPoint(x, y);
        ASSERT_EQ(render->RenderObjectList(objects, mode, 1, 1), 1);
    }
};

TEST_F(PickingTest, PickReturnsTheObjectUnderTheCursorAndEmptySpaceDeselects) {
    CPolyface* face = Square(0, 20);
    for (int mode : {RENDER_WIREFRAME, RENDER_HIDDEN, RENDER_SHADED}) {
        render->SetRenderMode(mode);
        // 20 inches at 0.25 inch per pixel: the square spans 80 pixels each side of the centre.
        Pick(kWidth / 2 + 80, kHeight / 2 - 30); // on its right edge
        EXPECT_EQ(face->selected, 1) << "mode " << mode;
        Pick(10, 10);
        EXPECT_EQ(face->selected, 0) << "mode " << mode;
    }
    render->SetRenderMode(RENDER_SHADED);
    Pick(kWidth / 2 + 60, kHeight / 2 + 50); // inside the filled square
    EXPECT_EQ(face->selected, 1);
}

TEST_F(PickingTest, NearerOfTwoOverlappingObjectsWinsWhateverTheDrawingOrder) {
    render->SetRenderMode(RENDER_SHADED);
    CPolyface* back = Square(-10, 20);
    CPolyface* front = Square(10, 20);
    Pick(kWidth / 2, kHeight / 2);
    EXPECT_EQ(front->selected, 1);
    EXPECT_EQ(back->selected, 0);
    objects.Clear();
    front->AddToList(objects);
    back->AddToList(objects);
    Pick(kWidth / 2, kHeight / 2);
    EXPECT_EQ(front->selected, 1);
    EXPECT_EQ(back->selected, 0);
    // Seen from behind (the right view looks along +X; turn round with the user view) the
    // other square is nearer.
    render->SetViewType(VIEW_USER);
    render->camera.SetUserVectors(Vec3(0, 0, -1), Vec3(0, 1, 0));
    Pick(kWidth / 2, kHeight / 2);
    EXPECT_EQ(back->selected, 1);
    EXPECT_EQ(front->selected, 0);
}

TEST_F(PickingTest, DoubleClickSelectsTheOwnerGroup) {
    render->SetRenderMode(RENDER_SHADED);
    CSceneObject* group = Add(new CSceneObject());
    CPolyface* child = new CPolyface(); // owned by the group
    child->Build(kShapeRectangle, {Vec3(-20, -20, 0), Vec3(20, 20, 0)});
    group->AddChild(child);
    objects.Clear();
    group->AddToList(objects);
    Pick(kWidth / 2, kHeight / 2, PICK_SELECT_GROUP);
    EXPECT_EQ(group->selected, 1);
    EXPECT_EQ(child->selected, 1);
}

TEST_F(PickingTest, PlacementOfTheWindowCentreLiesOnThePlaneThroughTheViewCentre) {
    const Vec3 centre(10, 20, 30);
    for (int view : {VIEW_FRONT, VIEW_TOP, VIEW_RIGHT, VIEW_LEFT, VIEW_USER}) {
        render->SetViewType(view);
        if (view == VIEW_USER)
            render->camera.SetUserVectors(Vec3(1, 2, 3), Vec3(0, 1, 0));
        render->camera.viewCentre = centre;
        render->camera.zoom = 2.0;
        Vec3 point, direction;
        ASSERT_EQ(render->Get3DPlacement(objects, kWidth / 2, kHeight / 2, point, direction), 1);
        const Vec3 towardsViewer = Normalize(render->camera.eye - render->camera.centre);
        EXPECT_NEAR(Dot(point - centre, towardsViewer), 0.0, 1e-6) << "view " << view;
        // Five pixels below the centre row at 0.125 inch per pixel.
        EXPECT_NEAR(Distance(point, centre), 5 * 0.125, 1e-6) << "view " << view;
        EXPECT_LT(Dot(direction, towardsViewer), 0.0) << "view " << view;
    }
    // A point picked in the window is where the renderer draws it: draw a marker there.
    render->SetViewType(VIEW_FRONT);
    render->SetRenderMode(RENDER_SHADED);
    Vec3 point, direction;
    render->Get3DPlacement(objects, 300, 100, point, direction);
    CPolyface* marker = Add(new CPolyface());
    marker->Build(kShapeRectangle, {point - Vec3(1, 1, 0), point + Vec3(1, 1, 0)});
    const CImage image = Frame();
    EXPECT_NE(image.PixelAt(300, 100 - 5), kWhite);
}

} // namespace

namespace {

// A standing Human figure from the data directory, picked where the camera puts its head.
TEST_F(PickingTest, ClickOnAFigureSelectsTheSegmentAndDoubleClickTheWholeFigure) {
    const CAnthropometryContext context{reporter};
    CMannequin* figure = Add(new CMannequin(0, 1, -1, 2, 1, 1, 1, 2, kSizeAutomatic, context));
    ASSERT_EQ(figure->valid, 1) << "the data directory has no Human figure";
    figure->settings = &settings;
    figure->UpdatePosture();
    objects.Clear();
    figure->AddToList(objects);
    render->SetRenderMode(RENDER_SHADED);
    Vec3 lo, hi;
    SceneBounds(objects, lo, hi);
    ASSERT_EQ(render->ZoomToExtents(lo, hi), 1);
    // The head's joint (its frame origin) lies inside the neck or head; aim a little above it.
    Matrix4 headFrame;
    ASSERT_EQ(figure->GetSegmentFrame(kHead, headFrame), 1);
    const Vec3 head = TransformPoint(headFrame, Vec3(0, 4, 0));
    int x, y;
    PixelOf(head, x, y);
    Pick(x, y);
    EXPECT_EQ(figure->GetSegment(kHead)->selected, 1);
    EXPECT_EQ(figure->selected, 0);
    EXPECT_EQ(figure->GetSegment(kChest)->selected, 0);
    Pick(x, y, PICK_SELECT_GROUP);
    EXPECT_EQ(figure->selected, 1);
    for (int i = 0; i < kSegmentCount; ++i)
        EXPECT_EQ(figure->GetSegment(i)->selected, 1) << "segment " << i;
    // The selected segment is drawn in its selection colour (155, 155, 0 before lighting).
    Pick(x, y);
    const int c = Frame().PixelAt(x, y);
    EXPECT_GT(RedOf(c), 60);
    EXPECT_NEAR(RedOf(c), GreenOf(c), 2);
    EXPECT_EQ(BlueOf(c), 0);
}

} // namespace
