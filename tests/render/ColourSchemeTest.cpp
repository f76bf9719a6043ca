#include "RenderTestSupport.h"

#include "../support/SkinTone.h"

#include "core/ColourPalette.h"
#include "core/GLPrimitives.h"
#include "human/Mannequin.h"
#include "human/NaturalColours.h"
#include "human/Representation.h"
#include "render/SoftLighting.h"

#include <cmath>
#include <cstdlib>

namespace {

bool IsSkin(int c) {
    return IsSkinTone(RedOf(c), GreenOf(c), BlueOf(c));
}

// Whether the pixel is `colour` under white light: each channel the same share of the colour's
// (shading scales a colour, it does not turn it).
bool IsShadeOf(int pixel, int colour) {
    const int channels[3][2] = {{RedOf(pixel), RedOf(colour)},
                                {GreenOf(pixel), GreenOf(colour)},
                                {BlueOf(pixel), BlueOf(colour)}};
    int brightest = 0;
    for (int i = 1; i < 3; ++i)
        if (channels[i][1] > channels[brightest][1])
            brightest = i;
    const double share = double(channels[brightest][0]) / channels[brightest][1];
    if (share < 0.2)
        return false; // too dark to tell
    for (const auto& [seen, defined] : channels)
        if (std::abs(seen - share * defined) > 10)
            return false;
    return true;
}

// The shipped male figure standing in the front view, shaded.
class ColourSchemeTest : public OffscreenTest {
protected:
    void SetUp() override {
        setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
        OffscreenTest::SetUp();
        figure = Add(new CMannequin());
        figure->anthropometry.gender = kMale;
        ASSERT_EQ(figure->LoadMesh(kRepresentationHuman, reporter), 1);
        figure->UpdatePosture();
        BoundingBox box;
        figure->CollectBounds(box);
        ASSERT_EQ(render->ZoomToExtents(box.min, box.max), 1);
        render->SetRenderMode(RENDER_SHADED);
    }
    // Pixel where the middle of a segment's vertices lands: inside its front face.
    int SegmentPixel(const CImage& image, int segment) {
        Vec3 sum;
        const auto& vertices = figure->GetSegment(segment)->worldVertices;
        for (const Vec3& v : vertices)
            sum = sum + v;
        int x, y;
        PixelOf(sum * (1.0 / vertices.size()), x, y);
        return image.PixelAt(x, y);
    }
    void Save(const CImage& image, const char* name) {
        if (const char* dir = std::getenv("TAVRONA_SCREENSHOTS"))
            WritePng(image, std::string(dir) + "/" + name);
    }
    CMannequin* figure = nullptr;
};

TEST_F(ColourSchemeTest, NaturalDressesTheFigureWhereThePaletteKeepsItsColours) {
    // The palette of the mesh loader: head index 1, thigh 9, chest 3.
    const CImage palette = Frame();
    EXPECT_TRUE(IsShadeOf(SegmentPixel(palette, kHead), PaletteColour(1)));
    EXPECT_TRUE(IsShadeOf(SegmentPixel(palette, kLeftLeg), PaletteColour(9)));
    EXPECT_TRUE(IsShadeOf(SegmentPixel(palette, kChest), PaletteColour(3)));
    EXPECT_FALSE(IsSkin(SegmentPixel(palette, kHead)));

    settings.colourScheme = COLOURS_NATURAL;
    const CImage natural = Frame();
    Save(natural, "natural-front.png");
    const int head = SegmentPixel(natural, kHead);
    const int thigh = SegmentPixel(natural, kLeftLeg);
    const int chest = SegmentPixel(natural, kChest);
    EXPECT_TRUE(IsSkin(head)) << std::hex << head;
    EXPECT_TRUE(IsSkin(SegmentPixel(natural, kRightForearm)));
    EXPECT_TRUE(IsShadeOf(thigh, NaturalSegmentColour(kLeftLeg, true, kRepresentationHuman)))
        << std::hex << thigh;
    EXPECT_TRUE(IsShadeOf(chest, NaturalSegmentColour(kChest, true, kRepresentationHuman)))
        << std::hex << chest;
    EXPECT_FALSE(IsSkin(thigh));
    EXPECT_FALSE(IsSkin(chest));
    // Only the drawing changed: the stored colours files keep are the palette's.
    EXPECT_EQ(figure->GetSegment(kHead)->colour, PaletteColour(1));
    EXPECT_EQ(figure->GetSegment(kLeftLeg)->colour, PaletteColour(9));

    // A selected segment stands out from skin and cloth.
    figure->GetSegment(kHead)->selected = 1;
    figure->GetSegment(kLeftLeg)->selected = 1;
    const CImage selected = Frame();
    Save(selected, "natural-selected.png");
    EXPECT_TRUE(IsShadeOf(SegmentPixel(selected, kHead), kNaturalSelectedColour));
    EXPECT_TRUE(IsShadeOf(SegmentPixel(selected, kLeftLeg), kNaturalSelectedColour));
    EXPECT_FALSE(IsSkin(SegmentPixel(selected, kHead)));
}

// A grey ball in the front view: eye coordinates are screen right, screen up and towards the
// viewer, so the normal at each pixel of the ball is known and Lambert's law gives its shade.
class CGreyBall : public CSceneObject {
public:
    static constexpr int kGrey = 200;
    CGreyBall() { colour = PackRGB(kGrey, kGrey, kGrey); }
    void Draw(bool, int) override {
        GLSetColour(colour);
        GLSolidSphere(kRadius, 96, 96);
    }
    static constexpr double kRadius = 10.0;
};

TEST_F(ColourSchemeTest, FillLightReachesTheSideTheKeyLightMisses) {
    objects.Clear();
    Add(new CGreyBall());
    render->ZoomToExtents(Vec3(-12, -12, -12), Vec3(12, 12, 12));
    settings.colourScheme = COLOURS_NATURAL;
    const CImage image = Frame();
    Save(image, "natural-ball.png");
    int cx, cy, ex, ey;
    PixelOf(Vec3(), cx, cy);
    PixelOf(Vec3(CGreyBall::kRadius, 0, 0), ex, ey);
    const double radius = ex - cx;
    ASSERT_GT(radius, 50.0);

    const Vec3 key =
        Normalize(Vec3(kKeyLightDirection[0], kKeyLightDirection[1], kKeyLightDirection[2]));
    const Vec3 fill =
        Normalize(Vec3(kFillLightDirection[0], kFillLightDirection[1], kFillLightDirection[2]));
    const double ambient = 0.2 + kKeyLightAmbient; // OpenGL's global ambient and the key's
    // The shade of the ball where its normal is n, by hand: ambient plus each light's diffuse
    // share times the cosine of its angle to the normal.
    const auto shade = [&](const Vec3& n) {
        const double lit = ambient + kKeyLightDiffuse * std::max(0.0, Dot(n, key)) +
                           kFillLightDiffuse * std::max(0.0, Dot(n, fill));
        return std::min(255.0, CGreyBall::kGrey * lit);
    };
    const auto pixelAt = [&](const Vec3& n) {
        return image.PixelAt(cx + static_cast<int>(std::lround(radius * n.x)),
                             cy - static_cast<int>(std::lround(radius * n.y)));
    };

    // Lower right: turned away from the key light, towards the fill.
    const Vec3 away = Normalize(Vec3(0.8, -0.3, 0.52));
    ASSERT_LT(Dot(away, key), 0.0);
    const int awayPixel = pixelAt(away);
    EXPECT_NEAR(RedOf(awayPixel), shade(away), 10.0);
    EXPECT_GT(RedOf(awayPixel), CGreyBall::kGrey * ambient + 30);
    // Upper left, facing the key: the brightest part, brighter than the fill side.
    const Vec3 facing = Normalize(Vec3(-0.4, 0.5, 0.77));
    EXPECT_NEAR(RedOf(pixelAt(facing)), shade(facing), 10.0);
    EXPECT_GT(RedOf(pixelAt(facing)), RedOf(awayPixel) + 60);
    // The rim turned from both lights still shows its colour: nothing goes black.
    const Vec3 unlit = Normalize(Vec3(-0.3, -0.9, 0.3));
    ASSERT_LE(Dot(unlit, key), 0.0);
    ASSERT_LE(Dot(unlit, fill), 0.0);
    EXPECT_NEAR(RedOf(pixelAt(unlit)), CGreyBall::kGrey * ambient, 8.0);
}

} // namespace
