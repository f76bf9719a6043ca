#include "cli/ScenePictures.h"

#include <cstdio>

namespace {

// Part of the picture left free around the box.
constexpr double kMargin = 0.9;

} // namespace

bool FixedViewNamed(const std::string& name, int& view) {
    const char* names[] = {"front", "top", "right", "left", "user"}; // ViewType order
    for (int v = 0; v < 5; ++v)
        if (name == names[v]) {
            view = v;
            return true;
        }
    return false;
}

CScenePictures::CScenePictures(int width, int height, CUserReporter& reporter)
    : width(width), height(height), context(width, height), render(settings, reporter) {}

bool CScenePictures::Begin(int view, const Vec3& min, const Vec3& max) {
    if (!render.InitOffscreenRender(&context, nullptr, width, height)) {
        std::fputs(kInitOpenGLFailed, stderr);
        return false;
    }
    render.SetRenderMode(RENDER_SHADED);
    render.SetViewType(view);
    if (view == VIEW_USER)
        render.camera.SetUserVectors(Vec3(1, 1, 1), Vec3(0, 1, 0));
    if (render.ZoomToExtents(min, max))
        render.camera.zoom *= kMargin;
    return true;
}

bool CScenePictures::Draw(CImage& image) {
    if (!render.RenderObjectList(objects, PICK_NONE, 1, 0) || !render.ReadImage(image)) {
        std::fprintf(stderr, "tavrona-cli: %s\n", render.message ? render.message : "no frame");
        return false;
    }
    return true;
}

bool CScenePictures::DrawTo(const std::string& path) {
    CImage image;
    if (!Draw(image))
        return false;
    if (!WritePng(image, path)) {
        std::fprintf(stderr, "tavrona-cli: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
