#include "draw/CirclePoints.h"
#include "draw/Dimension.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

BoundingBox LocalBounds(const CSceneObject& o) {
    BoundingBox box;
    o.ExtendBounds(box, Matrix4(true));
    return box;
}

TEST(PolylineBuilder, CircleLiesOnItsPlaneAtTheRadius) {
    // x and y differ: XY plane around the centre, radius |P1 - P0| = 5.
    const Vec3 c(1, 2, 3);
    auto xy = CirclePoints(c, Vec3(4, 6, 3));
    ASSERT_TRUE(xy.size() == 180 || xy.size() == 181);
    for (const Vec3& p : xy) {
        EXPECT_NEAR(std::hypot(p.x - 1, p.y - 2), 5.0, 1e-12);
        EXPECT_EQ(p.z, 3.0);
    }
    EXPECT_NEAR(xy[0].x, 6.0, 1e-12); // angle 0 lies on +x
    EXPECT_NEAR(xy[45].y, 2 + 5 * std::sin(90 * 0.034906585 / 2 * 1), 1e-9);
    // Only x differs: XZ plane.
    for (const Vec3& p : CirclePoints(c, Vec3(3, 2, 3)))
        EXPECT_EQ(p.y, 2.0);
    // x equal: YZ plane.
    for (const Vec3& p : CirclePoints(c, Vec3(1, 5, 3)))
        EXPECT_EQ(p.x, 1.0);

    CPolyline line;
    line.Build(kShapeCircle, {c});
    EXPECT_TRUE(line.points.empty()); // a circle needs two points
}

TEST(PolylineBuilder, CurveSamplesBezierAndSkipsFirstControlPoint) {
    const Vec3 p0(0, 0, 0), p1(10, 20, 0), p2(20, 0, 4);
    CPolyline curve;
    curve.Build(kShapeCurve, {p0, p1, p2});
    ASSERT_EQ(curve.points.size(), 30u);
    EXPECT_NE(curve.points[0], p0);
    // Sample k = 15 is t = 1/2: B = P0/4 + P1/2 + P2/4.
    const Vec3 mid = curve.points[14];
    EXPECT_NEAR(mid.x, 10.0, 1e-5);
    EXPECT_NEAR(mid.y, 10.0, 1e-5);
    EXPECT_NEAR(mid.z, 1.0, 1e-5);
    // The first sample is t = 1/30: 2 t (1 - t) P1 + t^2 P2 in x.
    const double t = 1.0 / 30;
    EXPECT_NEAR(curve.points[0].x, 2 * t * (1 - t) * 10 + t * t * 20, 1e-6);
    EXPECT_NEAR(curve.points.back().x, 20.0, 1e-4);

    CPolyline line;
    line.Build(kShapeLine, {p0, p1});
    EXPECT_EQ(line.points.size(), 2u);
}

TEST(PolyfaceBuilder, SphereVerticesLieOnTheSphere) {
    const Vec3 q(5, -2, 1);
    CPolyface s;
    s.Build(kShapeSphere, {q, q + Vec3(0, 0, 4)});
    EXPECT_STREQ(s.name, "Sphere");
    ASSERT_EQ(s.vertices.size(), 182u);
    ASSERT_EQ(s.faces.size(), 200u);
    for (const Vec3& v : s.vertices)
        EXPECT_NEAR(Distance(v, q), 4.0, 1e-9);
    EXPECT_EQ(s.vertices[0], Vec3(5, 2, 1));
    EXPECT_EQ(s.vertices[181], Vec3(5, -6, 1));
    // Ring 1, azimuth 0: polar angle pi/10 from +Y.
    EXPECT_NEAR(s.vertices[1].x, 5 + 4 * std::sin(kPi / 10), 1e-6);
    EXPECT_NEAR(s.vertices[1].y, -2 + 4 * std::cos(kPi / 10), 1e-6);
    // Ring 5 is the equator (polar angle pi/2); azimuth j = 5 is pi/2 towards +z.
    EXPECT_NEAR(s.vertices[81 + 5].z, 1 + 4, 1e-6);
    EXPECT_NEAR(s.vertices[81 + 5].y, -2, 1e-6);
    for (const Quad& f : s.faces)
        for (int i : f)
            EXPECT_TRUE(i >= 0 && i < 182);
    // First band face and the wrap-around face of the last band.
    EXPECT_EQ(s.faces[20], (Quad{1, 2, 22, 21}));
    EXPECT_EQ(s.faces[39], (Quad{20, 1, 21, 40}));
    EXPECT_EQ(s.faces[199], (Quad{181, 180, 161, 161}));
}

TEST(PolyfaceBuilder, CylinderAndConeRings) {
    // P0 -> P1 differs in x only: axis Y. Radius 3, height |P2 - P1| = 8.
    const Vec3 p0(1, 1, 1);
    CPolyface cyl;
    cyl.Build(kShapeCylinder, {p0, Vec3(4, 1, 1), Vec3(4, 9, 1)});
    EXPECT_STREQ(cyl.name, "Cylinder");
    ASSERT_EQ(cyl.vertices.size(), 80u);
    ASSERT_EQ(cyl.faces.size(), 40u);
    for (int i = 0; i < 40; ++i) {
        const Vec3 base = cyl.vertices[2 * i] - p0, end = cyl.vertices[2 * i + 1] - p0;
        EXPECT_NEAR(std::hypot(base.x, base.z), 3.0, 1e-9);
        EXPECT_NEAR(base.y, 0.0, 1e-12);
        EXPECT_NEAR(std::hypot(end.x, end.z), 3.0, 1e-9);
        EXPECT_NEAR(end.y, 8.0, 1e-12);
    }
    EXPECT_EQ(cyl.faces[0], (Quad{0, 1, 79, 78}));
    EXPECT_EQ(cyl.faces[1], (Quad{2, 3, 1, 0}));

    // Cone: base radius 3 around P0, tip 8 above it. Picked like this (radius 14.1, height 20)
    // it once came out with a radius of 5.04.
    CPolyface cone;
    cone.Build(kShapeCone, {p0, Vec3(4, 1, 1), Vec3(4, 9, 1)});
    ASSERT_EQ(cone.vertices.size(), 80u);
    for (int i = 0; i < 40; ++i) {
        const Vec3 base = cone.vertices[2 * i] - p0;
        EXPECT_NEAR(std::hypot(base.x, base.z), 3.0, 1e-9);
        EXPECT_NEAR(base.y, 0.0, 1e-12);
        EXPECT_NEAR(Distance(cone.vertices[2 * i + 1], Vec3(1, 9, 1)), 0.0, 1e-12);
    }
    CPolyface wide; // a radius beyond 90 is just a wide cone
    wide.Build(kShapeCone, {Vec3(), Vec3(100, 0, 0), Vec3(100, 5, 0)});
    EXPECT_NEAR(Distance(wide.vertices[0], Vec3()), 100.0, 1e-9);
    EXPECT_NEAR(Distance(wide.vertices[1], Vec3(0, 5, 0)), 0.0, 1e-12);

    // Two points: the filled base circle, every face a triangle at the centre.
    for (int shape : {kShapeCone, kShapeCylinder, kShapeTorus}) {
        CPolyface preview;
        preview.Build(shape, {p0, Vec3(4, 1, 1)});
        ASSERT_GE(preview.vertices.size(), 181u);
        EXPECT_EQ(preview.faces.size(), preview.vertices.size() - 1);
        EXPECT_EQ(preview.vertices.back(), p0);
        for (const Quad& q : preview.faces)
            EXPECT_EQ(q[0], static_cast<int>(preview.vertices.size()) - 1);
    }
}

TEST(PolyfaceBuilder, ConeMeshAxes) {
    CPolyface mesh;
    mesh.BuildConeMesh(45.0, 45.0, 2.0, 0.5, kAxisX, false);
    // Vertex 1 is the end ring at alpha 0: (L, 0, L tan 45).
    EXPECT_NEAR(mesh.vertices[1].x, 2.0, 1e-12);
    EXPECT_NEAR(mesh.vertices[1].z, 2.0, 1e-6);
    EXPECT_NEAR(mesh.vertices[0].z, 0.5, 1e-12);
    mesh.BuildConeMesh(0, 0, 2.0, 0.5, kAxisZ, true);
    EXPECT_NEAR(mesh.vertices[1].z, 2.0, 1e-12);
    EXPECT_NEAR(mesh.vertices[1].y, 0.5, 1e-12);
}

TEST(PolyfaceBuilder, TorusAroundCentreInXYPlane) {
    const Vec3 c(2, 3, 4);
    CPolyface torus;
    // Major radius 10 (x), minor radius 2.
    torus.Build(kShapeTorus, {c, c + Vec3(10, 0, 0), c + Vec3(10, 2, 0)});
    ASSERT_EQ(torus.vertices.size(), 2500u);
    ASSERT_EQ(torus.faces.size(), 2500u);
    for (const Vec3& v : torus.vertices) {
        const double ring = std::hypot(v.x - c.x, v.y - c.y);
        EXPECT_NEAR(std::hypot(ring - 10.0, v.z - c.z), 2.0, 1e-6);
    }
    EXPECT_NEAR(torus.vertices[0].x, 14.0, 1e-12); // phi = theta = 0: R + m along +x
    EXPECT_EQ(torus.faces[49], (Quad{49, 0, 50, 99}));
    EXPECT_EQ(torus.faces[2499], (Quad{2499, 2450, 0, 49}));

    CPolyface thin;
    thin.Build(kShapeTorus, {c, c + Vec3(1, 0, 0), c + Vec3(1, 5, 0)});
    EXPECT_TRUE(thin.vertices.empty());
}

TEST(PolyfaceBuilder, BoxRectangleAndCentreOrigin) {
    CPolyface box;
    box.Build(kShapeBox, {Vec3(0, 0, 0), Vec3(2, 4, 6)});
    ASSERT_EQ(box.vertices.size(), 8u);
    EXPECT_EQ(box.vertices[2], Vec3(2, 0, 6));
    EXPECT_EQ(box.faces[1], (Quad{4, 7, 6, 5}));

    CPolyface rect;
    rect.Build(kShapeRectangle, {Vec3(0, 0, 0), Vec3(2, 0, 6)}); // only x differs
    EXPECT_EQ(rect.vertices[1], Vec3(0, 0, 6));
    EXPECT_EQ(rect.vertices[3], Vec3(2, 0, 0));

    // CenterOrigin moves the origin, not the geometry.
    const BoundingBox before = LocalBounds(box);
    box.CenterOrigin();
    EXPECT_EQ(TranslationOf(box.transform), Vec3(1, 2, 3));
    BoundingBox after;
    box.ExtendBounds(after, box.transform);
    EXPECT_EQ(after.min, before.min);
    EXPECT_EQ(after.max, before.max);

    CPolyface one;
    one.Build(kShapeSphere, {Vec3(1, 1, 1)});
    EXPECT_TRUE(one.vertices.empty());
}

TEST(TextBuilder, OutlineOfCapitalHAtTheAnchor) {
    CText3D text;
    text.text = "H";
    text.Build({Vec3(10, 20, 5)});
    ASSERT_FALSE(text.strokes.empty());
    // One contour: the move-to point is doubled once.
    int starts = 0;
    for (std::size_t i = 0; i + 1 < text.strokes.size(); ++i)
        starts += text.strokes[i] == text.strokes[i + 1];
    EXPECT_EQ(starts, 1);
    const BoundingBox box = LocalBounds(text);
    // Size 10: cell height 100 device units = 10 in; a capital is ~0.64 of the cell for
    // Arial's metrics (cap height 0.716 em, cell 1.117 em), and lies below the anchor.
    EXPECT_NEAR(box.max.y - box.min.y, 6.41, 0.3);
    EXPECT_LT(box.max.y, 20.0);
    EXPECT_GT(box.min.x, 10.0);
    EXPECT_EQ(box.min.z, 5.0);
    EXPECT_EQ(box.max.z, 5.0);

    text.text.clear();
    text.Build({Vec3(10, 20, 5)});
    EXPECT_TRUE(text.strokes.empty());
}

TEST(DimensionBuilder, LinearDistancesInDisplayUnits) {
    const std::vector<Vec3> clicks{Vec3(0, 0, 0), Vec3(30, 40, 0)};
    CDimension h(kDimensionHorizontal), v(kDimensionVertical), a(kDimensionAligned);
    h.Build(clicks, 0);
    v.Build(clicks, 0);
    a.Build(clicks, 0);
    EXPECT_EQ(h.label, "30");
    EXPECT_EQ(v.label, "40");
    EXPECT_EQ(a.label, "50");
    EXPECT_EQ(v.angle, 90.0f);
    // Offsets of the label anchor and the two offset points around the midpoint (15, 20, 0).
    EXPECT_EQ(h.points[0], Vec3(15, 20, 0));
    EXPECT_EQ(h.points[1], Vec3(30, 20, 0));
    EXPECT_EQ(v.points[2], Vec3(10, 20, 0));
    EXPECT_EQ(a.points[1], Vec3(30, 5, 0));
    // 50 in = 127 cm; 30 in = 2.499990 ft -> "2.5".
    a.Build(clicks, 3);
    EXPECT_EQ(a.label, "127");
    h.Build(clicks, 1);
    EXPECT_EQ(h.label, "2.5");
    a.Build({Vec3(0, 0, 0), Vec3(1, 0, 0)}, 2);
    EXPECT_EQ(a.label, "0.03"); // 0.0254 m with 2 decimals

    // Points at different depths: the horizontal distance runs in the floor plane (x and z,
    // here 30 and 40: 50), the vertical one is the height difference alone.
    const std::vector<Vec3> deep{Vec3(0, 0, 0), Vec3(30, 12, 40)};
    h.Build(deep, 0);
    v.Build(deep, 0);
    EXPECT_EQ(h.label, "50");
    EXPECT_EQ(v.label, "12");
}

TEST(DimensionBuilder, AngleCountsCounterClockwise) {
    CDimension d(kDimensionAngle);
    ASSERT_EQ(d.points.size(), 6u);
    d.Build({Vec3(0, 0, 0), Vec3(5, 0, 0), Vec3(0, 5, 0)}, 0);
    EXPECT_EQ(d.label, "90");
    EXPECT_EQ(d.points[0], Vec3(2.5, 2.5, 0));
    d.Build({Vec3(0, 0, 0), Vec3(0, 5, 0), Vec3(5, 0, 0)}, 0);
    EXPECT_EQ(d.label, "270");
    d.Build({Vec3(1, 1, 0), Vec3(1, 1, 0), Vec3(5, 0, 0)}, 0);
    EXPECT_EQ(d.label, "0");
    EXPECT_EQ(d.angle, 0.0f);
}

TEST(DrawingObjectCopy, CopiesKeepGeometryAndOptionallyTheId) {
    CPolyface s;
    s.Build(kShapeSphere, {Vec3(), Vec3(1, 0, 0)});
    CPolyface same(s, true), fresh(s, false);
    EXPECT_EQ(same.id, s.id);
    EXPECT_NE(fresh.id, s.id);
    EXPECT_EQ(fresh.vertices.size(), 182u);
    EXPECT_STREQ(fresh.name, "Sphere");
    CDimension d(kDimensionAngle);
    d.Build({Vec3(), Vec3(1, 0, 0), Vec3(0, 1, 0)}, 0);
    CDimension dc(d, false);
    EXPECT_EQ(dc.kind, kDimensionAngle);
    EXPECT_EQ(dc.label, "90");
}

} // namespace
