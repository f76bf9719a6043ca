#pragma once

#include "render/RenderSurface.h"

class QOpenGLWidget;

// The renderer's drawable for a view window: the widget's own OpenGL context, drawing into the
// widget's framebuffer. The toolkit presents the picture, so swapping does nothing.
class CWidgetSurface : public CRenderSurface {
public:
    explicit CWidgetSurface(QOpenGLWidget& widget) : widget(widget) {}

    bool OpenDrawable() override;
    bool SetupPixelFormat() override;
    bool CreateContext() override;
    bool IsCurrent() const override;
    bool MakeCurrent() override;
    bool ReleaseCurrent() override;
    bool SwapBuffers() override { return true; }
    void ClientSize(int& width, int& height) const override;

private:
    QOpenGLWidget& widget;
};
