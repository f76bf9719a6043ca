#include "RenderTestSupport.h"

#include "human/Mannequin.h"
#include "human/Representation.h"
#include "render/Image.h"

#include <cstdlib>

namespace {

// One face of a solid in the plane z = 0, centred on the origin, wound clockwise seen from +z:
// the front view (looking down -z) sees its back. Drawn as a solid or as open geometry, and
// optionally through a mirror that turns its winding round on the screen.
class CBackFace : public CSceneObject {
public:
    CBackFace(bool solid, bool mirrored) : solid(solid), mirrored(mirrored) {
        colour = PackRGB(0, 0, 255);
    }
    void Draw(bool whiteFill, int) override {
        GLSetColour(whiteFill ? PackRGB(255, 255, 255) : colour);
        glLoadName(static_cast<GLuint>(id));
        glPushMatrix();
        if (mirrored)
            glScaled(-1.0, 1.0, 1.0);
        auto emit = [] {
            glBegin(GL_QUADS);
            glNormal3d(0, 0, 1);
            glVertex3d(-10, -10, 0);
            glVertex3d(-10, 10, 0);
            glVertex3d(10, 10, 0);
            glVertex3d(10, -10, 0);
            glEnd();
        };
        if (solid)
            DrawCachedSolid(*this, 0, emit);
        else
            DrawCachedGeometry(*this, 0, emit);
        glPopMatrix();
    }
    bool solid, mirrored;
};

using SolidCullingTest = OffscreenTest;

bool CentreIsCovered(const CImage& image) {
    return image.PixelAt(image.width / 2, image.height / 2) != kWhite;
}

TEST_F(SolidCullingTest, ShadedFrameLeavesOutTheBackFacesOfSolidsOnly) {
    render->SetRenderMode(RENDER_SHADED);
    CBackFace* face = Add(new CBackFace(true, false));
    EXPECT_FALSE(CentreIsCovered(Frame()));
    // Open geometry keeps both sides.
    face->solid = false;
    face->Invalidate();
    EXPECT_TRUE(CentreIsCovered(Frame()));
}

TEST_F(SolidCullingTest, CullingEndsWithTheSolid) {
    render->SetRenderMode(RENDER_SHADED);
    Add(new CBackFace(true, false));
    Add(new CBackFace(false, false));
    EXPECT_TRUE(CentreIsCovered(Frame()));
}

TEST_F(SolidCullingTest, MirroredSolidIsNotCulled) {
    render->SetRenderMode(RENDER_SHADED);
    Add(new CBackFace(true, true));
    EXPECT_TRUE(CentreIsCovered(Frame()));
}

TEST_F(SolidCullingTest, LinesAndPicksKeepTheBackFaces) {
    CBackFace* face = Add(new CBackFace(true, false));
    for (int mode : {RENDER_WIREFRAME, RENDER_HIDDEN}) {
        render->SetRenderMode(mode);
        // The edges of the face are drawn in these modes; the left one is 10 inches left.
        const CImage image = Frame();
        int x, y;
        PixelOf(Vec3(-10, 0, 0), x, y);
        EXPECT_TRUE(AnyPixelNear(image, x, y, 1, IsBluish)) << "mode " << mode;
    }
    render->SetRenderMode(RENDER_SHADED);
    render->SetPickPoint(kWidth / 2, kHeight / 2);
    ASSERT_EQ(render->RenderObjectList(objects, PICK_SELECT, 1, 1), 1);
    EXPECT_TRUE(face->selected);
}

// Draws a figure through a geometry cache of its own, which keeps every face.
class CUnculledFigure : public CSceneObject {
public:
    explicit CUnculledFigure(CMannequin& figure) : figure(figure) {}
    void Draw(bool whiteFill, int viewType) override {
        CGeometryCache::CScope keepFaces(cache);
        figure.Draw(whiteFill, viewType);
    }
    CMannequin& figure;
    CGeometryCache cache;
};

// The figure's segments are closed solids: leaving out their back faces must not change the
// picture. Faces that tie in depth may resolve the other way; they differ by one step of one
// channel at most. Drawn single-sample: with several samples a pixel, a tie at a silhouette
// flips one sample and shows as a quarter of the colour step, which says nothing of culling.
TEST_F(SolidCullingTest, FigurePictureIsTheSameWithoutBackFaces) {
    setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    render.reset();
    context = std::make_unique<CEglContext>(kWidth, kHeight, 0);
    render = std::make_unique<CGLRender>(settings, reporter);
    ASSERT_EQ(render->InitOffscreenRender(context.get(), nullptr, kWidth, kHeight), 1);
    auto* figure = new CMannequin();
    figure->anthropometry.gender = kMale;
    ASSERT_EQ(figure->LoadMesh(kRepresentationHuman, reporter), 1);
    ASSERT_EQ(figure->ReadLimits(reporter), 1);
    figure->UpdatePosture();
    ASSERT_EQ(figure->ApplyStandardPosture(8), 1);
    owned.push_back(figure);
    CUnculledFigure unculled(*figure);
    BoundingBox box;
    figure->CollectBounds(box);
    render->SetRenderMode(RENDER_SHADED);
    for (int view : {VIEW_FRONT, VIEW_RIGHT, VIEW_TOP, VIEW_USER}) {
        render->SetViewType(view);
        render->camera.SetUserVectors(Vec3(1, 1, -1), Vec3(0, 1, 0));
        ASSERT_EQ(render->ZoomToExtents(box.min, box.max), 1);
        // Second frames: both draw from compiled lists.
        figure->AddToList(objects);
        Frame();
        const CImage culled = Frame();
        figure->RemoveFromList(objects);
        unculled.AddToList(objects);
        Frame();
        const CImage full = Frame();
        unculled.RemoveFromList(objects);
        int covered = 0, differing = 0;
        for (std::size_t i = 0; i < culled.rgb.size(); ++i) {
            covered += full.rgb[i] != 255;
            const int step = std::abs(culled.rgb[i] - full.rgb[i]);
            EXPECT_LE(step, 1) << "view " << view << " byte " << i;
            differing += step != 0;
        }
        EXPECT_GT(covered, kWidth * kHeight / 20) << "view " << view;
        EXPECT_LE(differing, 8) << "view " << view;
    }
    ASSERT_EQ(render->MakeCurrent(), 1);
    unculled.cache.Release();
    render->ReleaseCurrent();
}

} // namespace
