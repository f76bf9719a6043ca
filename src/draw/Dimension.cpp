#include "draw/Dimension.h"

#include "biomech/Units.h"
#include "core/MathConstants.h"
#include "draw/DrawStyle.h"
#include "draw/LabelPainter.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr double kArrowLength = 3.0; // inches
constexpr double kArrowBase = 1.0;   // inches
constexpr double kLabelScale = 5.0;

} // namespace

CDimension::CDimension(int kindCode) : kind(static_cast<std::uint8_t>(kindCode)) {
    type = kTypeDimension;
    SetName("Dimension");
    colour = PackRGB(187, 0, 187);
    points.assign(kind == kDimensionAngle ? 6 : 5, Vec3());
    angle = kind == kDimensionVertical ? 90.0f : 0.0f;
}

CDimension::CDimension(const CDimension& source, bool keepId)
    : CSceneObject(source, keepId), kind(source.kind), reserved(source.reserved),
      points(source.points), unused(source.unused), label(source.label), angle(source.angle) {}

Vec3 CDimension::LabelPoint() const {
    return points.empty() ? Vec3() : points[0];
}

void CDimension::Build(const std::vector<Vec3>& clicks, int lengthUnit) {
    if (IsAngle())
        BuildAngle(clicks);
    else
        BuildLinear(clicks, lengthUnit);
    Invalidate();
}

void CDimension::BuildLinear(const std::vector<Vec3>& clicks, int lengthUnit) {
    if (clicks.empty())
        return;
    points.resize(5);
    points[3] = clicks[0];
    points[4] = clicks.size() >= 2 ? clicks[1] : clicks[0];
    if (clicks.size() >= 2) {
        const Vec3 middle = points[3] + (points[4] - points[3]) / 2.0;
        points[0] = points[1] = points[2] = middle;
        if (kind == kDimensionHorizontal) {
            points[1].x += 15;
            points[2].y += 5;
        } else if (kind == kDimensionVertical) {
            points[1].y += 15;
            points[2].x -= 5;
        } else {
            points[1].x += 15;
            points[1].y -= 15;
            points[2].x += 5;
            points[2].y += 5;
        }
    }
    Vec3 a = points[3], b = points[4];
    if (kind == kDimensionHorizontal) {
        a.y = b.y = 0.0;
    } else if (kind == kDimensionVertical) {
        a.x = b.x = 0.0;
        a.z = b.z = 0.0;
    }
    label = FormatTrimmed(ConvertLength(kInches, Distance(a, b), lengthUnit), 2);
}

void CDimension::BuildAngle(const std::vector<Vec3>& clicks) {
    if (clicks.empty())
        return;
    points.resize(6);
    if (clicks.size() == 1) {
        points[3] = points[4] = points[5] = clicks[0];
    } else {
        points[3] = clicks[0];
        points[5] = clicks[1];
        if (clicks.size() >= 3) {
            points[4] = clicks[2];
            const Vec3 middle = points[4] + (points[5] - points[4]) / 2.0;
            points[0] = points[1] = points[2] = middle;
            points[1].x += 15;
            points[2].y += 5;
        }
    }
    const Vec3& vertex = points[3];
    if (Distance(vertex, points[5]) >= tav::kLengthTolerance &&
        Distance(vertex, points[4]) >= tav::kLengthTolerance) {
        const double h1 = Heading(vertex, points[5]);
        const double h2 = Heading(vertex, points[4]);
        angle = static_cast<float>((h2 >= h1 ? h2 : h2 + 360.0) - h1);
    } else {
        angle = 0.0f;
    }
    label = FormatTrimmed(angle, 2);
}

void CDimension::ExtendBounds(BoundingBox& box, const Matrix4& world) const {
    ExtendBoundsByPoints(box, world, points);
}

void CDimension::CenterOrigin() {
    transform = transform * Translation(CentrePoints(points));
}

void CDimension::Draw(bool whiteFill, int viewType) {
    if (points.size() < (IsAngle() ? 6u : 5u))
        return;
    BeginObjectDrawing(*this, whiteFill, kSelectedDimensionColour);
    const Vec3& a = points[3];
    const Vec3& b = points[4];
    if (IsAngle()) {
        const Vec3& c = points[5];
        glBegin(GL_LINE_STRIP);
        glVertex3d(c.x, c.y, c.z);
        glVertex3d(a.x, a.y, a.z);
        glVertex3d(b.x, b.y, b.z);
        glEnd();
        DrawArrowhead(b, a);
        DrawArrowhead(c, a);
        DrawLabelAt(b + (c - b) / 2.0);
    } else {
        glBegin(GL_LINES);
        glVertex3d(a.x, a.y, a.z);
        glVertex3d(b.x, b.y, b.z);
        glEnd();
        DrawArrowhead(a, b);
        DrawArrowhead(b, a);
        DrawLabelAt(a + (b - a) / 2.0);
    }
    EndObjectDrawing();
}

// A cone of base 1 and height 3 whose tip lies on `tip`, pointing away from `from`.
void CDimension::DrawArrowhead(const Vec3& tip, const Vec3& from) const {
    Vec3 direction = tip - from;
    if (kind == kDimensionHorizontal)
        direction = Vec3(direction.x < 0 ? -1.0 : 1.0, 0, 0);
    else if (kind == kDimensionVertical)
        direction = Vec3(0, direction.y < 0 ? -1.0 : 1.0, 0);
    glPushMatrix();
    glTranslated(tip.x, tip.y, tip.z);
    GLAlignZWith(direction);
    glTranslated(0.0, 0.0, -kArrowLength);
    GLSolidCone(kArrowBase, kArrowLength, 8);
    glPopMatrix();
}

void CDimension::DrawLabelAt(const Vec3& where) {
    glPushMatrix();
    glTranslated(where.x, where.y, where.z);
    glScaled(kLabelScale, kLabelScale, kLabelScale);
    if (CLabelPainter* painter = CurrentLabelPainter()) {
        painter->DrawLabel(label);
    } else {
        if (strokedLabel != label || labelStrokes.empty()) {
            labelStrokes = TextStrokes(label, "Arial", 1, Vec3());
            strokedLabel = label;
        }
        DrawStrokes(labelStrokes);
    }
    glPopMatrix();
}
