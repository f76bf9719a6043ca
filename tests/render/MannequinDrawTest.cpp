#include "RenderTestSupport.h"

#include "../core/FigureFixture.h"
#include "core/Overlay.h"
#include "human/Mannequin.h"
#include "render/Image.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Colour tests loose enough for lit surfaces: the named channel clearly dominates.
bool Reddish(int c) {
    return RedOf(c) > 2 * GreenOf(c) + 20 && RedOf(c) > 2 * BlueOf(c) + 20;
}
bool Greenish(int c) {
    return GreenOf(c) > 2 * RedOf(c) + 20 && GreenOf(c) > 2 * BlueOf(c) + 20;
}

struct LineRecorder : COverlay {
    void AddLine(int x1, int y1, int x2, int y2) override { lines.push_back({x1, y1, x2, y2}); }
    std::vector<std::array<int, 4>> lines;
};

class MannequinDrawTest : public OffscreenTest {
protected:
    void SetUp() override {
        OffscreenTest::SetUp();
        auto made = MakeFixtureFigure();
        figure = Add(made.release());
        figure->transform = Translation(Vec3(0, 5, 0));
        for (int n = 0; n < kSegmentCount; ++n) {
            GiveBoxMesh(*figure->GetSegment(n), 2.0);
            figure->GetSegment(n)->colour = PackRGB(160, 160, 160);
        }
        figure->GetSegment(kHead)->colour = PackRGB(255, 0, 0);
        figure->GetSegment(kLeftFoot)->colour = PackRGB(0, 255, 0);
        figure->GetSegment(kRightFoot)->colour = PackRGB(0, 255, 0);
        render->SetRenderMode(RENDER_SHADED);
        render->SetViewType(VIEW_FRONT);
        render->camera.zoom = 0.75; // 3 pixels per inch
    }
    Vec3 JointInWorld(int segment) const {
        Matrix4 frame;
        figure->GetSegmentFrame(segment, frame);
        return TranslationOf(frame);
    }
    CMannequin* figure = nullptr;
};

// The pelvis turned 90 degrees about z swings the trunk, arms and head to the side in the
// picture while both feet stay where they stood.
TEST_F(MannequinDrawTest, PelvisTurnMovesTheTrunkButNotTheFeet) {
    int x, y;
    CImage upright = Frame();
    PixelOf(JointInWorld(kHead), x, y);
    EXPECT_TRUE(Reddish(upright.PixelAt(x, y))) << std::hex << upright.PixelAt(x, y);
    const int headX = x, headY = y;

    figure->RotateSegment(kAbdomen, 90, 2);
    const CImage turned = Frame();
    if (const char* dir = std::getenv("TAVRONA_SCREENSHOTS"))
        WritePng(turned, std::string(dir) + "/mannequin-pelvis-turned.png");
    EXPECT_EQ(turned.PixelAt(headX, headY), kWhite);
    // Rz(90) maps the head joint (0, 30, 0) to (-30, 0, 0) before the placement.
    PixelOf(Vec3(-30, 5, 0), x, y);
    EXPECT_TRUE(Reddish(turned.PixelAt(x, y))) << std::hex << turned.PixelAt(x, y);
    for (int foot : {kLeftFoot, kRightFoot}) {
        PixelOf(JointInWorld(foot), x, y);
        EXPECT_TRUE(Greenish(turned.PixelAt(x, y))) << foot;
        EXPECT_EQ(turned.PixelAt(x, y), upright.PixelAt(x, y)) << foot;
    }
}

TEST_F(MannequinDrawTest, PickingFindsTheSegmentAndItsHighlightFramesTheBox) {
    int x, y;
    PixelOf(JointInWorld(kHead), x, y);
    render->SetPickPoint(x, y);
    ASSERT_EQ(render->RenderObjectList(objects, PICK_SELECT, 1, 1), 1);
    EXPECT_EQ(figure->GetSegment(kHead)->selected, 1);
    EXPECT_EQ(figure->GetSegment(kNeck)->selected, 0);

    LineRecorder overlay;
    render->UpdateOverlay(objects, overlay, 1);
    ASSERT_EQ(overlay.lines.size(), 12u);
    // The front face's corners project to the head's joint +-2 inches: 6 pixels each way.
    // The overlay measures rows as height - y + 5 (window y from the bottom), which is 6 more
    // than the top-down pixel row height - 1 - y.
    int minX = 1 << 20, maxX = -1, minY = 1 << 20, maxY = -1;
    for (const auto& l : overlay.lines) {
        minX = std::min({minX, l[0], l[2]});
        maxX = std::max({maxX, l[0], l[2]});
        minY = std::min({minY, l[1], l[3]});
        maxY = std::max({maxY, l[1], l[3]});
    }
    EXPECT_NEAR(maxX - minX, 12, 1);
    EXPECT_NEAR(maxY - minY, 12, 1);
    EXPECT_NEAR((minX + maxX) / 2.0, x, 1.5);
    EXPECT_NEAR((minY + maxY) / 2.0, y + 6, 1.5);
}

} // namespace

// A copy draws from the same compiled meshes as its source; a segment given a mesh of its own
// draws that one, and the source keeps its own.
TEST_F(MannequinDrawTest, CopiesShareCompiledMeshesUntilOneIsReplaced) {
    CMannequin* twin = Add(new CMannequin(*figure, false));
    twin->transform = Translation(Vec3(30, 5, 0));
    twin->UpdatePosture();
    ASSERT_TRUE(twin->GetSegment(kHead)->vertices.SharesWith(figure->GetSegment(kHead)->vertices));
    const auto beside = [this](CMannequin* which) {
        Matrix4 frame;
        which->GetSegmentFrame(kHead, frame);
        int x, y;
        PixelOf(TranslationOf(frame) + Vec3(2.5, 0, 0), x, y); // outside the 2 in box
        return std::array<int, 2>{x, y};
    };
    for (int frame = 0; frame < 2; ++frame) { // compiling, then calling the lists
        const CImage image = Frame();
        for (CMannequin* which : {figure, twin}) {
            const auto [x, y] = beside(which);
            EXPECT_FALSE(Reddish(image.PixelAt(x, y))) << frame;
            int hx, hy;
            Matrix4 head;
            which->GetSegmentFrame(kHead, head);
            PixelOf(TranslationOf(head), hx, hy);
            EXPECT_TRUE(Reddish(image.PixelAt(hx, hy))) << frame;
        }
    }
    GiveBoxMesh(*twin->GetSegment(kHead), 3.0);
    twin->UpdatePosture();
    const CImage image = Frame();
    const auto [tx, ty] = beside(twin);
    EXPECT_TRUE(Reddish(image.PixelAt(tx, ty))) << std::hex << image.PixelAt(tx, ty);
    const auto [fx, fy] = beside(figure);
    EXPECT_FALSE(Reddish(image.PixelAt(fx, fy)));
}
