#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"
#include "view/XorDrawing.h"

#include <gtest/gtest.h>

// Lines are drawn into one bitmap before it is combined with the picture, so a line drawn twice
// still shows once.
TEST(SelectionOverlay, CoincidentLinesStayDrawn) {
    QRect bounds;
    const QImage bitmap = XorBitmap(
        {QLine(10, 20, 50, 20), QLine(10, 20, 50, 20), QLine(30, 5, 30, 40)}, 100, 100, bounds);
    EXPECT_EQ(bounds, QRect(QPoint(10, 5), QPoint(50, 40)));
    EXPECT_EQ(bitmap.pixelColor(QPoint(20, 20) - bounds.topLeft()), QColor(0, 255, 255));
    EXPECT_EQ(bitmap.pixelColor(QPoint(30, 20) - bounds.topLeft()), QColor(0, 255, 255));
    EXPECT_EQ(bitmap.pixelColor(QPoint(20, 30) - bounds.topLeft()), QColor(Qt::black));
    // Lines beyond the window are clipped to it.
    XorBitmap({QLine(-50, 10, 500, 10)}, 100, 100, bounds);
    EXPECT_EQ(bounds, QRect(0, 10, 100, 1));
}

// In rotate mode a selected segment shows all the edges of its box, also in a front view where
// the front and back edges of the box fall on the same pixels.
using SelectionOverlayView = ViewFixture;

TEST_F(SelectionOverlayView, SelectedSegmentShowsItsBox) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    CMannequin* figure = AddFigure(doc, frame);
    frame->RunCommand(ID_ZOOM_EXTENTS);
    Pump(100);
    figure->GetSegment(kChest)->Select();
    view->Redraw();
    Pump(100);
    const QImage plain = view->Picture();

    frame->RunCommand(ID_MODE_ROTATE);
    Pump(100);
    const QImage shown = view->Picture();
    Screenshot(frame, "selection-overlay");
    const std::vector<QLine>& lines = view->Overlay().Lines();
    ASSERT_EQ(lines.size(), 12u);
    int drawn = 0;
    for (const QLine& line : lines) {
        if (std::abs(line.dx()) + std::abs(line.dy()) < 8)
            continue; // an edge along the line of sight is a point
        const QPoint middle = line.center();
        EXPECT_NE(shown.pixelColor(middle), plain.pixelColor(middle))
            << line.x1() << "," << line.y1();
        ++drawn;
    }
    EXPECT_EQ(drawn, 8);
}
