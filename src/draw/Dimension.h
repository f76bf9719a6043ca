#pragma once

#include "core/SceneObject.h"

#include <cstdint>
#include <string>
#include <vector>

enum DimensionKind : std::uint8_t {
    kDimensionHorizontal = 0,
    kDimensionVertical = 1,
    kDimensionAligned = 2,
    kDimensionAngle = 3,
};

// A measuring annotation: a horizontal, vertical or aligned distance between two points, or
// the angle between two arms from a vertex, drawn with cone arrowheads and a text label.
// Type 3, default name "Dimension", default colour purple.
class CDimension : public CSceneObject {
public:
    explicit CDimension(int kind = kDimensionHorizontal);
    CDimension(const CDimension& source, bool keepId);

    void Draw(bool whiteFill, int viewType) override;
    void ExtendBounds(BoundingBox& box, const Matrix4& world) const override;
    // Shifts the stored points (not the placement) so the object's origin is its centre.
    void CenterOrigin() override;

    // Rebuilds the points and the label from the view's clicks. Linear kinds: first and second
    // measured point. Angle: vertex, end of the first arm, end of the second arm. Lengths are
    // shown in the display length unit `lengthUnit` (0 in, 1 ft, 2 m, 3 cm, 4 mm).
    void Build(const std::vector<Vec3>& clicks, int lengthUnit);

    bool IsAngle() const { return kind == kDimensionAngle; }
    // Label anchor: entry 0 of points.
    Vec3 LabelPoint() const;

    std::uint8_t kind;
    std::uint8_t reserved = 0;
    // 0: label anchor, 1 and 2: offset points, 3 and 4 (and 5 for an angle): measured points.
    std::vector<Vec3> points;
    std::vector<Vec3> unused;
    std::string label;
    float angle = 0.0f; // degrees: 90 for vertical at creation, the measured angle for kind 3

private:
    void BuildLinear(const std::vector<Vec3>& clicks, int lengthUnit);
    void BuildAngle(const std::vector<Vec3>& clicks);
    void DrawArrowhead(const Vec3& tip, const Vec3& from) const;
    void DrawLabelAt(const Vec3& where);

    std::string strokedLabel; // label whose outline strokes are cached below
    std::vector<Vec3> labelStrokes;
};
