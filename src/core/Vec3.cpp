#include "core/Vec3.h"

#include "core/MathConstants.h"

#include <algorithm>
#include <cmath>

using namespace tav;

double LengthSquared(const Vec3& a) {
    return a.x * a.x + a.y * a.y + a.z * a.z;
}

double Length(const Vec3& a) {
    return std::sqrt(LengthSquared(a));
}

Vec3 Normalize(const Vec3& a) {
    const double len = Length(a);
    if (std::fabs(len) < kLengthTolerance)
        return a;
    return a / len;
}

double Dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 TriangleNormal(const Vec3& p, const Vec3& a, const Vec3& b) {
    return Cross(a - p, b - p);
}

double Distance(const Vec3& p, const Vec3& q) {
    return Length(q - p);
}

double AngleAt(const Vec3& p1, const Vec3& p2, const Vec3& p3) {
    const Vec3 u = p2 - p1;
    const Vec3 v = p2 - p3;
    double d = Length(u) * Length(v);
    if (std::fabs(d) < kLengthTolerance)
        d = kLengthTolerance;
    // The cosine is taken in single precision, as the program always has.
    float q = static_cast<float>(Dot(u, v) / d);
    q = std::clamp(q, -1.0f, 1.0f);
    return std::acos(static_cast<double>(q)) * kRadToDeg;
}

double Heading(const Vec3& a, const Vec3& b) {
    const Vec3 w = Normalize(Vec3(b.x - a.x, b.y - a.y, 0.0));
    const double alpha = std::acos(std::clamp(w.x, -1.0, 1.0));
    const double radians = (w.y >= -kLengthTolerance) ? alpha : kTwoPi - alpha;
    return radians * kRadToDeg;
}

Vec3 ClosestPointOnLine(const Vec3& origin, const Vec3& direction, const Vec3& q) {
    const Vec3 u = Normalize(direction);
    return origin + u * Dot(u, q - origin);
}

Vec3 FootOfPerpendicular(const Vec3& p, const Vec3& a, const Vec3& b) {
    return ClosestPointOnLine(a, b - a, p);
}

double PointLineDistance(const Vec3& p, const Vec3& a, const Vec3& b) {
    return Distance(p, FootOfPerpendicular(p, a, b));
}
