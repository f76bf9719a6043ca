#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

// The wheel, the middle button and the right button as users of other 3D programs expect them,
// beside the modes of the menus.

namespace {

struct ViewHabits : ViewFixture {
    void SetUp() override {
        ViewFixture::SetUp();
        auto* box = new CPolyface;
        box->Build(kShapeBox, {Vec3(-10, 0, -5), Vec3(10, 60, 5)});
        doc->AddObject(box);
        frame->RunCommand(ID_ZOOM_EXTENTS);
        Pump(50);
    }
    // The model point shown at a widget point, on the plane through the view centre.
    Vec3 ModelPointAt(QPointF p) {
        const CGLCamera& camera = view->Renderer().camera;
        const double r = view->devicePixelRatioF();
        const double depth = camera.Project(camera.viewCentre).z;
        return camera.UnProject(Vec3(p.x() * r, camera.ViewportHeight() - p.y() * r, depth));
    }
    QPointF WidgetPointOf(const Vec3& model) {
        const CGLCamera& camera = view->Renderer().camera;
        const double r = view->devicePixelRatioF();
        const Vec3 w = camera.Project(model);
        return QPointF(w.x / r, (camera.ViewportHeight() - w.y) / r);
    }
    void Wheel(QPointF at, int notches, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &wheel);
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mousePress(view, button, modifiers, from);
        for (int step = 1; step <= 4; ++step) {
            const QPointF p = from + (to - from) * step / 4.0;
            QMouseEvent move(QEvent::MouseMove, p, view->mapToGlobal(p), Qt::NoButton, button,
                             modifiers);
            QApplication::sendEvent(view, &move);
        }
        QTest::mouseRelease(view, button, modifiers, to);
    }
};

} // namespace

TEST_F(ViewHabits, WheelZoomsAboutTheCursorInEveryMode) {
    for (int mode : {MODE_SELECT, MODE_ROTATE, MODE_LINE}) {
        if (mode == MODE_LINE)
            frame->RunCommand(ID_DRAW_LINE);
        else
            view->SetMode(mode);
        const QPointF cursor(view->width() * 0.3, view->height() * 0.7);
        const Vec3 under = ModelPointAt(cursor);
        const double zoom = view->Renderer().camera.zoom;
        Wheel(cursor, 1);
        EXPECT_GT(view->Renderer().camera.zoom, zoom * 1.1) << mode;
        const QPointF still = WidgetPointOf(under);
        EXPECT_NEAR(still.x(), cursor.x(), 1.0) << mode;
        EXPECT_NEAR(still.y(), cursor.y(), 1.0) << mode;
        Wheel(cursor, -2);
        EXPECT_LT(view->Renderer().camera.zoom, zoom) << mode;
        EXPECT_EQ(view->Mode(), mode);
        QTest::keyClick(view, Qt::Key_Escape);
    }
    EXPECT_TRUE(doc->Objects().size() == 1u);
}

TEST_F(ViewHabits, MiddleDragPansAndAMiddleClickStillCyclesTheModes) {
    const Vec3 origin(0, 0, 0);
    const QPointF before = WidgetPointOf(origin);
    Drag(Qt::MiddleButton, QPoint(300, 300), QPoint(360, 280));
    Pump();
    const QPointF after = WidgetPointOf(origin);
    EXPECT_NEAR(after.x() - before.x(), 60.0, 1.0);
    EXPECT_NEAR(after.y() - before.y(), -20.0, 1.0);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_EQ(view->GetViewType(), VIEW_FRONT);
    QTest::mouseClick(view, Qt::MiddleButton, {}, QPoint(300, 300));
    EXPECT_EQ(view->Mode(), MODE_ROTATE);
}

TEST_F(ViewHabits, ShiftMiddleOrRightDragOrbitsWithoutChangingTheMode) {
    const int row = view->height() / 2; // through the middle: no roll
    Drag(Qt::MiddleButton, QPoint(300, row), QPoint(380, row), Qt::ShiftModifier);
    EXPECT_EQ(view->GetViewType(), VIEW_ORBIT);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    // Turned about the vertical: the box's top stays above its foot.
    const QPointF foot = WidgetPointOf(Vec3(0, 0, 0)), head = WidgetPointOf(Vec3(0, 60, 0));
    EXPECT_NEAR(head.x(), foot.x(), 2.0);
    const float turned = view->Renderer().camera.currentRotation[3];
    EXPECT_LT(turned, 0.999f);
    Drag(Qt::RightButton, QPoint(300, row), QPoint(380, row));
    EXPECT_LT(view->Renderer().camera.currentRotation[3], turned);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    Screenshot(frame, "orbit-by-right-drag");
    // In the rotate mode the right button keeps its own meaning.
    view->SetMode(MODE_ROTATE);
    const float kept = view->Renderer().camera.currentRotation[3];
    Drag(Qt::RightButton, QPoint(300, 300), QPoint(380, 300));
    EXPECT_EQ(view->Renderer().camera.currentRotation[3], kept);
}
