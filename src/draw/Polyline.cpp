#include "draw/Polyline.h"

#include "draw/CirclePoints.h"
#include "draw/DrawStyle.h"
#include "draw/DrawingShapes.h"

#include <GL/gl.h>

#include <cmath>

CPolyline::CPolyline() {
    type = kTypePolyline;
    SetName("Polyline");
    colour = PackRGB(0, 0, 255);
}

CPolyline::CPolyline(const CPolyline& source, bool keepId)
    : CSceneObject(source, keepId), points(source.points), closed(source.closed) {}

void CPolyline::DrawStrip() const {
    glBegin(GL_LINE_STRIP);
    for (const Vec3& p : points)
        glVertex3d(p.x, p.y, p.z);
    glEnd();
}

void CPolyline::Draw(bool whiteFill, int viewType) {
    BeginObjectDrawing(*this, whiteFill, kSelectedLineColour);
    DrawStrip();
    EndObjectDrawing();
}

void CPolyline::ExtendBounds(BoundingBox& box, const Matrix4& world) const {
    ExtendBoundsByPoints(box, world, points);
}

void CPolyline::CenterOrigin() {
    transform = transform * Translation(CentrePoints(points));
}

void CPolyline::Build(int shape, const std::vector<Vec3>& clicks) {
    points.clear();
    switch (shape) {
    case kShapeLine:
        points = clicks;
        break;
    case kShapeCurve:
        points = BezierSamples(clicks);
        break;
    case kShapeCircle:
        if (clicks.size() >= 2)
            points = CirclePoints(clicks[0], clicks[1]);
        break;
    default:
        break;
    }
    Invalidate();
}

CDashedPolyline::CDashedPolyline() {
    type = kTypeDashedPolyline;
    SetName("Dashed");
}

CDashedPolyline::CDashedPolyline(const CDashedPolyline& source, bool keepId)
    : CPolyline(source, keepId) {}

void CDashedPolyline::Draw(bool whiteFill, int viewType) {
    BeginObjectDrawing(*this, whiteFill, kSelectedLineColour);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(2, 0xF0F0);
    DrawStrip();
    glDisable(GL_LINE_STIPPLE);
    EndObjectDrawing();
}

std::vector<Vec3> BezierSamples(const std::vector<Vec3>& controls) {
    std::vector<Vec3> samples;
    const int n = static_cast<int>(controls.size());
    if (n < 1)
        return samples;
    // Binomial coefficients C(n - 1, i).
    std::vector<double> binomial(n, 1.0);
    for (int i = 1; i < n; ++i)
        binomial[i] = binomial[i - 1] * (n - i) / i;
    const int count = 10 * n;
    const float dt = 1.0f / static_cast<float>(count);
    float t = 0.0f;
    samples.reserve(count);
    for (int k = 1; k <= count; ++k) {
        t += dt;
        Vec3 p;
        for (int i = 0; i < n; ++i) {
            const double w = binomial[i] * std::pow(t, i) * std::pow(1.0 - t, n - 1 - i);
            p = p + w * controls[i];
        }
        samples.push_back(p);
    }
    return samples;
}

void ExtendBoundsByPoints(BoundingBox& box, const Matrix4& world, const std::vector<Vec3>& points) {
    for (const Vec3& p : points)
        box.Extend(TransformPoint(world, p));
}

Vec3 CentrePoints(std::vector<Vec3>& points) {
    BoundingBox box;
    for (const Vec3& p : points)
        box.Extend(p);
    if (!box.valid)
        return {};
    const Vec3 centre = box.Centre();
    for (Vec3& p : points)
        p = p - centre;
    return centre;
}
