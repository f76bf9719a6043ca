#pragma once

#include "core/SceneObject.h"

#include <string>
#include <vector>

// Outline text in the XY plane, its top-left corner at the anchor point. Type 2, default name
// "Text", default colour dark green.
class CText3D : public CSceneObject {
public:
    CText3D();
    CText3D(const CText3D& source, bool keepId);

    void Draw(bool whiteFill, int viewType) override;
    void ExtendBounds(BoundingBox& box, const Matrix4& world) const override;
    void CenterOrigin() override;

    // Rebuilds the strokes from the text, size and font name, anchored at the first click
    // (the origin when there is none).
    void Build(const std::vector<Vec3>& clicks);

    std::string text;
    int fontChosen = 0; // 1 once the text dialog was confirmed
    int size = 10;      // font dialog point size, tenths of a point; 10 gives ~10 in letters
    int reserved = 1;
    std::string fontName = "Arial";
    // Outline points (inches); two equal consecutive points start a new stroke.
    std::vector<Vec3> strokes;
};

// Strokes of `text` in `fontName` with a font height of size x 10 device units, each device
// unit 0.1 inch, top-left corner at `anchor`, in the XY plane.
std::vector<Vec3> TextStrokes(const std::string& text, const std::string& fontName, int size,
                              const Vec3& anchor);
// Draws strokes as line strips, a new strip starting after each repeated point.
void DrawStrokes(const std::vector<Vec3>& strokes);
