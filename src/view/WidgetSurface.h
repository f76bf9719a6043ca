#pragma once

#include "render/RenderSurface.h"

#include <memory>

class QOpenGLFramebufferObject;
class QOpenGLWidget;

// The renderer's drawable for a view window: the widget's own OpenGL context, drawing into the
// widget's framebuffer. The toolkit presents the picture, so swapping does nothing.
class CWidgetSurface : public CRenderSurface {
public:
    explicit CWidgetSurface(QOpenGLWidget& widget);
    ~CWidgetSurface() override;
    CWidgetSurface(const CWidgetSurface&) = delete;
    CWidgetSurface& operator=(const CWidgetSurface&) = delete;

    bool OpenDrawable() override;
    bool SetupPixelFormat() override;
    bool CreateContext() override;
    bool IsCurrent() const override;
    bool MakeCurrent() override;
    bool ReleaseCurrent() override;
    bool SwapBuffers() override { return true; }
    void ClientSize(int& width, int& height) const override;
    // A multisampled widget framebuffer is resolved into a single-sample buffer of this
    // surface, which then stays bound for reading until the widget binds its own again.
    bool ResolveSamples() override;

private:
    QOpenGLWidget& widget;
    std::unique_ptr<QOpenGLFramebufferObject> resolved;
};
