#include "RenderTestSupport.h"

#include "human/Mannequin.h"
#include "human/Representation.h"
#include "render/Image.h"

#include <cstdlib>

namespace {

// A figure built from the shipped mesh, limits and postures, drawn in the front view.
class ShippedFigurePictureTest : public OffscreenTest {
protected:
    void SetUp() override {
        setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
        OffscreenTest::SetUp();
        figure = Add(new CMannequin());
        figure->anthropometry.gender = kMale;
        ASSERT_EQ(figure->LoadMesh(kRepresentationHuman, reporter), 1);
        ASSERT_EQ(figure->ReadLimits(reporter), 1);
        figure->UpdatePosture();
        BoundingBox box;
        figure->CollectBounds(box);
        ASSERT_EQ(render->ZoomToExtents(box.min, box.max), 1);
        render->SetRenderMode(RENDER_SHADED);
    }
    void Save(const CImage& image, const char* name) {
        if (const char* dir = std::getenv("TAVRONA_SCREENSHOTS"))
            WritePng(image, std::string(dir) + "/" + name);
    }
    CMannequin* figure = nullptr;
};

int CountNonWhite(const CImage& image) {
    int count = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            count += image.PixelAt(x, y) != kWhite;
    return count;
}

TEST_F(ShippedFigurePictureTest, StandingFigureFillsTheViewHeadUp) {
    const CImage image = Frame();
    Save(image, "figure-standing.png");
    EXPECT_GT(CountNonWhite(image), kWidth * kHeight / 20);
    // The head's joint is drawn above the feet's.
    Matrix4 head, foot;
    figure->GetSegmentFrame(kHead, head);
    figure->GetSegmentFrame(kLeftFoot, foot);
    int hx, hy, fx, fy;
    PixelOf(TranslationOf(head), hx, hy);
    PixelOf(TranslationOf(foot), fx, fy);
    EXPECT_LT(hy, fy);
}

// Seen from the side, the stoop lift (posture 8) folds the trunk forward over legs that stay
// standing: the head leaves its place, the feet keep theirs.
TEST_F(ShippedFigurePictureTest, StoopLiftFoldsTheTrunkOverStandingLegs) {
    render->SetViewType(VIEW_RIGHT);
    auto jointPixel = [&](int segment, int& x, int& y) {
        Matrix4 frame;
        figure->GetSegmentFrame(segment, frame);
        PixelOf(TranslationOf(frame), x, y);
    };
    int headX, headY, footX, footY;
    jointPixel(kHead, headX, headY);
    jointPixel(kRightFoot, footX, footY);
    const CImage standing = Frame();
    EXPECT_NE(standing.PixelAt(headX, headY), kWhite);

    ASSERT_EQ(figure->ApplyStandardPosture(8), 1);
    const CImage stooped = Frame();
    Save(stooped, "figure-stoop-lift-side.png");
    EXPECT_EQ(stooped.PixelAt(headX, headY), kWhite);
    int x, y;
    jointPixel(kRightFoot, x, y);
    EXPECT_EQ(x, footX);
    EXPECT_EQ(y, footY);
    EXPECT_NE(stooped.PixelAt(footX, footY), kWhite);
    // The trunk lies forward: the head is further out from the feet than the lower back and
    // no longer above the chest's joint.
    int chestX, chestY;
    jointPixel(kChest, chestX, chestY);
    jointPixel(kHead, headX, headY);
    EXPECT_GT(std::abs(headX - footX), std::abs(chestX - footX) + 20);
    EXPECT_LT(chestY - headY, 20);
}

} // namespace
