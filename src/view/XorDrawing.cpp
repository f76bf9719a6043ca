#include "view/XorDrawing.h"

#include <GL/gl.h>
#include <QPainter>

namespace {

// Window-pixel drawing state: y down when `yDown`, no lighting, depth or stencil test, colours
// combined with the picture by `logicOp`, the alpha channel left alone. Restores everything when
// it ends.
class CXorPainting {
public:
    CXorPainting(int width, int height, bool yDown, GLenum logicOp) {
        glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT | GL_COLOR_BUFFER_BIT |
                     GL_POLYGON_BIT | GL_PIXEL_MODE_BIT);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(0.0, width, yDown ? height : 0.0, yDown ? 0.0 : height, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_STENCIL_TEST);
        glDisable(GL_LINE_STIPPLE);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_FALSE);
        glEnable(GL_COLOR_LOGIC_OP);
        glLogicOp(logicOp);
    }
    ~CXorPainting() {
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glPopAttrib();
    }
    CXorPainting(const CXorPainting&) = delete;
    CXorPainting& operator=(const CXorPainting&) = delete;
};

} // namespace

void DrawXorLines(const std::vector<QLine>& lines, int width, int height, unsigned logicOp,
                  unsigned char r, unsigned char g, unsigned char b) {
    if (lines.empty())
        return;
    CXorPainting painting(width, height, true, logicOp);
    glLineWidth(1.0f);
    glColor3ub(r, g, b);
    glBegin(GL_LINES);
    for (const QLine& l : lines) {
        glVertex2f(l.x1() + 0.5f, l.y1() + 0.5f);
        glVertex2f(l.x2() + 0.5f, l.y2() + 0.5f);
    }
    glEnd();
}

QImage XorBitmap(const std::vector<QLine>& lines, int width, int height, QRect& bounds) {
    bounds = QRect();
    for (const QLine& l : lines)
        bounds |= QRect(l.p1(), l.p2()).normalized();
    bounds &= QRect(0, 0, width, height);
    if (bounds.isEmpty())
        return {};
    QImage bitmap(bounds.size(), QImage::Format_RGBA8888);
    bitmap.fill(Qt::black);
    QPainter painter(&bitmap);
    painter.setPen(QPen(QColor(0, 255, 255), 0)); // one pixel wide, not smoothed
    painter.translate(-bounds.topLeft());
    for (const QLine& l : lines)
        painter.drawLine(l);
    return bitmap;
}

void DrawXorBitmap(const std::vector<QLine>& lines, int width, int height) {
    QRect bounds;
    const QImage bitmap = XorBitmap(lines, width, height, bounds);
    if (bitmap.isNull())
        return;
    // OpenGL reads rows bottom up; the raster position is the lower-left pixel of the bounds,
    // nudged into that pixel so rounding cannot move the picture by one.
    const QImage rows = bitmap.mirrored();
    CXorPainting painting(width, height, false, GL_XOR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glRasterPos2f(bounds.left() + 0.25f, height - 1 - bounds.bottom() + 0.25f);
    glDrawPixels(rows.width(), rows.height(), GL_RGBA, GL_UNSIGNED_BYTE, rows.constBits());
}
