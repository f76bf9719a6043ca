#pragma once

#include "core/Vec3.h"

#include <array>
#include <functional>
#include <vector>

// A quadrilateral surface in the figure's common frame (cm): the shape of one segment in one
// representation, without its landmark vertices. Faces list four vertex indices, counter-
// clockwise seen from outside; a triangle repeats its last vertex.
struct SurfaceMesh {
    std::vector<Vec3> vertices;
    std::vector<std::array<int, 4>> faces;

    void Append(const SurfaceMesh& other);
};

// An orthonormal frame for building a primitive: `axis` runs along it, `side` and `front` span
// its cross-sections.
struct Frame {
    Vec3 origin;
    Vec3 axis{0, 1, 0};
    Vec3 side{1, 0, 0};
    Vec3 front{0, 0, 1};

    Vec3 At(double along, double sideways, double forward) const {
        return origin + axis * along + side * sideways + front * forward;
    }
};
// A frame whose axis runs from `from` towards `to`, with side and front as near as possible to
// the given directions.
Frame FrameAlong(const Vec3& from, const Vec3& to, const Vec3& sideHint = {1, 0, 0});

// One cross-section of a lofted tube: at `t` (fraction of the tube's length), half-widths along
// side and front, the centre's offset from the axis, and the superellipse exponent (2 ellipse,
// larger = boxier).
struct Section {
    double t;
    double halfSide;
    double halfFront;
    double offsetSide = 0.0;
    double offsetFront = 0.0;
    double exponent = 2.0;
};

// Outward displacement (cm) of the surface at (t, angle); angle 0 faces `front`, pi/2 `side`.
using Relief = std::function<double(double t, double angle)>;

// A closed tube along frame.axis from 0 to `length`: sections interpolated smoothly, `rows` rings
// of `columns` points, and both ends closed by a pole pushed out by the given lengths.
SurfaceMesh Loft(const Frame& frame, double length, const std::vector<Section>& sections, int rows,
                 int columns, double startCap, double endCap, const Relief& relief = {});
// An ellipsoid with semi-axes along the frame's side, axis and front.
SurfaceMesh Ellipsoid(const Frame& frame, const Vec3& radii, int rows, int columns);
// A box with half-sizes along side, axis and front; each face is four quads so that its
// shading stays flat.
SurfaceMesh Box(const Frame& frame, const Vec3& halfSize);
// A cylinder of `radius` from a to b with flat ends.
SurfaceMesh Cylinder(const Vec3& a, const Vec3& b, double radius, int sides);

// A horizontal elliptical ring (like a rib) around `centre` with semi-axes rx (x) and rz (z),
// made of a tube of radius `tube`; `tilt` (degrees) lowers its front.
SurfaceMesh Ring(const Vec3& centre, double rx, double rz, double tube, double tilt, int segments,
                 int sides);

// The mesh reflected through the plane x = 0 (faces reversed to stay outward).
SurfaceMesh MirroredX(const SurfaceMesh& mesh);
// Moves surface points away from or towards a vertical line (x = cx, z = cz) so that the
// x and z extents of the surface become the given widths, keeping its centre.
void FitExtents(SurfaceMesh& mesh, double width, double depth);
// Signed volume (cm^3) enclosed by the surface; positive when the faces point outward.
double SignedVolume(const SurfaceMesh& mesh);
