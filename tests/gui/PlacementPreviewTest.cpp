#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "core/GlobalSettings.h"
#include "document/TavroDoc.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>

// New Mannequin: before the click the figure follows the cursor, standing where the click would
// place it, and the document stays as it was until the click.

namespace {

struct PlacementPreview : ViewFixture {
    void SetUp() override {
        ViewFixture::SetUp();
        frame->Settings().showSceneFloor = 1; // 20 tiles of 10 in each way from the origin
        view->SetViewType(VIEW_USER);         // looking down on the floor from (1, 1, 1)
        // Two small boxes at opposite corners frame the floor's middle, leaving it clear.
        AddBox(doc, Vec3(-100, 0, -100), Vec3(-90, 10, -90));
        AddBox(doc, Vec3(90, 0, 90), Vec3(100, 10, 100));
        frame->RunCommand(ID_ZOOM_EXTENTS);
        Pump(100);
    }
    // New Mannequin with the dialogs' defaults: the view then waits for the point.
    void BeginNewFigure() {
        WhenModal([](QWidget* body) {
            WhenModal([](QWidget* postures) { static_cast<QDialog*>(postures)->accept(); });
            static_cast<QDialog*>(body)->accept();
        });
        frame->RunCommand(ID_PEOPLE_NEW_MANNEQUIN);
        ASSERT_EQ(view->Mode(), MODE_PICK_POINT);
        Pump(50);
    }
    void MoveTo(QPoint p) {
        QMouseEvent move(QEvent::MouseMove, QPointF(p), view->mapToGlobal(QPointF(p)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        Pump(50);
    }
    // Where a model point shows in the widget.
    QPointF WidgetPointOf(const Vec3& model) const {
        const CGLCamera& camera = view->Renderer().camera;
        const Vec3 w = camera.Project(model);
        return QPointF(w.x, camera.ViewportHeight() - w.y) / view->devicePixelRatioF();
    }
    // Pixels that differ between two pictures of the view.
    static int Changed(const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    }
    // The previewed figure: feet on the floor, its floor point (the hips' projection) where a
    // click at the cursor places, five pixels above the cursor's tip.
    void ExpectStandingUnder(QPoint cursor) {
        auto* figure = static_cast<CMannequin*>(doc->PlacementPreview());
        ASSERT_NE(figure, nullptr);
        BoundingBox box;
        figure->CollectBounds(box);
        EXPECT_NEAR(box.min.y, 0.0, 1e-6);
        const Vec3 hips = TranslationOf(figure->transform);
        const QPointF floorPoint = WidgetPointOf(Vec3(hips.x, 0.0, hips.z));
        EXPECT_NEAR(floorPoint.x(), cursor.x(), 1.0);
        EXPECT_NEAR(floorPoint.y(), cursor.y() - 5, 1.0);
    }
};

} // namespace

TEST_F(PlacementPreview, FigureFollowsTheCursorAndNothingChangesBeforeTheClick) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    BeginNewFigure();
    const std::size_t objects = doc->Objects().size();
    const std::size_t undoDepth = doc->Model().UndoDepth();
    const bool modified = doc->IsModified();
    const QImage waiting = view->Picture();
    EXPECT_EQ(doc->PlacementPreview(), nullptr); // nowhere until the mouse moves

    const QPoint a(view->width() / 3, view->height() * 2 / 3);
    const QPoint b(view->width() * 2 / 3, view->height() / 2);
    MoveTo(a);
    ASSERT_TRUE(view->ShowsPlacementPreview());
    ExpectStandingUnder(a);
    const QImage atA = view->Picture();
    Screenshot(frame, "placement-preview");
    MoveTo(b);
    ExpectStandingUnder(b);
    const QImage atB = view->Picture();
    // The dashed figure shows in the picture and moves with the cursor.
    EXPECT_GT(Changed(waiting, atA), 500);
    EXPECT_GT(Changed(atA, atB), 500);
    // Nothing in the document: no object, no undo step, no change to save.
    EXPECT_EQ(doc->Objects().size(), objects);
    EXPECT_EQ(doc->Model().UndoDepth(), undoDepth);
    EXPECT_EQ(doc->IsModified(), modified);

    // Leaving the view takes the figure away; coming back brings it.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    Pump(50);
    EXPECT_FALSE(view->ShowsPlacementPreview());
    EXPECT_EQ(Changed(waiting, view->Picture()), 0);
    MoveTo(b);
    EXPECT_TRUE(view->ShowsPlacementPreview());

    // Esc ends the mode: no figure, the picture as before, the document as it was.
    QTest::keyClick(view, Qt::Key_Escape);
    Pump(50);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_FALSE(view->ShowsPlacementPreview());
    EXPECT_EQ(doc->PlacementPreview(), nullptr);
    EXPECT_EQ(Changed(waiting, view->Picture()), 0);
    EXPECT_EQ(doc->Objects().size(), objects);
    EXPECT_EQ(doc->Model().UndoDepth(), undoDepth);
}

TEST_F(PlacementPreview, TheClickPlacesTheFigureWhereThePreviewStood) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    BeginNewFigure();
    const std::size_t objects = doc->Objects().size();
    const std::size_t undoDepth = doc->Model().UndoDepth();
    const QPoint p(view->width() / 2 + 40, view->height() / 2 + 60);
    MoveTo(p);
    auto* previewed = static_cast<CMannequin*>(doc->PlacementPreview());
    ASSERT_NE(previewed, nullptr);
    const Matrix4 shown = previewed->transform;
    QTest::mouseClick(view, Qt::LeftButton, {}, p);
    Pump(50);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_FALSE(view->ShowsPlacementPreview());
    EXPECT_EQ(doc->PlacementPreview(), nullptr);
    EXPECT_EQ(doc->Objects().size(), objects + 47); // the figure and its 46 segments
    EXPECT_EQ(doc->Model().UndoDepth(), undoDepth + 1);
    ASSERT_TRUE(doc->Objects().ContainsId(previewed->id));
    EXPECT_EQ(previewed->transform, shown);
}
