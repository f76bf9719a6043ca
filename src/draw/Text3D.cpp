#include "draw/Text3D.h"

#include "draw/DrawStyle.h"
#include "draw/GlyphOutline.h"
#include "draw/Polyline.h"

#include <GL/gl.h>

CText3D::CText3D() {
    type = kTypeText;
    SetName("Text");
    colour = PackRGB(0, 100, 0);
}

CText3D::CText3D(const CText3D& source, bool keepId)
    : CSceneObject(source, keepId), text(source.text), fontChosen(source.fontChosen),
      size(source.size), reserved(source.reserved), fontName(source.fontName),
      strokes(source.strokes) {}

void CText3D::Draw(bool whiteFill, int viewType) {
    BeginObjectDrawing(*this, whiteFill, kSelectedLineColour);
    DrawStrokes(strokes);
    EndObjectDrawing();
}

void CText3D::ExtendBounds(BoundingBox& box, const Matrix4& world) const {
    ExtendBoundsByPoints(box, world, strokes);
}

void CText3D::CenterOrigin() {
    transform = transform * Translation(CentrePoints(strokes));
}

void CText3D::Build(const std::vector<Vec3>& clicks) {
    strokes = TextStrokes(text, fontName, size, clicks.empty() ? Vec3() : clicks.front());
    Invalidate();
}

std::vector<Vec3> TextStrokes(const std::string& text, const std::string& fontName, int size,
                              const Vec3& anchor) {
    constexpr double kInchesPerDeviceUnit = 0.1;
    std::vector<OutlinePoint> outline;
    std::vector<Vec3> strokes;
    if (text.empty() || !TextOutline(text, fontName, size * 10.0, outline))
        return strokes;
    strokes.reserve(outline.size() + outline.size() / 8);
    for (const OutlinePoint& p : outline) {
        const Vec3 v(anchor.x + p.x * kInchesPerDeviceUnit, anchor.y - p.y * kInchesPerDeviceUnit,
                     anchor.z);
        if (p.moveTo)
            strokes.push_back(v);
        else if (!strokes.empty() && strokes.back() == v)
            continue; // a repeated point would read as the start of a new stroke
        strokes.push_back(v);
    }
    return strokes;
}

void DrawStrokes(const std::vector<Vec3>& strokes) {
    glBegin(GL_LINE_STRIP);
    for (std::size_t i = 0; i < strokes.size(); ++i) {
        if (i + 1 < strokes.size() && strokes[i] == strokes[i + 1]) {
            glEnd();
            glBegin(GL_LINE_STRIP);
            continue;
        }
        glVertex3d(strokes[i].x, strokes[i].y, strokes[i].z);
    }
    glEnd();
}
