#include "view/WidgetSurface.h"

#include <QOpenGLContext>
#include <QOpenGLWidget>

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
