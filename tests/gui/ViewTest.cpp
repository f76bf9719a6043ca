#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/ChildFrame.h"
#include "app/MainFrame.h"
#include "core/GlobalSettings.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "view/CommandIds.h"
#include "view/CoordinateDialogs.h"
#include "view/PreferencesDialog.h"
#include "view/TavroView.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QPoint CentreOf(CTavroView* view, const CSceneObject& object) {
    BoundingBox box;
    object.CollectBounds(box);
    const Vec3 w = view->Renderer().camera.Project(box.Centre());
    return QPoint(static_cast<int>(w.x), view->height() - static_cast<int>(w.y));
}

} // namespace

TEST_F(ViewFixture, ZoomExtentsFramesTheSceneAndAClickSelects) {
    CPolyface* box = AddBox(doc, Vec3(-10, 0, -10), Vec3(10, 40, 10));
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    const QImage picture = view->Picture();
    Screenshot(frame, "view-box");
    // The box fills the middle of the view; the corners stay white.
    EXPECT_NE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(2, 2), QColor(Qt::white));

    QTest::mouseClick(view, Qt::LeftButton, {}, CentreOf(view, *box));
    Pump();
    EXPECT_EQ(box->selected, 1);
    EXPECT_EQ(doc->SelectedObject(), box);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(3, 3));
    Pump();
    EXPECT_EQ(box->selected, 0);
}

TEST_F(ViewFixture, StatusPanesShowTheCursorPointInModelUnits) {
    QTest::mouseMove(view, QPoint(view->width() / 2, view->height() / 2));
    Pump();
    EXPECT_TRUE(frame->StatusText(1).startsWith("X : "));
    EXPECT_TRUE(frame->StatusText(2).startsWith("Y : "));
    EXPECT_TRUE(frame->StatusText(3).startsWith("Z : "));
    // Front view: every clicked point lies on the plane z = 0 through the view centre.
    EXPECT_EQ(frame->StatusText(3), "Z : 0");
}

TEST_F(ViewFixture, ZoomCommandsChangeZoomAndPromptsFollowModes) {
    const double zoom = view->Renderer().camera.zoom;
    frame->RunCommand(ID_ZOOM_OUT);
    EXPECT_DOUBLE_EQ(view->Renderer().camera.zoom, zoom / 2.0);
    frame->RunCommand(ID_ZOOM_IN);
    EXPECT_EQ(view->Mode(), MODE_ZOOM_IN);
    EXPECT_EQ(frame->StatusText(0), "Select a zoom center with the crosshair, ESC to cancel.");
    EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);
    EXPECT_TRUE(frame->Action(ID_ZOOM_IN)->isChecked());
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(view->width() / 2, view->height() / 2));
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_DOUBLE_EQ(view->Renderer().camera.zoom, zoom);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);

    // Zoom window: press, drag and release; the band is drawn while dragging.
    frame->RunCommand(ID_ZOOM_WINDOW);
    EXPECT_EQ(view->Mode(), MODE_ZOOM_WINDOW_FIRST);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(view->Mode(), MODE_ZOOM_WINDOW_SECOND);
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 250), QPointF(300, 250), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    EXPECT_EQ(view->RubberBand(), QRect(QPoint(100, 100), QPoint(300, 250)));
    Pump();
    Screenshot(view, "rubber-band");
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(300, 250));
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_GT(view->Renderer().camera.zoom, zoom);

    frame->RunCommand(ID_VIEW_RESET);
    EXPECT_DOUBLE_EQ(view->Renderer().camera.zoom, 1.0);
}

TEST_F(ViewFixture, MiddleButtonCyclesSelectRotateTranslate) {
    QTest::mouseClick(view, Qt::MiddleButton);
    EXPECT_EQ(view->Mode(), MODE_ROTATE);
    EXPECT_EQ(frame->StatusText(0),
              "LEFT, Shift-LEFT and RIGHT button to rotate around X, Y and Z axes.");
    QTest::mouseClick(view, Qt::MiddleButton);
    EXPECT_EQ(view->Mode(), MODE_TRANSLATE);
    QTest::mouseClick(view, Qt::MiddleButton);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    EXPECT_EQ(frame->StatusText(0), "");
}

TEST_F(ViewFixture, EscapeEndsAnyModeAndF3OutsidePointModesDoesNothing) {
    frame->RunCommand(ID_VIEW_ORBIT);
    EXPECT_EQ(view->Mode(), MODE_ORBIT);
    EXPECT_EQ(view->GetViewType(), VIEW_ORBIT);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(view->Mode(), MODE_SELECT);
    QTest::keyClick(view, Qt::Key_F3); // mode 0: no dialog
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(ViewFixture, OrbitDragTurnsTheCameraAndReturnsAtThePressPoint) {
    frame->RunCommand(ID_VIEW_ORBIT);
    const QPoint start(200, 200);
    QTest::mousePress(view, Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(260, 230), QPointF(260, 230), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    const float turned = view->Renderer().camera.currentRotation[3];
    EXPECT_LT(turned, 1.0f);
    QMouseEvent back(QEvent::MouseMove, QPointF(start), QPointF(start), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &back);
    EXPECT_FLOAT_EQ(view->Renderer().camera.currentRotation[3], 1.0f);
    QTest::mouseRelease(view, Qt::LeftButton, {}, start);
}

TEST_F(ViewFixture, FourViewsShowLeftRightTopAndUser) {
    AddBox(doc, Vec3(-10, 0, -5), Vec3(10, 60, 5));
    frame->RunCommand(ID_WINDOW_FOUR_VIEWS);
    Pump(150);
    ASSERT_EQ(doc->Views().size(), 4);
    std::vector<int> types;
    for (CTavroView* v : doc->Views())
        types.push_back(v->GetViewType());
    std::sort(types.begin(), types.end());
    EXPECT_EQ(types, (std::vector<int>{VIEW_TOP, VIEW_RIGHT, VIEW_LEFT, VIEW_USER}));
    const QSize client = frame->MdiArea()->viewport()->size();
    for (QMdiSubWindow* w : frame->MdiArea()->subWindowList())
        EXPECT_EQ(w->size(), QSize(client.width() / 2, client.height() / 2));
    for (CTavroView* v : doc->Views()) {
        frame->MdiArea()->setActiveSubWindow(v->SubWindow());
        frame->RunCommand(ID_ZOOM_EXTENTS);
    }
    Pump(150);
    Screenshot(frame, "four-views");
    EXPECT_EQ(app->Documents().size(), 1u);
    frame->RunCommand(ID_WINDOW_ONE_VIEW);
    Pump();
    ASSERT_EQ(doc->Views().size(), 1);
    EXPECT_EQ(doc->Views()[0]->GetViewType(), VIEW_USER);
}

TEST_F(ViewFixture, RenderModesAndRotateMethodsCarryCheckMarks) {
    frame->RunCommand(ID_RENDER_WIREFRAME);
    EXPECT_TRUE(frame->Action(ID_RENDER_WIREFRAME)->isChecked());
    EXPECT_FALSE(frame->Action(ID_RENDER_SHADED)->isChecked());
    EXPECT_EQ(view->Renderer().GetRenderMode(), RENDER_WIREFRAME);
    EXPECT_TRUE(frame->Action(ID_ROTATE_INDEPENDENT)->isChecked());
    frame->RunCommand(ID_ROTATE_OPPOSITE);
    EXPECT_EQ(view->RotateMethod(), 2);
    EXPECT_TRUE(frame->Action(ID_ROTATE_OPPOSITE)->isChecked());
    EXPECT_FALSE(frame->Action(ID_ROTATE_INDEPENDENT)->isChecked());
}

TEST_F(ViewFixture, EyeViewNeedsACurrentMannequin) {
    EXPECT_FALSE(frame->Action(ID_VIEW_EYE)->isEnabled());
    frame->RunCommand(ID_VIEW_EYE); // nothing selected: nothing happens
    EXPECT_EQ(view->GetViewType(), VIEW_FRONT);
}

TEST_F(ViewFixture, CopyWithNothingSelectedPutsThePictureOnTheClipboard) {
    AddBox(doc, Vec3(-10, 0, -10), Vec3(10, 40, 10));
    frame->RunCommand(ID_ZOOM_EXTENTS);
    QApplication::clipboard()->clear();
    frame->RunCommand(ID_EDIT_COPY);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), view->size() * view->devicePixelRatio());
}

TEST(PrintPlacement, KeepsProportionsAndCentres) {
    EXPECT_EQ(CTavroView::PrintPlacement(QSize(400, 300), QSize(1000, 2000)),
              QRect(0, 625, 1000, 750));
    EXPECT_EQ(CTavroView::PrintPlacement(QSize(300, 600), QSize(1000, 1000)),
              QRect(250, 0, 500, 1000));
    EXPECT_EQ(CTavroView::PrintPlacement(QSize(300, 600), QSize(1000, 800)),
              QRect(300, 0, 400, 800));
    EXPECT_TRUE(CTavroView::PrintPlacement(QSize(0, 10), QSize(100, 100)).isNull());
}

TEST_F(ViewFixture, PreferencesRefuseZoomFactorsOutsideOneToTwenty) {
    CPreferencesDialog dialog(2.0, frame->Settings(), frame);
    dialog.show();
    Pump();
    Screenshot(&dialog, "preferences");
    EXPECT_EQ(dialog.lengthUnit->count(), 5);
    EXPECT_EQ(dialog.lengthUnit->itemText(3), "cm");
    EXPECT_EQ(dialog.forceUnit->itemText(1), "Newton");
    for (const char* refused : {"0.5", "25", "abc"}) {
        dialog.zoomField->setText(refused);
        AnswerMessageBoxesFor([&] { dialog.accept(); });
        EXPECT_TRUE(dialog.isVisible()) << refused;
    }
    for (const char* accepted : {"1", "20"}) {
        CPreferencesDialog d(2.0, frame->Settings(), frame);
        d.zoomField->setText(accepted);
        d.accept();
        EXPECT_EQ(d.result(), QDialog::Accepted) << accepted;
    }
    dialog.zoomField->setText("3");
    dialog.lengthUnit->setCurrentIndex(3);
    dialog.floor->setChecked(true);
    dialog.accept();
    CGlobalSettings settings;
    dialog.Store(settings);
    EXPECT_EQ(settings.lengthUnit, 3);
    EXPECT_EQ(settings.showSceneFloor, 1);
    EXPECT_EQ(dialog.ZoomStep(), 3.0);
}

TEST_F(ViewFixture, PointDialogStartsAtZeroAndReadsThreeNumbers) {
    CPointDialog dialog(frame);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dialog.Field(i)->text(), "0");
    dialog.Field(0)->setText("1.5");
    dialog.Field(1)->setText("-2");
    dialog.Field(2)->setText("30");
    dialog.accept();
    EXPECT_EQ(dialog.Point(), Vec3(1.5, -2.0, 30.0));
    CScaleDialog scale(frame);
    EXPECT_EQ(scale.Field()->text(), "1");
    CUserViewDialog user(Vec3(1, 1, 1), Vec3(0, 1, 0), frame);
    EXPECT_EQ(user.Field(0)->text(), "1.0");
    EXPECT_EQ(user.Field(3)->text(), "0.0");
}
