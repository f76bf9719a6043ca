#pragma once

// Double-precision 3D vector (inches in model space unless a caller says otherwise) and the
// single-precision variant used for colours and data handed to OpenGL.
struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Vec3() = default;
    constexpr Vec3(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}

    double operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    double& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
};

struct Vec3f {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr Vec3f() = default;
    constexpr Vec3f(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
};

inline Vec3f operator+(const Vec3f& a, const Vec3f& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator-(const Vec3& a) {
    return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(double s, const Vec3& a) {
    return {s * a.x, s * a.y, s * a.z};
}
inline Vec3 operator*(const Vec3& a, double s) {
    return {s * a.x, s * a.y, s * a.z};
}
inline Vec3 operator/(const Vec3& a, double s) {
    return {a.x / s, a.y / s, a.z / s};
}
inline bool operator==(const Vec3& a, const Vec3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}
inline bool operator!=(const Vec3& a, const Vec3& b) {
    return !(a == b);
}

double LengthSquared(const Vec3& a);
double Length(const Vec3& a);
// a / |a|, or a unchanged when |a| is below the length tolerance.
Vec3 Normalize(const Vec3& a);
double Dot(const Vec3& a, const Vec3& b);
Vec3 Cross(const Vec3& a, const Vec3& b);
// Cross(a - p, b - p), not normalised.
Vec3 TriangleNormal(const Vec3& p, const Vec3& a, const Vec3& b);
double Distance(const Vec3& p, const Vec3& q);
// Angle in degrees at p2 between the directions to p1 and p3.
double AngleAt(const Vec3& p1, const Vec3& p2, const Vec3& p3);
// Direction from a to b projected on the XY plane, degrees in [0, 360).
double Heading(const Vec3& a, const Vec3& b);
Vec3 ClosestPointOnLine(const Vec3& origin, const Vec3& direction, const Vec3& q);
// Foot of the perpendicular from p on the line through a and b (a when a == b).
Vec3 FootOfPerpendicular(const Vec3& p, const Vec3& a, const Vec3& b);
// Distance of p from the line through a and b.
double PointLineDistance(const Vec3& p, const Vec3& a, const Vec3& b);
