#include "draw/Polyface.h"

#include "core/GeometryCache.h"
#include "core/MathConstants.h"
#include "draw/CirclePoints.h"
#include "draw/DrawStyle.h"
#include "draw/DrawingShapes.h"
#include "draw/Polyline.h"

#include <GL/gl.h>

#include <cmath>

CPolyface::CPolyface() {
    type = kTypePolyface;
    SetName("Polyface");
    colour = PackRGB(255, 0, 255);
}

CPolyface::CPolyface(const CPolyface& source, bool keepId)
    : CSceneObject(source, keepId), vertices(source.vertices), faces(source.faces) {}

void CPolyface::Draw(bool whiteFill, int viewType) {
    BeginObjectDrawing(*this, whiteFill, kSelectedPolyfaceColour);
    DrawFaces();
    EndObjectDrawing();
}

void CPolyface::DrawFaces() const {
    // Compiled once per view and rebuilt after Invalidate().
    DrawCachedGeometry(*this, 0, [this] {
        const int count = static_cast<int>(vertices.size());
        for (const Quad& f : faces) {
            if (f[0] < 0 || f[1] < 0 || f[2] < 0 || f[3] < 0 || f[0] >= count || f[1] >= count ||
                f[2] >= count || f[3] >= count)
                continue;
            glBegin(GL_POLYGON);
            const Vec3 n = TriangleNormal(vertices[f[0]], vertices[f[1]], vertices[f[2]]);
            if (Length(n) != 0.0) {
                const Vec3 u = n / Length(n);
                glNormal3d(u.x, u.y, u.z);
            }
            for (int index : f)
                glVertex3d(vertices[index].x, vertices[index].y, vertices[index].z);
            glEnd();
        }
    });
}

void CPolyface::ExtendBounds(BoundingBox& box, const Matrix4& world) const {
    ExtendBoundsByPoints(box, world, vertices);
}

void CPolyface::CenterOrigin() {
    transform = transform * Translation(CentrePoints(vertices));
}

void CPolyface::Build(int shape, const std::vector<Vec3>& clicks) {
    vertices.clear();
    faces.clear();
    static const char* const kNames[] = {"",    "",     "",      "Sphere", "Rectangle", "",
                                         "Box", "Cone", "Torus", "",       "Cylinder"};
    if (shape >= 0 && shape <= kShapeCylinder && kNames[shape][0])
        SetName(kNames[shape]);
    Invalidate();
    if (clicks.size() < 2)
        return;
    const Vec3& p0 = clicks[0];
    const Vec3& p1 = clicks[1];
    const double radius = Distance(p0, p1);
    const bool preview = clicks.size() == 2;
    switch (shape) {
    case kShapeSphere:
        BuildSphere(p0, radius);
        break;
    case kShapeRectangle:
        BuildRectangle(p0, p1);
        break;
    case kShapeBox:
        BuildBox(p0, p1);
        break;
    case kShapeCone:
    case kShapeCylinder:
    case kShapeTorus: {
        if (preview) {
            BuildDisc(p0, p1);
            break;
        }
        const double second = Distance(clicks[1], clicks[2]);
        if (shape == kShapeTorus) {
            if (radius >= second)
                BuildTorus(p0, radius, second);
            break;
        }
        const int axis = (p0.x != p1.x && p0.y != p1.y) ? kAxisZ : (p0.x != p1.x ? kAxisY : kAxisX);
        if (shape == kShapeCylinder)
            BuildConeMesh(0.0, 0.0, second, radius, axis, true);
        else // base of the picked radius around P0, tip at the picked height
            BuildConeMesh(0.0, 0.0, second, radius, axis, false);
        for (Vec3& v : vertices)
            v = v + p0;
        break;
    }
    default:
        break;
    }
}

void CPolyface::BuildSphere(const Vec3& q, double r) {
    const double step = static_cast<double>(0.31415927f); // pi / 10 in single precision
    vertices.reserve(182);
    vertices.emplace_back(q.x, q.y + r, q.z);
    for (int k = 1; k <= 9; ++k) {
        const double phi = k * step;
        for (int j = 0; j < 20; ++j) {
            const double theta = j * step;
            vertices.emplace_back(q.x + r * std::sin(phi) * std::cos(theta),
                                  q.y + r * std::cos(phi),
                                  q.z + r * std::sin(phi) * std::sin(theta));
        }
    }
    vertices.emplace_back(q.x, q.y - r, q.z);

    faces.reserve(200);
    for (int j = 0; j < 19; ++j)
        faces.push_back({0, j + 2, j + 1, j + 1});
    faces.push_back({0, 1, 20, 20});
    for (int b = 1; b <= 141; b += 20)
        for (int j = 0; j < 20; ++j) {
            const int v = b + j;
            faces.push_back({v, j == 19 ? v - 19 : v + 1, j == 19 ? v + 1 : v + 21, v + 20});
        }
    const int b = 161;
    for (int j = 0; j < 19; ++j)
        faces.push_back({181, b + j, b + j + 1, b + j + 1});
    faces.push_back({181, b + 19, b, b});
}

void CPolyface::BuildDisc(const Vec3& centre, const Vec3& rim) {
    vertices = CirclePoints(centre, rim);
    const int ring = static_cast<int>(vertices.size());
    vertices.push_back(centre);
    faces.reserve(ring);
    for (int i = 0; i < ring; ++i) {
        const int next = (i + 1) % ring;
        faces.push_back({ring, i, next, next});
    }
}

void CPolyface::BuildRectangle(const Vec3& p0, const Vec3& p1) {
    if (p0.x != p1.x && p0.y != p1.y)
        vertices = {p0, {p1.x, p0.y, p0.z}, p1, {p0.x, p1.y, p1.z}};
    else if (p0.x != p1.x)
        vertices = {p0, {p0.x, p1.y, p1.z}, p1, {p1.x, p0.y, p0.z}};
    else
        vertices = {p0, {p0.x, p1.y, p0.z}, p1, {p0.x, p0.y, p1.z}};
    faces = {{0, 1, 2, 3}};
}

void CPolyface::BuildBox(const Vec3& a, const Vec3& b) {
    vertices = {
        a, {a.x, a.y, b.z}, {b.x, a.y, b.z}, {b.x, a.y, a.z}, {a.x, b.y, a.z}, {a.x, b.y, b.z},
        b, {b.x, b.y, a.z}};
    faces = {{0, 1, 2, 3}, {4, 7, 6, 5}, {3, 2, 6, 7}, {0, 4, 5, 1}, {1, 5, 6, 2}, {0, 3, 7, 4}};
}

void CPolyface::BuildTorus(const Vec3& c, double major, double minor) {
    constexpr int kSteps = 50;
    constexpr double kStepDegrees = 7.2;
    vertices.reserve(kSteps * kSteps);
    for (int i = 0; i < kSteps; ++i) {
        const double phi = i * kStepDegrees * tav::kDegToRad;
        for (int j = 0; j < kSteps; ++j) {
            const double theta = j * kStepDegrees * tav::kDegToRad;
            const double ring = major + minor * std::cos(phi);
            vertices.emplace_back(c.x + ring * std::cos(theta), c.y + ring * std::sin(theta),
                                  c.z + minor * std::sin(phi));
        }
    }
    faces.reserve(kSteps * kSteps);
    for (int i = 0; i < kSteps; ++i) {
        const int i2 = (i + 1) % kSteps;
        for (int j = 0; j < kSteps; ++j) {
            const int j2 = (j + 1) % kSteps;
            faces.push_back({i * kSteps + j, i * kSteps + j2, i2 * kSteps + j2, i2 * kSteps + j});
        }
    }
}

void CPolyface::BuildConeMesh(double halfAngleX, double halfAngleY, double length,
                              double baseRadius, int axis, bool cylinder) {
    const double r1 = cylinder ? baseRadius : length * std::tan(halfAngleX * tav::kDegToRad);
    const double r2 = cylinder ? baseRadius : length * std::tan(halfAngleY * tav::kDegToRad);
    const double d = baseRadius;
    constexpr double kStep = 0.15707963267948966; // 2 pi / 40
    vertices.clear();
    faces.clear();
    vertices.reserve(80);
    for (int i = 0; i < 40; ++i) {
        const double s = std::sin(i * kStep);
        const double c = std::cos(i * kStep);
        switch (axis) {
        case kAxisX:
            vertices.emplace_back(0.0, d * s, d * c);
            vertices.emplace_back(length, r1 * s, r2 * c);
            break;
        case kAxisY:
            vertices.emplace_back(d * s, 0.0, d * c);
            vertices.emplace_back(r1 * s, length, r2 * c);
            break;
        default:
            vertices.emplace_back(d * s, d * c, 0.0);
            vertices.emplace_back(r1 * s, r2 * c, length);
            break;
        }
    }
    faces.reserve(40);
    faces.push_back({0, 1, 79, 78});
    for (int i = 1; i < 40; ++i)
        faces.push_back({2 * i, 2 * i + 1, 2 * i - 1, 2 * i - 2});
}
