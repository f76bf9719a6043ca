#include "RenderTestSupport.h"

#include "document/SceneFileReader.h"
#include "render/Image.h"

#include <cstdlib>

namespace {

// The seated figure in its wheelchair, read from the data directory, drawn from the side and
// the front: the picture has the chair's dark tyres and the figure's skin.
class WheelchairRenderTest : public OffscreenTest {};

TEST_F(WheelchairRenderTest, SeatedFigureInItsChairIsDrawn) {
    const char* dataDir = std::getenv("TAVRONA_DATA");
    ASSERT_NE(dataDir, nullptr);
    CObjectList read;
    const SceneReadContext context{&reporter, &settings, nullptr};
    ASSERT_EQ(ReadSceneFile(std::string(dataDir) + "/whtv50m.___", read, context), 1);
    for (CSceneObject* o : read)
        if (!o->parent)
            owned.push_back(o);
    objects = read;
    render->SetRenderMode(RENDER_SHADED);
    for (int view : {VIEW_RIGHT, VIEW_FRONT, VIEW_USER}) {
        render->SetViewType(view);
        BoundingBox box;
        for (CSceneObject* o : objects)
            if (!o->parent)
                o->CollectBounds(box);
        ASSERT_EQ(render->camera.ZoomToExtents(box.min, box.max), 1);
        const CImage image = Frame();
        if (const char* dir = std::getenv("TAVRONA_SCREENSHOTS"))
            WritePng(image, std::string(dir) + "/wheelchair-" + std::to_string(view) + ".png");
        int dark = 0, drawn = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const int c = image.PixelAt(x, y);
                drawn += c != kWhite;
                dark += RedOf(c) < 60 && GreenOf(c) < 60 && BlueOf(c) < 60;
            }
        EXPECT_GT(drawn, kWidth * kHeight / 10) << view;
        EXPECT_GT(dark, 100) << view;
    }
    objects = CObjectList();
}

} // namespace
