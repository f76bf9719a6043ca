#include "RenderTestSupport.h"

#include "../core/FigureFixture.h"
#include "human/EyePoints.h"
#include "human/Mannequin.h"
#include "render/Image.h"

#include <cmath>
#include <cstdlib>

namespace {

// Loose colour tests for lit surfaces.
bool Magentaish(int c) {
    return RedOf(c) > GreenOf(c) + 60 && BlueOf(c) > GreenOf(c) + 60;
}
bool Blueish(int c) {
    return BlueOf(c) > 2 * RedOf(c) + 20 && BlueOf(c) > 2 * GreenOf(c) + 20;
}

void Screenshot(const CImage& image, const char* name) {
    if (const char* dir = std::getenv("TAVRONA_SCREENSHOTS"))
        WritePng(image, std::string(dir) + "/" + name + ".png");
}

// The fixture figure of 2-inch boxes standing 5 inches up: head joint (0, 35, 0), eyes at the
// head box's vertices 2 and 3, (-2, 2, -2) and (2, 2, -2), so the eye centre is (0, 37, -2).
class AnalysisShapeDrawTest : public OffscreenTest {
protected:
    void SetUp() override {
        OffscreenTest::SetUp();
        figure = Add(MakeFixtureFigure().release());
        figure->transform = Translation(Vec3(0, 5, 0));
        for (int n = 0; n < kSegmentCount; ++n) {
            GiveBoxMesh(*figure->GetSegment(n), 2.0);
            figure->GetSegment(n)->colour = PackRGB(160, 160, 160);
        }
        figure->UpdatePosture();
        render->SetRenderMode(RENDER_SHADED);
        render->camera.zoom = 0.75; // 3 pixels per inch
    }
    CMannequin* figure = nullptr;
};

// Seen from the side, the optimum cone reaches out in front of the face: 40 inches ahead and
// 8 below the eyes lies inside it (its upper edge is level with the eyes, its lower edge falls
// at 30 degrees), where the background showed before.
TEST_F(AnalysisShapeDrawTest, OptimumConeShowsInFrontOfTheFace) {
    render->SetViewType(VIEW_RIGHT);
    int x, y;
    PixelOf(Vec3(0, 29, 38), x, y);
    const CImage plain = Frame();
    EXPECT_EQ(plain.PixelAt(x, y), kWhite);

    figure->ShowViewCone(kViewConeOptimum);
    const CImage shown = Frame();
    Screenshot(shown, "view-cone-side");
    EXPECT_TRUE(Magentaish(shown.PixelAt(x, y))) << std::hex << shown.PixelAt(x, y);
    // Above the eyes and behind the head nothing changed.
    PixelOf(Vec3(0, 45, 38), x, y);
    EXPECT_EQ(shown.PixelAt(x, y), kWhite);
    PixelOf(Vec3(0, 37, -30), x, y);
    EXPECT_EQ(shown.PixelAt(x, y), kWhite);

    // A click on the cone picks its figure.
    PixelOf(Vec3(0, 29, 38), x, y);
    render->SetPickPoint(x, y);
    ASSERT_EQ(render->RenderObjectList(objects, PICK_SELECT, 1, 1), 1);
    EXPECT_EQ(figure->selected, 1);
}

// From the figure's own eyes the cones are left out: the picture is the same with and without.
TEST_F(AnalysisShapeDrawTest, EyeViewLeavesTheConesOut) {
    Vec3 eye, target, up;
    ASSERT_EQ(EyePoints(*figure, eye, target, up), 1);
    render->camera.SetEyePoints(eye, target, up);
    render->SetViewType(VIEW_EYE);
    // Something to see ahead.
    Add(new CTestSquare(0, 30, 60, 10, PackRGB(255, 0, 0)));
    const CImage plain = Frame();
    figure->ShowViewCone(kViewConeMaximum);
    const CImage shown = Frame();
    ASSERT_EQ(plain.width, shown.width);
    ASSERT_EQ(plain.height, shown.height);
    EXPECT_EQ(plain.rgb, shown.rgb);
    // The same cones do show from the front.
    render->SetViewType(VIEW_FRONT);
    const CImage front = Frame();
    figure->HideViewCone();
    EXPECT_NE(Frame().rgb, front.rgb);
}

// From the front, the right hand's volume spreads from the shoulder joint (-8, 27, 0) out to
// the figure's right: at theta 90, phi -45 its vertex lies R sin 45 to the side, level with the
// shoulder, where R = 3 x 2 sqrt 3 (vertex 1 of each 2-inch box).
TEST_F(AnalysisShapeDrawTest, RightHandRangeVolumeShowsBesideTheFigure) {
    render->SetViewType(VIEW_FRONT);
    const double r = 6 * std::sqrt(3.0);
    // The shoulder box's vertex 0 (-2, -2, -2) places the volume's centre.
    const Vec3 side(-8 - 2 - r * std::sqrt(0.5), 27 - 2, 0);
    int x, y;
    PixelOf(side, x, y);
    EXPECT_EQ(Frame().PixelAt(x, y), kWhite);
    figure->ShowRangeVolume(kRangeRightHand);
    const CImage shown = Frame();
    Screenshot(shown, "range-volume-front");
    EXPECT_TRUE(Blueish(shown.PixelAt(x, y))) << std::hex << shown.PixelAt(x, y);
    // Its mirror image on the left stays empty.
    PixelOf(Vec3(-side.x, side.y, 0), x, y);
    EXPECT_EQ(shown.PixelAt(x, y), kWhite);
}

} // namespace
