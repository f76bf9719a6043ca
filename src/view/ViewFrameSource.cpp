#include "view/ViewFrameSource.h"

#include "view/TavroView.h"

int CViewFrameSource::RenderFrame(std::uint8_t* bgrBottomUp, int width, int height) {
    view.makeCurrent();
    CGLRender& renderer = view.Renderer();
    renderer.SetViewType(view.GetViewType());
    const int drawn = renderer.RenderObjectList(view.Document()->Objects(), PICK_NONE, 0, 0) &&
                      renderer.ReadFramePixels(bgrBottomUp, width, height);
    // The window shows the same frame.
    view.update();
    return drawn;
}

void CViewFrameSource::FrameSize(const CTavroView& view, int& width, int& height) {
    const qreal ratio = view.devicePixelRatioF();
    width = qRound(view.width() * ratio);
    height = qRound(view.height() * ratio);
}
