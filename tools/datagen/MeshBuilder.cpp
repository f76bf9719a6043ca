#include "MeshBuilder.h"

#include "core/MathConstants.h"

#include <algorithm>
#include <cmath>

namespace {

// Catmull-Rom interpolation through the sections' values, clamped at the ends.
double Interpolate(const std::vector<Section>& s, double t, double Section::*field) {
    if (t <= s.front().t) {
        return s.front().*field;
    }
    if (t >= s.back().t) {
        return s.back().*field;
    }
    size_t i = 0;
    while (i + 2 < s.size() && t > s[i + 1].t) {
        ++i;
    }
    const double p0 = s[i > 0 ? i - 1 : i].*field, p1 = s[i].*field, p2 = s[i + 1].*field;
    const double p3 = s[i + 2 < s.size() ? i + 2 : i + 1].*field;
    const double u = (t - s[i].t) / (s[i + 1].t - s[i].t);
    return 0.5 * (2 * p1 + (-p0 + p2) * u + (2 * p0 - 5 * p1 + 4 * p2 - p3) * u * u +
                  (-p0 + 3 * p1 - 3 * p2 + p3) * u * u * u);
}

double SuperPower(double c, double exponent) {
    return (c < 0 ? -1.0 : 1.0) * std::pow(std::fabs(c), 2.0 / exponent);
}

// Rows of rings joined by quads, each end closed with a fan of triangles around a pole.
SurfaceMesh Tube(const std::vector<std::vector<Vec3>>& rings, const Vec3& startPole,
                 const Vec3& endPole) {
    SurfaceMesh m;
    const int rows = static_cast<int>(rings.size());
    const int cols = static_cast<int>(rings.front().size());
    for (const auto& ring : rings) {
        m.vertices.insert(m.vertices.end(), ring.begin(), ring.end());
    }
    for (int r = 0; r + 1 < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const int c1 = (c + 1) % cols;
            m.faces.push_back(
                {r * cols + c, r * cols + c1, (r + 1) * cols + c1, (r + 1) * cols + c});
        }
    }
    const int start = static_cast<int>(m.vertices.size());
    m.vertices.push_back(startPole);
    m.vertices.push_back(endPole);
    for (int c = 0; c < cols; ++c) {
        const int c1 = (c + 1) % cols;
        m.faces.push_back({c1, c, start, start});
        m.faces.push_back({(rows - 1) * cols + c, (rows - 1) * cols + c1, start + 1, start + 1});
    }
    if (SignedVolume(m) < 0) {
        for (auto& f : m.faces) {
            f = f[2] == f[3] ? std::array<int, 4>{f[1], f[0], f[2], f[2]}
                             : std::array<int, 4>{f[0], f[3], f[2], f[1]};
        }
    }
    return m;
}

} // namespace

void SurfaceMesh::Append(const SurfaceMesh& other) {
    const int base = static_cast<int>(vertices.size());
    vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
    for (auto f : other.faces) {
        for (int& i : f) {
            i += base;
        }
        faces.push_back(f);
    }
}

Frame FrameAlong(const Vec3& from, const Vec3& to, const Vec3& sideHint) {
    Frame f;
    f.origin = from;
    f.axis = Normalize(to - from);
    f.front = Normalize(Cross(sideHint, f.axis));
    f.side = Cross(f.axis, f.front);
    return f;
}

SurfaceMesh Loft(const Frame& frame, double length, const std::vector<Section>& sections, int rows,
                 int columns, double startCap, double endCap, const Relief& relief) {
    std::vector<std::vector<Vec3>> rings;
    Vec3 startCentre, endCentre;
    for (int r = 0; r < rows; ++r) {
        const double t = static_cast<double>(r) / (rows - 1);
        const double hs = Interpolate(sections, t, &Section::halfSide);
        const double hf = Interpolate(sections, t, &Section::halfFront);
        const double os = Interpolate(sections, t, &Section::offsetSide);
        const double of = Interpolate(sections, t, &Section::offsetFront);
        const double e = Interpolate(sections, t, &Section::exponent);
        std::vector<Vec3> ring;
        for (int c = 0; c < columns; ++c) {
            const double angle = tav::kTwoPi * c / columns;
            const double cs = std::sin(angle), cf = std::cos(angle);
            double ps = hs * SuperPower(cs, e), pf = hf * SuperPower(cf, e);
            if (relief) {
                const double d = relief(t, angle);
                ps += d * cs;
                pf += d * cf;
            }
            ring.push_back(frame.At(t * length, os + ps, of + pf));
        }
        if (r == 0) {
            startCentre = frame.At(-startCap, os, of);
        }
        if (r == rows - 1) {
            endCentre = frame.At(length + endCap, os, of);
        }
        rings.push_back(ring);
    }
    return Tube(rings, startCentre, endCentre);
}

SurfaceMesh Ellipsoid(const Frame& frame, const Vec3& radii, int rows, int columns) {
    std::vector<std::vector<Vec3>> rings;
    for (int r = 1; r < rows; ++r) {
        const double polar = tav::kPi * r / rows;
        std::vector<Vec3> ring;
        for (int c = 0; c < columns; ++c) {
            const double angle = tav::kTwoPi * c / columns;
            ring.push_back(frame.At(-radii.y * std::cos(polar),
                                    radii.x * std::sin(polar) * std::sin(angle),
                                    radii.z * std::sin(polar) * std::cos(angle)));
        }
        rings.push_back(ring);
    }
    return Tube(rings, frame.At(-radii.y, 0, 0), frame.At(radii.y, 0, 0));
}

SurfaceMesh Box(const Frame& frame, const Vec3& h) {
    SurfaceMesh m;
    // Each face: outward normal direction n, and two in-plane directions u, v with u x v = n.
    const Vec3 dirs[3] = {frame.side * h.x, frame.axis * h.y, frame.front * h.z};
    for (int axis = 0; axis < 3; ++axis) {
        for (int sign : {1, -1}) {
            const Vec3 n = dirs[axis] * sign;
            Vec3 u = dirs[(axis + 1) % 3], v = dirs[(axis + 2) % 3];
            if (sign < 0) {
                std::swap(u, v);
            }
            const Vec3 centre = frame.origin + n;
            const int base = static_cast<int>(m.vertices.size());
            // Corners 0..3 counter-clockwise, edge midpoints 4..7 after each corner, centre 8.
            const Vec3 corners[4] = {centre - u - v, centre + u - v, centre + u + v,
                                     centre - u + v};
            for (const Vec3& c : corners) {
                m.vertices.push_back(c);
            }
            for (int k = 0; k < 4; ++k) {
                m.vertices.push_back((corners[k] + corners[(k + 1) % 4]) * 0.5);
            }
            m.vertices.push_back(centre);
            for (int k = 0; k < 4; ++k) {
                // corner k, the midpoint after it, the centre, the midpoint before it: every
                // vertex is among the first three points of some quad.
                m.faces.push_back({base + k, base + 4 + k, base + 8, base + 4 + (k + 3) % 4});
            }
        }
    }
    if (SignedVolume(m) < 0) {
        for (auto& f : m.faces) {
            f = {f[0], f[3], f[2], f[1]};
        }
    }
    return m;
}

SurfaceMesh Cylinder(const Vec3& a, const Vec3& b, double radius, int sides) {
    const Frame f =
        FrameAlong(a, b, std::fabs(Normalize(b - a).x) > 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0});
    const double length = Length(b - a);
    std::vector<std::vector<Vec3>> rings(2);
    for (int c = 0; c < sides; ++c) {
        const double angle = tav::kTwoPi * c / sides;
        rings[0].push_back(f.At(0, radius * std::sin(angle), radius * std::cos(angle)));
        rings[1].push_back(f.At(length, radius * std::sin(angle), radius * std::cos(angle)));
    }
    return Tube(rings, a, b);
}

SurfaceMesh Ring(const Vec3& centre, double rx, double rz, double tube, double tilt, int segments,
                 int sides) {
    SurfaceMesh m;
    const double drop = std::tan(tilt * tav::kDegToRad);
    for (int i = 0; i < segments; ++i) {
        const double u = tav::kTwoPi * i / segments;
        const Vec3 path{rx * std::sin(u), -drop * rz * std::max(0.0, std::cos(u)),
                        rz * std::cos(u)};
        const Vec3 out = Normalize(Vec3{std::sin(u) / rx, 0, std::cos(u) / rz});
        for (int j = 0; j < sides; ++j) {
            const double v = tav::kTwoPi * j / sides;
            m.vertices.push_back(centre + path + out * (tube * std::cos(v)) +
                                 Vec3{0, tube * std::sin(v), 0});
        }
    }
    for (int i = 0; i < segments; ++i) {
        for (int j = 0; j < sides; ++j) {
            const int i1 = (i + 1) % segments, j1 = (j + 1) % sides;
            m.faces.push_back({i * sides + j, i1 * sides + j, i1 * sides + j1, i * sides + j1});
        }
    }
    if (SignedVolume(m) < 0) {
        for (auto& f : m.faces) {
            f = {f[0], f[3], f[2], f[1]};
        }
    }
    return m;
}

SurfaceMesh MirroredX(const SurfaceMesh& mesh) {
    SurfaceMesh m = mesh;
    for (Vec3& v : m.vertices) {
        v.x = -v.x;
    }
    for (auto& f : m.faces) {
        f = f[2] == f[3] ? std::array<int, 4>{f[1], f[0], f[2], f[2]}
                         : std::array<int, 4>{f[0], f[3], f[2], f[1]};
    }
    return m;
}

void FitExtents(SurfaceMesh& mesh, double width, double depth) {
    if (mesh.vertices.empty()) {
        return;
    }
    Vec3 lo = mesh.vertices.front(), hi = lo;
    for (const Vec3& v : mesh.vertices) {
        lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
        hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    }
    const double cx = 0.5 * (lo.x + hi.x), cz = 0.5 * (lo.z + hi.z);
    const double kx = width / (hi.x - lo.x), kz = depth / (hi.z - lo.z);
    for (Vec3& v : mesh.vertices) {
        v.x = cx + (v.x - cx) * kx;
        v.z = cz + (v.z - cz) * kz;
    }
}

double SignedVolume(const SurfaceMesh& mesh) {
    double volume = 0.0;
    for (const auto& f : mesh.faces) {
        const Vec3& a = mesh.vertices[f[0]];
        volume += Dot(a, Cross(mesh.vertices[f[1]], mesh.vertices[f[2]]));
        if (f[3] != f[2]) {
            volume += Dot(a, Cross(mesh.vertices[f[2]], mesh.vertices[f[3]]));
        }
    }
    return volume / 6.0;
}
