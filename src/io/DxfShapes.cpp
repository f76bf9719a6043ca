#include "io/DxfShapes.h"

#include "core/MathConstants.h"

#include <algorithm>
#include <cmath>

namespace {
// A constant expression: a namespace-scope copy of tav::kPi could be read before it is set.
constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
} // namespace

Matrix4 ArbitraryAxisMatrix(const Vec3& normal) {
    Matrix4 m(true);
    if (normal.z == 1.0 || LengthSquared(normal) == 0.0)
        return m;
    const Vec3 n = Normalize(normal);
    constexpr double kLimit = 1.0 / 64.0;
    const Vec3 seed = std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit ? Vec3{0.0, 1.0, 0.0}
                                                                         : Vec3{0.0, 0.0, 1.0};
    const Vec3 ax = Normalize(Cross(seed, n));
    const Vec3 ay = Normalize(Cross(n, ax));
    for (int row = 0; row < 3; ++row) {
        m(row, 0) = ax[row];
        m(row, 1) = ay[row];
        m(row, 2) = n[row];
    }
    return m;
}

int ArcSegments(double sweepDegrees) {
    const int n = static_cast<int>(std::floor(std::fabs(sweepDegrees) / 360.0 * 20.0 + 0.5));
    return std::max(n, 3);
}

std::vector<Vec3> ArcPoints(const Vec3& centre, double radius, double startDegrees,
                            double endDegrees) {
    if (std::fabs(startDegrees) > 360.0)
        startDegrees = std::fmod(startDegrees, 360.0);
    if (std::fabs(endDegrees) > 360.0)
        endDegrees = std::fmod(endDegrees, 360.0);
    if (endDegrees < startDegrees)
        endDegrees += 360.0;
    const double sweep = endDegrees - startDegrees;
    const int segments = ArcSegments(sweep);
    std::vector<Vec3> points;
    points.reserve(segments + 1);
    for (int i = 0; i <= segments; ++i) {
        const double a = (startDegrees + i * sweep / segments) * kRadiansPerDegree;
        points.push_back(
            {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), centre.z});
    }
    return points;
}

std::vector<Vec3> EllipsePoints(const Vec3& centre, const Vec3& majorAxis, const Vec3& normal,
                                double ratio, double startParameter, double endParameter) {
    using tav::kTwoPi;
    if (endParameter <= startParameter)
        endParameter += kTwoPi;
    const double sweep = std::min(endParameter - startParameter, kTwoPi); // once round at most
    const Vec3 minorAxis = ratio * Cross(Normalize(normal), majorAxis);
    const int segments = ArcSegments(sweep / kTwoPi * 360.0);
    std::vector<Vec3> points;
    points.reserve(segments + 1);
    for (int i = 0; i <= segments; ++i) {
        const double t = startParameter + i * sweep / segments;
        points.push_back(centre + std::cos(t) * majorAxis + std::sin(t) * minorAxis);
    }
    return points;
}

std::vector<Vec3> BulgePoints(const Vec3& from, const Vec3& to, double bulge) {
    const Vec3 chord = to - from;
    const double length = std::hypot(chord.x, chord.y);
    if (std::fabs(bulge) < 1e-9 || length < 1e-12)
        return {to};
    const double angle = 4.0 * std::atan(bulge); // included angle, signed
    const double radius = length / (2.0 * std::sin(std::fabs(angle) / 2.0));
    // The centre lies on the chord's perpendicular bisector, left of it for a positive bulge.
    const Vec3 middle = 0.5 * (from + to);
    const Vec3 left{-chord.y / length, chord.x / length, 0.0};
    const double offset = radius * std::cos(std::fabs(angle) / 2.0) * (bulge > 0 ? 1.0 : -1.0);
    const Vec3 centre = middle + offset * left;
    const double start = std::atan2(from.y - centre.y, from.x - centre.x);
    const int segments = ArcSegments(angle / kRadiansPerDegree);
    std::vector<Vec3> points;
    for (int i = 1; i <= segments; ++i) {
        const double a = start + angle * i / segments;
        const double z = from.z + (to.z - from.z) * i / segments;
        points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a), z});
    }
    points.back() = to;
    return points;
}

std::vector<Vec3> SplinePoints(int degree, const std::vector<Vec3>& controls,
                               const std::vector<double>& weights, std::vector<double> knots) {
    const int n = static_cast<int>(controls.size());
    if (degree < 1 || degree > 10 || n < degree + 1)
        return {};
    const bool rational = weights.size() == controls.size();
    bool knotsUsable = static_cast<int>(knots.size()) == n + degree + 1;
    for (std::size_t i = 1; knotsUsable && i < knots.size(); ++i)
        knotsUsable = knots[i] >= knots[i - 1];
    if (knotsUsable)
        knotsUsable = knots[n] > knots[degree];
    if (!knotsUsable) { // clamped and uniform
        knots.assign(n + degree + 1, 0.0);
        for (int i = degree + 1; i < n + degree + 1; ++i)
            knots[i] = std::min(i - degree, n - degree);
    }
    const double first = knots[degree], last = knots[n];
    const int samples = 10 * n;
    std::vector<Vec3> points;
    points.reserve(samples + 1);
    std::vector<double> hx(degree + 1), hy(degree + 1), hz(degree + 1), hw(degree + 1);
    int span = degree; // knots[span] <= u < knots[span + 1], the last span for u = last
    for (int s = 0; s <= samples; ++s) {
        const double u = first + (last - first) * s / samples; // rising, so the span only grows
        while (span < n - 1 && u >= knots[span + 1])
            ++span;
        for (int j = 0; j <= degree; ++j) { // de Boor in homogeneous coordinates
            const int i = span - degree + j;
            const double w = rational ? weights[i] : 1.0;
            hx[j] = controls[i].x * w;
            hy[j] = controls[i].y * w;
            hz[j] = controls[i].z * w;
            hw[j] = w;
        }
        for (int r = 1; r <= degree; ++r)
            for (int j = degree; j >= r; --j) {
                const int i = span - degree + j;
                const double span_ = knots[i + degree + 1 - r] - knots[i];
                const double a = span_ > 0.0 ? (u - knots[i]) / span_ : 0.0;
                hx[j] = (1 - a) * hx[j - 1] + a * hx[j];
                hy[j] = (1 - a) * hy[j - 1] + a * hy[j];
                hz[j] = (1 - a) * hz[j - 1] + a * hz[j];
                hw[j] = (1 - a) * hw[j - 1] + a * hw[j];
            }
        const double w = hw[degree] != 0.0 ? hw[degree] : 1.0;
        points.push_back({hx[degree] / w, hy[degree] / w, hz[degree] / w});
    }
    return points;
}
