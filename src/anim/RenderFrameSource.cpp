#include "anim/RenderFrameSource.h"

#include "render/GLRender.h"

int CRenderFrameSource::RenderFrame(std::uint8_t* bgrBottomUp, int width, int height) {
    return render.RenderObjectList(objects, PICK_NONE, 1, 0) &&
           render.ReadFramePixels(bgrBottomUp, width, height);
}
