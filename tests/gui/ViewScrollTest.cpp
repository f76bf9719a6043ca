#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"
#include "view/ViewScrollBars.h"

#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ViewScroll : ViewFixture {
    void SetUp() override {
        ViewFixture::SetUp();
        bars = qobject_cast<CViewScrollBars*>(view->parentWidget());
        ASSERT_NE(bars, nullptr);
        auto* box = new CPolyface;
        box->Build(kShapeBox, {Vec3(-20, 0, -10), Vec3(20, 60, 10)});
        doc->AddObject(box);
        frame->RunCommand(ID_ZOOM_EXTENTS);
        Pump(100);
    }
    // Zoom in twice at the view's middle: the box is then four times larger than the view.
    void ZoomIn() {
        for (int i = 0; i < 2; ++i) {
            frame->RunCommand(ID_ZOOM_IN);
            QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(view->width() / 2, 200));
        }
        Pump(100);
    }
    const CGLCamera& Camera() const { return view->Renderer().camera; }
    // Model inches of one window pixel in the front view.
    double InchesPerPixel() const { return Camera().unitsPerPixel / Camera().zoom; }

    CViewScrollBars* bars = nullptr;
};

} // namespace

TEST_F(ViewScroll, BarsAreDisabledWhileTheWholeSceneIsInView) {
    EXPECT_TRUE(bars->Horizontal()->isVisible());
    EXPECT_TRUE(bars->Vertical()->isVisible());
    EXPECT_FALSE(bars->Horizontal()->isEnabled());
    EXPECT_FALSE(bars->Vertical()->isEnabled());
    EXPECT_EQ(Camera().hPage, Camera().hMax);
}

TEST_F(ViewScroll, BarsFollowTheZoom) {
    ZoomIn();
    Screenshot(frame, "scrolled-view");
    const CGLCamera& camera = Camera();
    QScrollBar* h = bars->Horizontal();
    QScrollBar* v = bars->Vertical();
    EXPECT_TRUE(h->isEnabled());
    EXPECT_TRUE(v->isEnabled());
    // The page is the part of the projected scene that the view shows.
    const double shown = view->width() / (camera.screenMax.x - camera.screenMin.x);
    EXPECT_NEAR(camera.hPage, shown * camera.hMax, 1.0);
    EXPECT_EQ(h->pageStep(), camera.hPage);
    EXPECT_EQ(h->maximum(), camera.hMax - camera.hPage);
    EXPECT_EQ(h->value(), camera.hPos);
    EXPECT_EQ(v->pageStep(), camera.vPage);
    EXPECT_EQ(v->value(), camera.vPos);
    // Centred on the box horizontally: the thumb lies in the middle of its track.
    EXPECT_NEAR(h->value(), h->maximum() / 2.0, 2.0);

    frame->RunCommand(ID_ZOOM_OUT);
    frame->RunCommand(ID_ZOOM_OUT);
    Pump(100);
    EXPECT_FALSE(h->isEnabled());
}

TEST_F(ViewScroll, LineAndPageStepsPanByAFixedShareOfTheView) {
    ZoomIn();
    const Vec3 centre = Camera().viewCentre;
    const int w = view->width(), h = view->height();

    bars->Horizontal()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(Camera().viewCentre.x - centre.x, (w / 20) * InchesPerPixel(), 1e-6);
    EXPECT_NEAR(Camera().viewCentre.y, centre.y, 1e-6);
    Pump(100);
    const int hPos = bars->Horizontal()->value();

    bars->Horizontal()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_NEAR(Camera().viewCentre.x - centre.x, (w / 20 - w / 2) * InchesPerPixel(), 1e-6);
    Pump(100);
    EXPECT_LT(bars->Horizontal()->value(), hPos); // the thumb follows the view

    // Down the vertical bar the view moves down the scene: model y falls.
    const Vec3 before = Camera().viewCentre;
    bars->Vertical()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(Camera().viewCentre.y - before.y, -(h / 20) * InchesPerPixel(), 1e-6);
    bars->Vertical()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_NEAR(Camera().viewCentre.y - before.y, (h / 2 - h / 20) * InchesPerPixel(), 1e-6);
    EXPECT_NEAR(Camera().viewCentre.x, before.x, 1e-6);
}

TEST_F(ViewScroll, DraggingTheThumbPansAtItsRelease) {
    ZoomIn();
    const CGLCamera& camera = Camera();
    QScrollBar* bar = bars->Horizontal();
    const Vec3 centre = camera.viewCentre;
    const int w = view->width();
    bar->setSliderDown(true);
    bar->setSliderPosition(0);
    EXPECT_EQ(camera.viewCentre, centre); // only the thumb moves while it is dragged
    bar->setSliderDown(false);
    // Thumb at the start of its track: the view's left edge at the scene's left edge.
    const double target = camera.screenMin.x + w / 2.0;
    EXPECT_NEAR(camera.viewCentre.x - centre.x, (target - camera.centreWindow.x) * InchesPerPixel(),
                1e-6);
    Pump(100);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_NEAR(camera.screenMin.x, 0.0, 1.0);
}
