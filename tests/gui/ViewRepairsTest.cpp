#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "app/PostureDialogs.h"
#include "app/PosturePictures.h"
#include "biomech/Units.h"
#include "core/GlobalSettings.h"
#include "document/TavroDoc.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/CoordinateDialogs.h"
#include "view/TavroView.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gtest/gtest.h>

namespace {

// Window rectangle (device pixels, y down) that the object's bounding box covers in the view.
QRectF ProjectedBounds(CTavroView* view, const CSceneObject& object) {
    BoundingBox box;
    object.CollectBounds(box);
    const int h = view->Renderer().camera.ViewportHeight();
    QRectF r;
    for (int i = 0; i < 8; ++i) {
        const Vec3 corner((i & 1) ? box.max.x : box.min.x, (i & 2) ? box.max.y : box.min.y,
                          (i & 4) ? box.max.z : box.min.z);
        const Vec3 w = view->Renderer().camera.Project(corner);
        const QRectF p(QPointF(w.x, h - w.y), QSizeF(0.001, 0.001));
        r = r.isNull() ? p : r.united(p);
    }
    return r;
}

// The title the window manager shows for a top-level window.
QString ShownTitle(QWidget* window) {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return {};
    Display* display = x11->display();
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window->winId(), name, 0, 1024, False, utf8, &type, &format,
                           &count, &after, &data) != Success ||
        !data)
        return {};
    const QString title = QString::fromUtf8(reinterpret_cast<char*>(data), count);
    XFree(data);
    return title;
}

// Pixels that differ between two pictures of the same size.
int ChangedPixels(const QImage& a, const QImage& b) {
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

std::unique_ptr<CTavroApp> StartDemo() {
    ClearSettings();
    std::unique_ptr<CTavroApp> app;
    AnswerMessageBoxesFor([&] {
        app = std::make_unique<CTavroApp>();
        app->InitInstance({}, true);
    });
    app->MainFrame()->resize(1100, 800);
    Pump(300);
    return app;
}

} // namespace

// The referential's labels are glyph lists; a pick pass must not draw them.
TEST_F(ViewFixture, ClickWithTheReferentialShownSelects) {
    CPolyface* box = AddBox(doc, Vec3(20, 0, -10), Vec3(40, 40, 10));
    frame->Settings().showSceneReferential = 1;
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    Screenshot(frame, "referential");
    const QPointF centre = ProjectedBounds(view, *box).center() / view->devicePixelRatioF();
    QTest::mouseClick(view, Qt::LeftButton, {}, centre.toPoint());
    Pump();
    EXPECT_EQ(box->selected, 1);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(box->selected, 0);
}

// Without an X11 session the views' contexts are not GLX, and nothing is there to mend.
TEST_F(ViewFixture, PosturePicturesRenderWhileAViewIsOpen) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    AddBox(doc, Vec3(-10, 0, -10), Vec3(10, 40, 10));
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    view->Picture(); // leaves the view's context current, as a paint does
    // Made afresh: a picture cache from an earlier run must not hide the fault.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    for (const QString& folder : QDir(cache).entryList({"postures-*"}, QDir::Dirs))
        QDir(cache + "/" + folder).removeRecursively();
    CPosturePictures pictures;
    for (auto [kind, index] :
         {std::pair{CPosturePictures::kBody, 1}, std::pair{CPosturePictures::kHand, 3}}) {
        const QImage picture = pictures.Picture(kind, index).toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                colours.insert(picture.pixel(x, y));
        // A numbered placeholder has white, its frame's grey and the digit's smoothed edge
        // (some fifty tones); a shaded figure has many more.
        EXPECT_GT(colours.size(), 100) << "kind " << kind;
    }
    CBodyPostureDialog body(pictures);
    body.show();
    Pump(50);
    Screenshot(&body, "body-postures-with-view");
    CHandPostureDialog hand(pictures);
    hand.show();
    Pump(50);
    Screenshot(&hand, "hand-postures-with-view");
    // The view still draws afterwards.
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(50);
    const QImage after = view->Picture();
    EXPECT_NE(after.pixelColor(after.width() / 2, after.height() / 2), QColor(Qt::white));
}

TEST_F(ViewFixture, OrbitStartsFromTheViewShown) {
    CPolyface* box = AddBox(doc, Vec3(-10, 0, -5), Vec3(10, 60, 5));
    frame->RunCommand(ID_VIEW_TOP);
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(50);
    const QRectF top = ProjectedBounds(view, *box);
    frame->RunCommand(ID_VIEW_ORBIT);
    Pump(50);
    // The picture does not jump (nor go blank) when the orbit begins.
    const QRectF orbit = ProjectedBounds(view, *box);
    EXPECT_NEAR(orbit.left(), top.left(), 1.0);
    EXPECT_NEAR(orbit.top(), top.top(), 1.0);
    EXPECT_NEAR(orbit.width(), top.width(), 1.0);
    EXPECT_NEAR(orbit.height(), top.height(), 1.0);
    const QImage picture = view->Picture();
    EXPECT_NE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::white));

    // A vertical drag tips the view; the next orbit from the front view starts at the front.
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(300, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 200), QPointF(300, 200), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(300, 200));
    frame->RunCommand(ID_VIEW_FRONT);
    Pump(20);
    const QRectF front = ProjectedBounds(view, *box);
    frame->RunCommand(ID_VIEW_ORBIT);
    Pump(20);
    const QRectF again = ProjectedBounds(view, *box);
    EXPECT_NEAR(again.left(), front.left(), 1.0);
    EXPECT_NEAR(again.height(), front.height(), 1.0);

    // A sideways drag from the front turns about the screen's vertical: the box stays upright
    // (its top edge stays above its bottom edge, the height on screen unchanged).
    const int row = view->height() / 2; // through the middle: no roll
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(300, row));
    QMouseEvent side(QEvent::MouseMove, QPointF(380, row), QPointF(380, row), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &side);
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(380, row));
    const Vec3 foot = view->Renderer().camera.Project(Vec3(0, 0, 0));
    const Vec3 head = view->Renderer().camera.Project(Vec3(0, 60, 0));
    EXPECT_NEAR(head.x, foot.x, 2.0);
    EXPECT_GT(head.y - foot.y, 0.95 * front.height());
}

TEST_F(ViewFixture, TitlesCarryNoApplicationSuffix) {
    Pump(50);
    const QString main = ShownTitle(frame);
    if (main.isEmpty())
        GTEST_SKIP() << "no X11 window title to read";
    EXPECT_EQ(main.toStdString(), "Tavrona V9.0 - [Tavrona1]");
    CPointDialog dialog(frame);
    dialog.show();
    Pump(50);
    EXPECT_EQ(ShownTitle(&dialog).toStdString(), "Enter the point coordinates");
}

TEST_F(ViewFixture, NewLayoutsAndZoomExtentsFrameTheSceneWithAMargin) {
    CPolyface* box = AddBox(doc, Vec3(-10, 0, -5), Vec3(10, 70, 5));
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(50);
    const auto expectFramed = [&](CTavroView* v, const char* what) {
        const QRectF r = ProjectedBounds(v, *box);
        const double w = v->Renderer().camera.ViewportWidth();
        const double h = v->Renderer().camera.ViewportHeight();
        // Inside with at least 4 % to spare on each side, and filling 85 % of one direction.
        EXPECT_GT(r.left(), 0.04 * w) << what;
        EXPECT_LT(r.right(), 0.96 * w) << what;
        EXPECT_GT(r.top(), 0.04 * h) << what;
        EXPECT_LT(r.bottom(), 0.96 * h) << what;
        EXPECT_TRUE(r.width() > 0.85 * w || r.height() > 0.85 * h) << what;
    };
    expectFramed(view, "zoom extents");
    frame->RunCommand(ID_WINDOW_FOUR_VIEWS);
    Pump(150);
    ASSERT_EQ(doc->Views().size(), 4);
    for (CTavroView* v : doc->Views())
        expectFramed(v, "four views");
    Screenshot(frame, "four-views-framed");
    frame->RunCommand(ID_WINDOW_ONE_VIEW);
    Pump(150);
    ASSERT_EQ(doc->Views().size(), 1);
    expectFramed(doc->Views()[0], "one view");
}

TEST_F(ViewFixture, CancelledDrawingToolLeavesNoUndoStep) {
    const QPoint c(view->width() / 2, view->height() / 2);
    frame->RunCommand(ID_DRAW_LINE);
    QTest::mouseClick(view, Qt::LeftButton, {}, c - QPoint(100, 0));
    QTest::mouseClick(view, Qt::LeftButton, {}, c - QPoint(50, 40));
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_TRUE(doc->Objects().empty());
    EXPECT_EQ(doc->Model().UndoDepth(), 0u);

    // A finished box is one step, and undoing it removes the box.
    frame->RunCommand(ID_DRAW_BOX);
    QTest::mouseClick(view, Qt::LeftButton, {}, c);
    QTest::mouseMove(view, c + QPoint(40, 30));
    QTest::mouseClick(view, Qt::LeftButton, {}, c + QPoint(60, 50));
    QTest::mouseMove(view, c + QPoint(70, 60));
    ASSERT_EQ(view->Mode(), MODE_SELECT);
    ASSERT_EQ(doc->Objects().size(), 1u);
    EXPECT_EQ(doc->Model().UndoDepth(), 1u);
    doc->Model().OnUndo();
    EXPECT_TRUE(doc->Objects().empty());
    EXPECT_EQ(doc->Model().UndoDepth(), 0u);
}

TEST(CentreOfGravity, MarkersShowOnAShadedFigureAndTheStatusSaysWhoHasNone) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    auto app = StartDemo();
    CMainFrame* frame = app->MainFrame();
    CTavroView* view = frame->ActiveView();
    ASSERT_EQ(view->Renderer().GetRenderMode(), RENDER_SHADED);
    const QImage without = view->Picture();
    frame->RunCommand(ID_BIO_CENTRE_OF_GRAVITY);
    Pump(100);
    const QImage with = view->Picture();
    Screenshot(frame, "centre-of-gravity");
    // Sixteen segment markers and the whole-body one, a few pixels across each.
    EXPECT_GT(ChangedPixels(without, with), 150);
    // The demo's woman has none: the status bar says why.
    EXPECT_EQ(frame->StatusText(0).toStdString(),
              "Centers of gravity show on adult male Human figures only.");
    frame->RunCommand(ID_BIO_CENTRE_OF_GRAVITY);
    EXPECT_EQ(frame->StatusText(0), "");
}

TEST_F(ViewFixture, CoordinatesShowAndReadInTheDisplayUnit) {
    CPolyface* box = AddBox(doc, Vec3(20, 0, -5), Vec3(40, 40, 5));
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(50);
    frame->Settings().lengthUnit = kCentimetres;
    // The box's middle is at x = 30 in = 76.2 cm.
    const QPointF centre = ProjectedBounds(view, *box).center() / view->devicePixelRatioF();
    QTest::mouseMove(view, centre.toPoint());
    Pump();
    const QString x = frame->StatusText(1);
    EXPECT_TRUE(x.endsWith(" cm")) << x.toStdString();
    EXPECT_NEAR(x.section(':', 1).remove("cm").trimmed().toDouble(), 76.2, 2.0);
    EXPECT_EQ(frame->StatusText(3), "Z : 0 cm");

    CPointDialog dialog(frame, kCentimetres);
    dialog.Field(0)->setText("2.54");
    dialog.Field(1)->setText("-25.4");
    dialog.Field(2)->setText("0");
    dialog.accept();
    EXPECT_NEAR(dialog.Point().x, 1.0, 1e-6);
    EXPECT_NEAR(dialog.Point().y, -10.0, 1e-5);
}
