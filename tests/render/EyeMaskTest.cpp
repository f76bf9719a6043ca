#include "RenderTestSupport.h"

#include "render/EyeMask.h"

#include <cmath>

namespace {

TEST(EyeMaskOutlineTest, OutlinesFollowTheVisualFieldTable) {
    const auto& outer = OuterFieldOutline();
    const auto& inner = InnerFieldOutline();
    ASSERT_EQ(outer.size(), 84u);
    ASSERT_EQ(inner.size(), 79u);
    // 90 degrees of eccentricity is 500 units; point 0 of the outer outline is (0 deg, 88 deg).
    EXPECT_NEAR(outer[0].x, 500.0 * 88 / 90, 1e-9);
    EXPECT_NEAR(outer[0].y, 0.0, 1e-9);
    // Outer point 36: (90 deg, 79.5 deg), straight up.
    EXPECT_NEAR(outer[36].x, 0.0, 1e-6);
    EXPECT_NEAR(outer[36].y, 500.0 * 79.5 / 90, 1e-6);
    // Outer point 78: (270 deg, 49 deg), straight down.
    EXPECT_NEAR(outer[78].y, -500.0 * 49 / 90, 1e-6);
    // Inner point 24: (92.5 deg, 79.5 deg).
    EXPECT_NEAR(std::hypot(inner[24].x, inner[24].y), 500.0 * 79.5 / 90, 1e-6);
    EXPECT_LT(inner[24].x, 0.0);
    // The direction angle grows all the way round (the fan fill relies on it).
    for (const auto* outline : {&outer, &inner}) {
        double previous = -1.0;
        for (const CFieldPoint& p : *outline) {
            double angle = std::atan2(p.y, p.x);
            if (angle < -1e-12)
                angle += 2 * M_PI;
            EXPECT_GT(angle, previous);
            previous = angle;
        }
    }
    int set = 0;
    for (std::uint8_t byte : MonocularStipple())
        for (int bit = 0; bit < 8; ++bit)
            set += (byte >> bit) & 1;
    EXPECT_EQ(set, 1024 * 28 / 32);
}

using EyeMaskTest = OffscreenTest;

TEST_F(EyeMaskTest, MaskKeepsTheCentreDotsTheBandAndBlackensTheCorners) {
    render->camera.SetEyePoints(Vec3(0, 0, 100), Vec3(0, 0, 0), Vec3(0, 1, 100));
    render->SetViewType(VIEW_EYE);
    ASSERT_EQ(render->SetupStencil(), 1);
    const CImage image = Frame();
    const int cx = kWidth / 2, cy = kHeight / 2;
    EXPECT_EQ(image.PixelAt(cx, cy), kWhite);
    EXPECT_EQ(image.PixelAt(cx + 100, cy), kWhite); // inside the inner outline (111 px)
    for (int x : {0, kWidth - 1})
        for (int y : {0, kHeight - 1})
            EXPECT_EQ(image.PixelAt(x, y), kBlack);
    // A wide window: the outline stays round and the sides turn black.
    EXPECT_EQ(image.PixelAt(cx + 160, cy), kBlack);
    EXPECT_EQ(image.PixelAt(cx - 160, cy), kBlack);
    // Between the outlines (112 to 146 px right of the centre) one pixel in eight is black.
    int black = 0, total = 0;
    for (int y = cy - 8; y <= cy + 8; ++y)
        for (int x = cx + 118; x <= cx + 140; ++x) {
            ++total;
            const int c = image.PixelAt(x, y);
            EXPECT_TRUE(c == kBlack || c == kWhite);
            black += c == kBlack;
        }
    EXPECT_NEAR(static_cast<double>(black) / total, 0.125, 0.04);
}

TEST_F(EyeMaskTest, ResizedEyeViewRebuildsTheMaskForTheNewSize) {
    render->camera.SetEyePoints(Vec3(0, 0, 100), Vec3(0, 0, 0), Vec3(0, 1, 100));
    render->SetViewType(VIEW_EYE);
    ASSERT_EQ(render->SetupStencil(), 1);
    render->SetViewRect(200, 150); // the lower left quarter of the buffer
    ASSERT_EQ(render->RenderObjectList(objects, PICK_NONE, 1, 1), 1);
    CImage image;
    ASSERT_EQ(render->ReadImage(image), 1);
    ASSERT_EQ(image.width, 200);
    EXPECT_EQ(image.PixelAt(100, 75), kWhite);      // the new centre
    EXPECT_EQ(image.PixelAt(100 + 50, 75), kWhite); // inside the inner outline (56 px)
    EXPECT_EQ(image.PixelAt(100 + 80, 75), kBlack); // beyond the outer one (73 px)
    EXPECT_EQ(image.PixelAt(0, 0), kBlack);
}

TEST_F(EyeMaskTest, OtherViewsAreNotMasked) {
    render->camera.SetEyePoints(Vec3(0, 0, 100), Vec3(0, 0, 0), Vec3(0, 1, 100));
    render->SetViewType(VIEW_EYE);
    ASSERT_EQ(render->SetupStencil(), 1);
    render->SetViewType(VIEW_FRONT);
    EXPECT_EQ(Frame().PixelAt(0, 0), kWhite);
}

} // namespace
