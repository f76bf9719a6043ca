#pragma once

#include "core/SceneObject.h"

#include <vector>

// An open or closed line through points in the object's local frame (inches): lines, Bezier
// curves, circles and walk paths. Type 0, default name "Polyline", default colour blue.
class CPolyline : public CSceneObject {
public:
    CPolyline();
    CPolyline(const CPolyline& source, bool keepId);

    void Draw(bool whiteFill, int viewType) override;
    void ExtendBounds(BoundingBox& box, const Matrix4& world) const override;
    void CenterOrigin() override;

    // Replaces the points from the view's clicks: kShapeLine (the points in order),
    // kShapeCurve (10 n samples of the Bezier curve over the n control points) or
    // kShapeCircle (centre, rim point). Fewer points than a shape needs leave it empty.
    void Build(int shape, const std::vector<Vec3>& clicks);

    std::vector<Vec3> points;
    int closed = 0; // stored in scene files; no tool sets it

protected:
    void DrawStrip() const;
};

// A polyline drawn stippled (factor 2, pattern 0xF0F0). Type 4; no drawing tool creates it.
class CDashedPolyline : public CPolyline {
public:
    CDashedPolyline();
    CDashedPolyline(const CDashedPolyline& source, bool keepId);

    void Draw(bool whiteFill, int viewType) override;
};

// 10 n samples of the Bezier curve of degree n - 1 over the n control points, at
// t = k / (10 n), k = 1 .. 10 n (t accumulated in single precision).
std::vector<Vec3> BezierSamples(const std::vector<Vec3>& controls);

// Shared by polylines, text strokes and dimensions: every point placed by `world` into `box`.
void ExtendBoundsByPoints(BoundingBox& box, const Matrix4& world, const std::vector<Vec3>& points);
// Moves `points` so their local bounds are centred on the origin and returns the shift (the
// caller post-multiplies its transform by a translation by it).
Vec3 CentrePoints(std::vector<Vec3>& points);
