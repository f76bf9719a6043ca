#include "RenderTestSupport.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

struct Picture {
    CImage image;
    std::vector<std::uint8_t> videoFrame; // the same frame as a video recording reads it
    int samples = 0;
};

// A square seen from the front, turned 30 degrees about the viewing axis so that its edges cross
// the pixel rows at a slant; shaded, so that it is one flat colour.
Picture DrawTurnedSquare(int samplesAsked) {
    CGlobalSettings settings;
    CRecordingReporter reporter;
    CEglContext context(kWidth, kHeight, samplesAsked);
    CGLRender render(settings, reporter);
    Picture picture;
    EXPECT_EQ(render.InitOffscreenRender(&context, nullptr, kWidth, kHeight), 1);
    render.SetRenderMode(RENDER_SHADED);
    CTestSquare square(0, 0, 0, 20, PackRGB(200, 0, 0));
    square.transform = RotationZ(30.0);
    CObjectList objects;
    objects.Append(&square);
    EXPECT_EQ(render.RenderObjectList(objects, PICK_NONE, 1, 0), 1);
    EXPECT_EQ(render.ReadImage(picture.image), 1);
    picture.videoFrame.resize(static_cast<std::size_t>(kWidth) * kHeight * 3);
    EXPECT_EQ(render.ReadFramePixels(picture.videoFrame.data(), kWidth, kHeight), 1);
    objects.Clear();
    picture.samples = context.Samples();
    return picture;
}

// Pixels that are neither the background nor the square's colour, and whether each of them
// lies between the two channel by channel, as a share of covered samples does.
void CountBlends(const CImage& image, int fill, int& blends, int& strays) {
    blends = strays = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const int c = image.PixelAt(x, y);
            if (c == kWhite || c == fill)
                continue;
            ++blends;
            const bool between = RedOf(c) >= RedOf(fill) - 1 && GreenOf(c) >= GreenOf(fill) - 1 &&
                                 BlueOf(c) >= BlueOf(fill) - 1;
            strays += !between;
        }
}

TEST(AntiAliasing, SlantedEdgesAreBlendedOnlyWhenMultisampled) {
    const Picture smooth = DrawTurnedSquare(CEglContext::kDefaultSamples);
    const Picture hard = DrawTurnedSquare(0);
    ASSERT_EQ(smooth.samples, CEglContext::kDefaultSamples) << "Mesa offers 4 samples";
    ASSERT_EQ(hard.samples, 0);
    const int fill = hard.image.PixelAt(kWidth / 2, kHeight / 2);
    ASSERT_NE(fill, kWhite);
    EXPECT_EQ(smooth.image.PixelAt(kWidth / 2, kHeight / 2), fill); // interiors are unchanged

    // The square is 40 in across at 4 pixels an inch: its four edges cross about 4 x 160 pixel
    // rows or columns, and a slanted edge covers part of most pixels it crosses.
    int blends = 0, strays = 0;
    CountBlends(smooth.image, fill, blends, strays);
    EXPECT_GT(blends, 320);
    EXPECT_LT(blends, 4 * 160 * 3);
    EXPECT_EQ(strays, 0);
    CountBlends(hard.image, fill, blends, strays);
    EXPECT_EQ(blends, 0);

    // Video frames read the same resolved pixels (blue-green-red, bottom row first).
    for (const Picture* p : {&smooth, &hard})
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; x += 7) {
                const std::uint8_t* bgr = &p->videoFrame[((kHeight - 1 - y) * kWidth + x) * 3];
                ASSERT_EQ(PackRGB(bgr[2], bgr[1], bgr[0]), p->image.PixelAt(x, y))
                    << x << "," << y << " samples " << p->samples;
            }
}

TEST(AntiAliasing, MoreSamplesThanTheDriverHasFallBackToItsMost) {
    const Picture most = DrawTurnedSquare(1024);
    EXPECT_GE(most.samples, CEglContext::kDefaultSamples);
    EXPECT_LT(most.samples, 1024);
    EXPECT_NE(most.image.PixelAt(kWidth / 2, kHeight / 2), kWhite);
    // One sample asked is single-sample drawing.
    EXPECT_EQ(DrawTurnedSquare(1).samples, 0);
}

} // namespace
