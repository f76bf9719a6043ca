#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

// The scale factor of a screen is fixed when the program starts, so each ratio runs this
// program again with QT_SCALE_FACTOR set and only the tests below.

namespace {

// Where the centre of an object's box shows, in the widget's own (logical) coordinates.
QPointF LogicalCentre(CTavroView* view, const CSceneObject& object) {
    BoundingBox box;
    object.CollectBounds(box);
    const Vec3 w = view->Renderer().camera.Project(box.Centre());
    const double h = view->Renderer().camera.ViewportHeight();
    return QPointF(w.x, h - w.y) / view->devicePixelRatioF();
}

void Drag(CTavroView* view, Qt::MouseButton button, QPoint from, QPoint to) {
    QTest::mousePress(view, button, {}, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), view->mapToGlobal(QPointF(to)), Qt::NoButton,
                     button, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, button, {}, to);
}

bool InScaledRun() {
    return qEnvironmentVariableIsSet("TAVRONA_SCALED_RUN");
}

} // namespace

TEST(ScaledDisplay, EveryRatioPassesTheScaledTests) {
    if (InScaledRun())
        GTEST_SKIP() << "this is the scaled run";
    for (const char* ratio : {"1.5", "2"}) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_SCALE_FACTOR", ratio);
        env.insert("TAVRONA_SCALED_RUN", "1");
        run.setProcessEnvironment(env);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=ScaledView.*"});
        ASSERT_TRUE(run.waitForFinished(180000)) << ratio;
        const QString output = QString::fromLocal8Bit(run.readAll());
        EXPECT_EQ(run.exitCode(), 0) << "ratio " << ratio << "\n" << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    }
}

// Two boxes side by side: clicks, coordinates, drags, the overlay and the zoom window at the
// ratio given.
class ScaledView : public ViewFixture {};

TEST_F(ScaledView, PointsLandWhereTheMouseIs) {
    if (!InScaledRun())
        GTEST_SKIP() << "run with QT_SCALE_FACTOR by ScaledDisplay";
    const double ratio = view->devicePixelRatioF();
    ASSERT_GT(ratio, 1.0);
    // The whole window on the screen, so that the pointer can reach every point of it.
    frame->resize(1500 / ratio, 1100 / ratio);
    Pump(100);
    CPolyface* left = AddBox(doc, Vec3(-40, 0, -5), Vec3(-20, 40, 5));
    CPolyface* right = AddBox(doc, Vec3(20, 0, -5), Vec3(40, 40, 5));
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    Screenshot(frame, QString("scaled-%1").arg(ratio));

    // A click on the right box selects it, not the left one.
    const QPoint onRight = LogicalCentre(view, *right).toPoint();
    QTest::mouseClick(view, Qt::LeftButton, {}, onRight);
    EXPECT_EQ(right->selected, 1);
    EXPECT_EQ(left->selected, 0);
    QTest::mouseClick(view, Qt::LeftButton, {}, LogicalCentre(view, *left).toPoint());
    EXPECT_EQ(left->selected, 1);
    EXPECT_EQ(right->selected, 0);

    // The coordinate panes name the point under the cursor (x = 30 at the right box's middle).
    QTest::mouseMove(view, onRight);
    Pump();
    const double x = frame->StatusText(1).section(':', 1).trimmed().toDouble();
    EXPECT_NEAR(x, 30.0, 1.0) << frame->StatusText(1).toStdString();

    QTest::mouseClick(view, Qt::LeftButton, {}, onRight);
    ASSERT_EQ(right->selected, 1);
    QTest::mouseClick(view, Qt::MiddleButton, {}, onRight); // rotate
    QTest::mouseClick(view, Qt::MiddleButton, {}, onRight); // translate
    ASSERT_EQ(view->Mode(), MODE_TRANSLATE);
    Pump(50);

    // A translate drag moves the selected box with the cursor.
    const QPointF before = LogicalCentre(view, *right);
    Drag(view, Qt::LeftButton, onRight, onRight + QPoint(-30, 20));
    Pump(50);
    const QPointF after = LogicalCentre(view, *right);
    EXPECT_NEAR(after.x() - before.x(), -30.0, 2.0);
    EXPECT_NEAR(after.y() - before.y(), 20.0, 2.0);
    QTest::mouseClick(view, Qt::MiddleButton, {}, onRight); // back to select
    ASSERT_EQ(view->Mode(), MODE_SELECT);

    // A zoom window drawn round the left box centres the view on it.
    const QPointF l = LogicalCentre(view, *left);
    frame->RunCommand(ID_ZOOM_WINDOW);
    Drag(view, Qt::LeftButton, (l - QPointF(40, 60)).toPoint(), (l + QPointF(40, 60)).toPoint());
    Pump(50);
    const QPointF zoomed = LogicalCentre(view, *left);
    EXPECT_NEAR(zoomed.x(), view->width() / 2.0, view->width() * 0.05);
    EXPECT_NEAR(zoomed.y(), view->height() / 2.0, view->height() * 0.05);

    // The selection overlay of a segment lies on the segment's box edges.
    if (!HaveMeshes())
        return;
    CMannequin* figure = AddFigure(doc, frame);
    frame->RunCommand(ID_ZOOM_EXTENTS);
    figure->GetSegment(kChest)->Select();
    view->Redraw();
    Pump(100);
    const QImage plain = view->Picture();
    frame->RunCommand(ID_MODE_ROTATE);
    Pump(100);
    const QImage shown = view->Picture();
    Screenshot(frame, QString("scaled-overlay-%1").arg(ratio));
    int drawn = 0;
    for (const QLine& line : view->Overlay().Lines()) {
        if (std::abs(line.dx()) + std::abs(line.dy()) < 8)
            continue; // an edge along the line of sight is a point
        drawn += shown.pixelColor(line.center()) != plain.pixelColor(line.center());
    }
    EXPECT_EQ(drawn, 8);
}
