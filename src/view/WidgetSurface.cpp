#include "view/WidgetSurface.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QOpenGLWidget>

CWidgetSurface::CWidgetSurface(QOpenGLWidget& widget) : widget(widget) {}

CWidgetSurface::~CWidgetSurface() {
    // The resolve buffer belongs to the widget's context.
    if (resolved) {
        widget.makeCurrent();
        resolved.reset();
    }
}

bool CWidgetSurface::OpenDrawable() {
    return widget.isValid();
}

bool CWidgetSurface::SetupPixelFormat() {
    const QSurfaceFormat format = widget.context()->format();
    return format.depthBufferSize() >= 16 && format.stencilBufferSize() >= 8;
}

bool CWidgetSurface::CreateContext() {
    return widget.context() && widget.context()->isValid();
}

bool CWidgetSurface::IsCurrent() const {
    return QOpenGLContext::currentContext() == widget.context();
}

bool CWidgetSurface::MakeCurrent() {
    widget.makeCurrent();
    return IsCurrent();
}

bool CWidgetSurface::ReleaseCurrent() {
    if (QOpenGLContext* current = QOpenGLContext::currentContext())
        current->doneCurrent();
    return true;
}

void CWidgetSurface::ClientSize(int& width, int& height) const {
    const qreal ratio = widget.devicePixelRatioF();
    width = qRound(widget.width() * ratio);
    height = qRound(widget.height() * ratio);
}

bool CWidgetSurface::ResolveSamples() {
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context || context != widget.context())
        return false;
    QOpenGLExtraFunctions* gl = context->extraFunctions();
    const GLuint source = widget.defaultFramebufferObject();
    gl->glBindFramebuffer(GL_FRAMEBUFFER, source);
    GLint samples = 0;
    gl->glGetIntegerv(GL_SAMPLES, &samples);
    if (samples <= 1)
        return true; // single-sample: read where it was drawn
    int width = 0, height = 0;
    ClientSize(width, height);
    if (!resolved || resolved->size() != QSize(width, height))
        resolved = std::make_unique<QOpenGLFramebufferObject>(width, height);
    if (!resolved->isValid())
        return false;
    // Making the resolve buffer binds framebuffers of the toolkit's choosing: both targets are
    // bound again here.
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, source);
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, resolved->handle());
    gl->glBlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT,
                          GL_NEAREST);
    gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, source);
    gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, resolved->handle());
    return true;
}
