#pragma once

#include "core/Quad.h"
#include "core/SceneObject.h"

#include <vector>

// A mesh of quadrilateral faces in the object's local frame (inches): the solid primitives of
// the drawing tools, imported meshes, wheelchair parts. Type 1, default name "Polyface",
// default colour magenta.
class CPolyface : public CSceneObject {
public:
    CPolyface();
    CPolyface(const CPolyface& source, bool keepId);

    void Draw(bool whiteFill, int viewType) override;
    // Emits the faces in the current colour, pick name and matrix (compiled once per view).
    void DrawFaces() const;
    void ExtendBounds(BoundingBox& box, const Matrix4& world) const override;
    void CenterOrigin() override;

    // Replaces the mesh from the view's clicks and renames the object: kShapeSphere (centre,
    // rim), kShapeRectangle and kShapeBox (two corners), kShapeCone (base centre, base rim,
    // height point; the tip lies at that height above the centre) and kShapeCylinder (the
    // same points), kShapeTorus (centre, major rim, minor rim; no geometry when the minor
    // radius exceeds the major one). With two clicks these three show the filled base circle.
    // Fewer than two clicks leave it empty.
    void Build(int shape, const std::vector<Vec3>& clicks);

    // Open cone or cylinder along `axis` (MeshAxis): 80 vertices, 40 faces. The base ring has
    // radius baseRadius at 0; the end ring at `length` has radii length * tan(halfAngleX/Y)
    // (degrees), or baseRadius for a cylinder.
    void BuildConeMesh(double halfAngleX, double halfAngleY, double length, double baseRadius,
                       int axis, bool cylinder);

    // Views keep the mesh compiled: after changing the mesh of a drawn object call Invalidate().
    std::vector<Vec3> vertices;
    std::vector<Quad> faces;

private:
    void BuildSphere(const Vec3& centre, double radius);
    // The circle around `centre` through `rim`, filled: a fan of faces around the centre.
    void BuildDisc(const Vec3& centre, const Vec3& rim);
    void BuildRectangle(const Vec3& p0, const Vec3& p1);
    void BuildBox(const Vec3& a, const Vec3& b);
    void BuildTorus(const Vec3& centre, double major, double minor);
};
