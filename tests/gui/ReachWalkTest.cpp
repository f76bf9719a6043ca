#include "../VideoProbe.h"
#include "GuiTestSupport.h"

#include "anthro/AnthropometryDialogs.h"
#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "document/TavroDoc.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QPoint ScreenPointOf(CTavroView* view, const Vec3& world) {
    const Vec3 w = view->Renderer().camera.Project(world);
    return QPoint(static_cast<int>(w.x), view->height() - static_cast<int>(w.y));
}

// A flat slab under the figure, 200 in square: the top view zoomed to it shows the whole path.
void AddFloorSlab(CAppDoc* doc) {
    auto* slab = new CPolyface;
    slab->Build(kShapeBox, {Vec3(-100, -38, -100), Vec3(100, -37, 100)});
    doc->AddObject(slab);
}

void ShowAll(CTavroView* view) {
    view->RequestZoomExtents();
    view->Redraw();
    Pump(100);
}

bool Enabled(CMainFrame* frame, int id) {
    frame->UpdateCommandUI();
    return frame->Action(id)->isEnabled();
}

using ReachWalkTest = ViewFixture;

// Reach Right Hand, a click in front of the figure: the grip goes to the point of the click's
// ray nearest to where the hand was, one undo step; the mode stays for the next point; a click
// far off says "Failed to Reach Point" and changes nothing; Esc ends the mode.
TEST_F(ReachWalkTest, ReachAPickedPointWithTheMouse) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    CMannequin* figure = AddFigure(doc, frame);
    EXPECT_FALSE(Enabled(frame, ID_REACH_RIGHT));
    figure->Select();
    view->RequestZoomExtents();
    view->Redraw();
    Pump(100);
    ASSERT_TRUE(Enabled(frame, ID_REACH_RIGHT));
    ASSERT_TRUE(Enabled(frame, ID_WALK_PATH));

    frame->RunCommand(ID_REACH_RIGHT);
    EXPECT_EQ(view->Mode(), MODE_REACH_RIGHT);
    frame->UpdateCommandUI();
    EXPECT_TRUE(frame->Action(ID_REACH_RIGHT)->isChecked());
    EXPECT_FALSE(frame->Action(ID_REACH_LEFT)->isChecked());

    const Vec3 shoulder = TranslationOf(figure->GetSegment(kRightArm)->transform);
    const Vec3 grip = figure->GripPoint(kRightPalm);
    const QPoint click = ScreenPointOf(view, shoulder + Vec3(-8, 4, 0)); // out and up
    Vec3 rayPoint, rayDirection;
    view->Renderer().camera.Placement(click.x(), click.y(), rayPoint, rayDirection);
    const Vec3 u = Normalize(rayDirection);
    const Vec3 expected = rayPoint + u * Dot(u, grip - rayPoint);
    const std::size_t undo = doc->Model().UndoDepth();
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, click);
    Pump(50);
    const Vec3 reached = figure->GripPoint(kRightPalm);
    EXPECT_NEAR(Distance(reached, expected), 0.0, 0.05);
    EXPECT_EQ(doc->Model().UndoDepth(), undo + 1);
    EXPECT_EQ(view->Mode(), MODE_REACH_RIGHT);
    Screenshot(frame, "reach-right-hand");

    AnswerMessageBoxesFor([&] {
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier,
                          ScreenPointOf(view, shoulder + Vec3(-60, 30, 0)));
        Pump(50);
    });
    EXPECT_EQ(LastMessage(), "Failed to Reach Point");
    EXPECT_EQ(figure->GripPoint(kRightPalm), reached);
    EXPECT_EQ(doc->Model().UndoDepth(), undo + 1);

    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_EQ(doc->Model().PendingOperationCode(), kPendingNone);
}

// Walk on path: left clicks draw the path in the top view, the right button starts the walk
// in the view shown before, the 100 ms timer moves the figure along the path, and Esc ends it:
// the path is gone, the posture restored, the figure left where it stood.
TEST_F(ReachWalkTest, DrawAPathAndWalkItUntilEsc) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    CMannequin* figure = AddFigure(doc, frame);
    figure->Select();
    AddFloorSlab(doc);
    view->SetViewType(VIEW_USER);
    ShowAll(view);
    const std::size_t objects = doc->Objects().size();
    const Vec3 knee = figure->GetSegment(kLeftLowerLeg)->angles;

    frame->RunCommand(ID_WALK_PATH);
    EXPECT_EQ(view->Mode(), MODE_WALK_PATH);
    EXPECT_EQ(view->GetViewType(), VIEW_TOP);
    ShowAll(view);
    // One point is not a path: the message, and drawing goes on.
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, ScreenPointOf(view, Vec3(0, 0, 0)));
    AnswerMessageBoxesFor([&] { QTest::mouseClick(view, Qt::RightButton); });
    EXPECT_EQ(LastMessage(),
              "Two or more points are required. Please reselect points with left button");
    EXPECT_EQ(view->Mode(), MODE_WALK_PATH);

    const std::size_t undo = doc->Model().UndoDepth();
    for (const Vec3& p : {Vec3(0, 0, -80), Vec3(0, 0, 80), Vec3(60, 0, 80)})
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, ScreenPointOf(view, p));
    ASSERT_EQ(view->Points().size(), 3u);
    EXPECT_EQ(doc->Objects().size(), objects + 1); // the path
    QTest::mouseClick(view, Qt::RightButton);
    EXPECT_EQ(view->Mode(), MODE_WALK_MOVE);
    EXPECT_EQ(view->GetViewType(), VIEW_USER);
    EXPECT_FALSE(Enabled(frame, ID_WALK_PATH)); // one walk at a time
    EXPECT_EQ(doc->Model().UndoDepth(), undo + 1);

    // About ten ticks: the figure walks along the first leg, facing +z.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 1000)
        Pump(20);
    const Vec3 at = TranslationOf(figure->transform);
    EXPECT_NEAR(at.x, view->Points()[0].x, 1.0);
    EXPECT_GT(at.z - view->Points()[0].z, 20.0);
    Screenshot(frame, "walk-on-path");

    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_EQ(doc->Objects().size(), objects);
    EXPECT_EQ(figure->GetSegment(kLeftLowerLeg)->angles, knee);
    const Vec3 stopped = TranslationOf(figure->transform);
    EXPECT_EQ(stopped.x, at.x);
    EXPECT_GE(stopped.z, at.z);
    Pump(300);
    EXPECT_EQ(TranslationOf(figure->transform), stopped); // the timer is gone
}

// A short path ends the walk by itself.
TEST_F(ReachWalkTest, WalkEndsAtTheEndOfThePath) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    CMannequin* figure = AddFigure(doc, frame);
    figure->Select();
    AddFloorSlab(doc);
    frame->RunCommand(ID_WALK_PATH);
    ShowAll(view);
    for (const Vec3& p : {Vec3(0, 0, 0), Vec3(13, 0, 0)})
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, ScreenPointOf(view, p));
    QTest::mouseClick(view, Qt::RightButton);
    QElapsedTimer clock;
    clock.start();
    while (view->Mode() == MODE_WALK_MOVE && clock.elapsed() < 3000)
        Pump(20);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_EQ(doc->Model().WalkingFigure(), nullptr);
    // Steps at 0, 6 and 12 of the 13 in long path, heading +x.
    ASSERT_EQ(figure->walkPath.size(), 2u);
    const Vec3 first = figure->walkPath[0];
    EXPECT_NEAR(figure->transform(0, 2), 1.0, 1e-6);
    EXPECT_GT(TranslationOf(figure->transform).x, first.x + 11.0);
}

// Closing the window during a walk ends the walk: the next one can start.
TEST_F(ReachWalkTest, ClosingTheViewEndsItsWalk) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    CMannequin* figure = AddFigure(doc, frame);
    figure->Select();
    AddFloorSlab(doc);
    const std::size_t objects = doc->Objects().size();
    frame->RunCommand(ID_WALK_PATH);
    ShowAll(view);
    for (const Vec3& p : {Vec3(0, 0, -80), Vec3(0, 0, 80)})
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, ScreenPointOf(view, p));
    QTest::mouseClick(view, Qt::RightButton);
    ASSERT_NE(doc->Model().WalkingFigure(), nullptr);
    frame->RunCommand(ID_WINDOW_FOUR_VIEWS); // closes this window
    Pump(50);
    EXPECT_EQ(doc->Model().WalkingFigure(), nullptr);
    EXPECT_EQ(doc->Objects().size(), objects);
    EXPECT_TRUE(Enabled(frame, ID_WALK_PATH));
}

// Walk and record AVI: the same path drawing; the right button asks for the file and the
// compressor and records one frame per step at the recording setting's rate, then removes the
// path and leaves the figure where its last step put it.
TEST_F(ReachWalkTest, WalkAndRecordWritesAFramePerStep) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    CMannequin* figure = AddFigure(doc, frame);
    figure->Select();
    AddFloorSlab(doc);
    const std::size_t objects = doc->Objects().size();
    frame->Settings().recordingSetting = 12;
    frame->RunCommand(ID_WALK_RECORD);
    EXPECT_EQ(view->Mode(), MODE_WALK_RECORD_PATH);
    ShowAll(view);
    for (const Vec3& p : {Vec3(0, 0, -40), Vec3(0, 0, 40)})
        QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, ScreenPointOf(view, p));
    // The steps a figure takes on that path.
    const std::vector<Vec3> path = view->Points();
    CAnthropometryContext context{frame->Reporter(), nullptr, 0};
    CMannequin twin(0, 1, -1, 2, 1, 1, 1, 2, 0, context);
    twin.StartWalk(path);
    int steps = 0;
    while (twin.WalkStep())
        ++steps;

    const QString file = QDir::temp().filePath("tavrona-walk-record.mp4");
    QFile::remove(file);
    WhenModal([file](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        QTimer::singleShot(100, files, [files, file] {
            auto* name = files->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(file);
            QTest::keyClick(name, Qt::Key_Return);
            WhenModal([](QWidget* codecs) {
                auto* list = codecs->findChild<QComboBox*>("codecList");
                ASSERT_NE(list, nullptr);
                list->setCurrentIndex(list->findText("H.264 (MP4)"));
                static_cast<QDialog*>(codecs)->accept();
            });
        });
    });
    QTest::mouseClick(view, Qt::RightButton);
    Pump(100);
    const int w = static_cast<int>(view->width() * view->devicePixelRatioF()) / 4 * 4;
    const int h = static_cast<int>(view->height() * view->devicePixelRatioF()) / 4 * 4;
    EXPECT_EQ(ProbeVideo(file.toStdString()), "h264," + std::to_string(w) + "," +
                                                  std::to_string(h) + ",12/1," +
                                                  std::to_string(steps) + "\n");
    EXPECT_GT(steps, 10);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_EQ(doc->Objects().size(), objects); // the path is gone
    EXPECT_EQ(doc->Model().WalkingFigure(), nullptr);
    EXPECT_GT(TranslationOf(figure->transform).z, 30.0);
    QFile::remove(file);
}

} // namespace
