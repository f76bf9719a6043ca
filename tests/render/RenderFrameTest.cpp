#include "RenderTestSupport.h"

#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "render/Image.h"

#include "../support/ChildProcess.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <sys/resource.h>

namespace {

using RenderFrameTest = OffscreenTest;

TEST_F(RenderFrameTest, EmptySceneIsWhiteInEveryMode) {
    for (int mode : {RENDER_WIREFRAME, RENDER_HIDDEN, RENDER_SHADED}) {
        render->SetRenderMode(mode);
        const CImage image = Frame();
        ASSERT_EQ(image.width, kWidth);
        ASSERT_EQ(image.height, kHeight);
        int nonWhite = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                nonWhite += image.PixelAt(x, y) != kWhite;
        EXPECT_EQ(nonWhite, 0) << "mode " << mode;
    }
}

TEST_F(RenderFrameTest, ReferentialAxesAppearWhereTheCameraPutsThem) {
    settings.showSceneReferential = 1;
    render->SetRenderMode(RENDER_HIDDEN);
    render->camera.zoom = 4.0; // 8-inch arrows become 128 pixels long
    struct Case {
        int view;
        Vec3 onX, onY, onZ; // points on the shafts (inches)
    };
    const Vec3 x(3, 0, 0), y(0, 3, 0), z(0, 0, 3);
    for (int view : {VIEW_FRONT, VIEW_TOP, VIEW_RIGHT, VIEW_USER}) {
        render->SetViewType(view);
        if (view == VIEW_USER)
            render->camera.SetUserVectors(Vec3(1, 1, 1), Vec3(0, 1, 0));
        const CImage image = Frame();
        int px, py;
        // An axis seen end-on hides behind its own arrow head; only the others are checked.
        if (view != VIEW_RIGHT) {
            PixelOf(x, px, py);
            EXPECT_TRUE(IsRed(image.PixelAt(px, py)))
                << "view " << view << " x " << std::hex << image.PixelAt(px, py);
        }
        if (view != VIEW_TOP) {
            PixelOf(y, px, py);
            EXPECT_TRUE(IsGreen(image.PixelAt(px, py))) << "view " << view << " y";
        }
        if (view != VIEW_FRONT) {
            PixelOf(z, px, py);
            EXPECT_TRUE(IsBlue(image.PixelAt(px, py))) << "view " << view << " z";
        }
    }
    // Independent of the projection code: in the front view +X is to the right of the window
    // centre and +Y above it (3 inches at zoom 4 are 48 pixels).
    render->SetViewType(VIEW_FRONT);
    const CImage front = Frame();
    EXPECT_TRUE(IsRed(front.PixelAt(kWidth / 2 + 48, kHeight / 2)));
    EXPECT_TRUE(IsGreen(front.PixelAt(kWidth / 2, kHeight / 2 - 48)));
    EXPECT_EQ(front.PixelAt(kWidth / 2 - 48, kHeight / 2), kWhite);
}

TEST_F(RenderFrameTest, PolyfaceHidesPolylineInHiddenSurfaceModeOnly) {
    // A blue polyline 10 inches behind a magenta rectangle that covers the window centre.
    CPolyline* line = Add(new CPolyline());
    line->Build(kShapeLine, {Vec3(-60, 0, -10), Vec3(60, 0, -10)});
    CPolyface* face = Add(new CPolyface());
    face->Build(kShapeRectangle, {Vec3(-20, -20, 0), Vec3(20, 20, 0)});
    int cx, cy, ex, ey;
    PixelOf(Vec3(0, 0, -10), cx, cy);
    PixelOf(Vec3(50, 0, -10), ex, ey); // on the line, outside the rectangle

    render->SetRenderMode(RENDER_WIREFRAME);
    CImage image = Frame();
    EXPECT_TRUE(AnyPixelNear(image, cx, cy, 1, IsBluish));
    EXPECT_TRUE(AnyPixelNear(image, ex, ey, 1, IsBluish));

    render->SetRenderMode(RENDER_HIDDEN);
    image = Frame();
    EXPECT_FALSE(AnyPixelNear(image, cx, cy, 2, [](int c) { return c != kWhite; }));
    EXPECT_TRUE(AnyPixelNear(image, ex, ey, 1, IsBluish));
    // The rectangle's own edges stay visible on top of its white filling.
    int sx, sy;
    PixelOf(Vec3(-20, 0, 0), sx, sy);
    EXPECT_TRUE(AnyPixelNear(image, sx, sy, 1, IsMagentaish));
}

TEST_F(RenderFrameTest, SelectedObjectChangesColour) {
    CPolyface* face = Add(new CPolyface()); // magenta
    face->Build(kShapeRectangle, {Vec3(-20, -20, 0), Vec3(20, 20, 0)});
    render->SetRenderMode(RENDER_SHADED);
    int c = Frame().PixelAt(kWidth / 2, kHeight / 2);
    EXPECT_GT(RedOf(c), 100);
    EXPECT_EQ(GreenOf(c), 0);
    EXPECT_GT(BlueOf(c), 100);
    face->Select(); // olive (155, 155, 0)
    c = Frame().PixelAt(kWidth / 2, kHeight / 2);
    EXPECT_GT(RedOf(c), 100);
    EXPECT_GT(GreenOf(c), 100);
    EXPECT_EQ(BlueOf(c), 0);
    EXPECT_EQ(RedOf(c), GreenOf(c));
}

TEST_F(RenderFrameTest, FloorIsDrawnEvenWithoutObjects) {
    settings.showSceneFloor = 1;
    render->SetRenderMode(RENDER_SHADED);
    render->SetViewType(VIEW_TOP);
    EXPECT_NE(Frame().PixelAt(kWidth / 2 + 5, kHeight / 2 + 5), kWhite);
    render->SetViewType(VIEW_FRONT); // seen edge-on the floor is a line through the centre
    const CImage image = Frame();
    EXPECT_EQ(image.PixelAt(kWidth / 2, kHeight / 2 - 10), kWhite);
}

TEST_F(RenderFrameTest, TextDrawsGlyphsAndNothingForEmptyOrNullText) {
    render->SetRenderMode(RENDER_SHADED);
    Add(new CTestLabel(*render, "", 20.0));
    Add(new CTestLabel(*render, nullptr, 20.0));
    CImage image = Frame();
    EXPECT_EQ(image.PixelAt(kWidth / 2 + 10, kHeight / 2 - 10), kWhite);
    // "HH" of 20 inches (em) starts at the origin and runs to the right and up.
    Add(new CTestLabel(*render, "HH", 20.0));
    image = Frame();
    int dark = 0;
    for (int y = kHeight / 2 - 70; y < kHeight / 2; ++y)
        for (int x = kWidth / 2; x < kWidth / 2 + 140; ++x)
            dark += image.PixelAt(x, y) != kWhite;
    EXPECT_GT(dark, 500);
    int left = 0; // nothing left of the origin
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth / 2 - 2; ++x)
            left += image.PixelAt(x, y) != kWhite;
    EXPECT_EQ(left, 0);
}

TEST_F(RenderFrameTest, GeometryIsCompiledOnlyWhenTheObjectChanges) {
    CTestSquare* square = Add(new CTestSquare(0, 0, 0, 20, PackRGB(255, 0, 255)));
    render->SetRenderMode(RENDER_HIDDEN);
    const CImage first = Frame();
    EXPECT_EQ(square->emits, 1); // both passes of the first frame share one compilation
    const CImage second = Frame();
    EXPECT_EQ(square->emits, 1);
    EXPECT_EQ(first.rgb, second.rgb);
    square->half = 30;
    square->Invalidate();
    render->SetRenderMode(RENDER_SHADED);
    const CImage third = Frame();
    EXPECT_EQ(square->emits, 2);
    EXPECT_NE(third.PixelAt(kWidth / 2 + 100, kHeight / 2), kWhite); // 25 inches out: now inside
    // Selection changes the colour, which lies outside the compiled list: the picture follows
    // without a new compilation.
    square->Select();
    EXPECT_GT(GreenOf(Frame().PixelAt(kWidth / 2, kHeight / 2)), 100);
    EXPECT_EQ(square->emits, 2);
}

TEST_F(RenderFrameTest, PngFileHoldsTheFrame) {
    Add(new CTestSquare(0, 0, 0, 20, PackRGB(255, 0, 255)));
    render->SetRenderMode(RENDER_HIDDEN);
    const CImage image = Frame();
    const std::string path = ::testing::TempDir() + "render_frame_test.png";
    ASSERT_EQ(WritePng(image, path), 1);

    // A disk that fills while the next picture is written keeps the previous one whole.
    CImage noise{64, 64, std::vector<std::uint8_t>(64 * 64 * 3)};
    std::mt19937 random(7);
    for (std::uint8_t& channel : noise.rgb)
        channel = static_cast<std::uint8_t>(random());
    const std::uintmax_t previousSize = std::filesystem::file_size(path);
    EXPECT_EQ(RunInChild([&] {
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit full{1000, 1000};
                  ::setrlimit(RLIMIT_FSIZE, &full);
                  return WritePng(noise, path);
              }),
              0);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), previousSize);

    FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    unsigned char header[24];
    ASSERT_EQ(std::fread(header, 1, sizeof header, file), sizeof header);
    std::fclose(file);
    std::remove(path.c_str());
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_EQ(std::memcmp(header, signature, 8), 0);
    // IHDR width and height, big-endian.
    EXPECT_EQ((header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19], kWidth);
    EXPECT_EQ((header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23], kHeight);
    EXPECT_EQ(WritePng(image, "/nonexistent-dir/x.png"), 0);
}

} // namespace
