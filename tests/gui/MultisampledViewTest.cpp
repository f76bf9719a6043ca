#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"
#include "view/SurfaceFormat.h"
#include "view/TavroView.h"
#include "view/ViewFrameSource.h"

#include <GL/gl.h>
#include <QTest>
#include <gtest/gtest.h>

// The views draw with several samples a pixel: picks still find the figure under the cursor,
// and video frames read from a view are the resolved picture the window shows.

namespace {

// Where the middle of a segment's placed vertices shows in the widget.
QPoint WidgetPointOf(CTavroView* view, const CBodyPart& segment) {
    Vec3 middle;
    for (const Vec3& v : segment.worldVertices)
        middle = middle + v / static_cast<double>(segment.worldVertices.size());
    const Vec3 w = view->Renderer().camera.Project(middle);
    const double h = view->Renderer().camera.ViewportHeight();
    return (QPointF(w.x, h - w.y) / view->devicePixelRatioF()).toPoint();
}

} // namespace

TEST(MultisampledView, PicksTheFigureUnderTheCursorAndRecordsTheShownPicture) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    ClearSettings();
    auto app = std::make_unique<CTavroApp>();
    app->InitInstance({}, true); // the demo scene: a man and a woman side by side
    CMainFrame* frame = app->MainFrame();
    frame->resize(1100, 800);
    Pump(300);
    CAppDoc* doc = frame->ActiveDocument();
    CTavroView* view = frame->ActiveView();

    view->makeCurrent();
    GLint samples = 0;
    glGetIntegerv(GL_SAMPLES, &samples);
    view->doneCurrent();
    ASSERT_EQ(samples, kViewSamples) << "Mesa offers multisampled frame buffers";

    std::vector<CMannequin*> figures;
    for (CSceneObject* object : doc->Objects())
        if (object->type == kTypeMannequin)
            figures.push_back(static_cast<CMannequin*>(object));
    ASSERT_EQ(figures.size(), 2u);
    // Each click selects the chest under it, the woman's after the man's and back.
    for (CMannequin* figure : {figures[1], figures[0], figures[1]}) {
        CBodyPart* chest = figure->GetSegment(kChest);
        ASSERT_FALSE(chest->worldVertices.empty());
        QTest::mouseClick(view, Qt::LeftButton, {}, WidgetPointOf(view, *chest));
        Pump();
        EXPECT_EQ(doc->SelectedObject(), chest)
            << "figure of gender " << figure->anthropometry.gender;
    }
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5)); // the background: nothing
    Pump();
    EXPECT_EQ(doc->SelectedObject(), nullptr);
    Pump(100);

    // A video frame of the view holds the same pixels as the window's picture.
    const QImage shown = view->Picture();
    int width = 0, height = 0;
    CViewFrameSource::FrameSize(*view, width, height);
    ASSERT_EQ(QSize(width, height), shown.size());
    const int row = (width * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> frameBytes(static_cast<std::size_t>(row) * height);
    CViewFrameSource source(*view);
    ASSERT_EQ(source.RenderFrame(frameBytes.data(), width, height), 1);
    int different = 0, nonWhite = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* bgr = &frameBytes[(height - 1 - y) * row + x * 3];
            const QColor expected = shown.pixelColor(x, y);
            different += expected != QColor(bgr[2], bgr[1], bgr[0]);
            nonWhite += expected != QColor(Qt::white);
        }
    EXPECT_EQ(different, 0);
    EXPECT_GT(nonWhite, width * height / 20); // the figures and the floor are in it
    Screenshot(view, "multisampled-view");
}
