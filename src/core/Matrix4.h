#pragma once

#include "core/Vec3.h"

// 4x4 double matrix, row-major: element (row i, column j) is m[i * 4 + j]. Points are column
// vectors (p' = M * p) and translations live in column 3 (indices 3, 7, 11). Row 3 is carried
// but ignored when transforming points.
struct Matrix4 {
    double m[16];

    // Zero matrix, or identity when `identity` is true.
    explicit Matrix4(bool identity = false);

    double& operator()(int row, int col) { return m[row * 4 + col]; }
    double operator()(int row, int col) const { return m[row * 4 + col]; }

    static Matrix4 Identity() { return Matrix4(true); }
    // Widens a float matrix stored in the same index order.
    static Matrix4 FromFloats(const float values[16]);
    // Column-major copy for OpenGL (glMultMatrixd, glLoadMatrixd).
    void ToColumnMajor(double out[16]) const;
    // From a column-major OpenGL matrix (glGetDoublev).
    static Matrix4 FromColumnMajor(const double values[16]);
};

bool operator==(const Matrix4& a, const Matrix4& b);
inline bool operator!=(const Matrix4& a, const Matrix4& b) {
    return !(a == b);
}

Matrix4 Multiply(const Matrix4& a, const Matrix4& b);
inline Matrix4 operator*(const Matrix4& a, const Matrix4& b) {
    return Multiply(a, b);
}
Vec3 TransformPoint(const Matrix4& m, const Vec3& v);
// Applies only the 3x3 part (directions and normals).
Vec3 TransformDirection(const Matrix4& m, const Vec3& v);
// Copy of m with the translation (indices 3, 7, 11) cleared.
Matrix4 RotationPart(const Matrix4& m);
// Gauss-Jordan inverse with partial pivoting; the identity when m is singular.
Matrix4 Inverse(const Matrix4& m);
Matrix4 Translation(const Vec3& v);
// Diagonal scale with m[15] left at 0: only fit for transforming points.
Matrix4 Scaling(const Vec3& v);
// Right-handed rotations about the coordinate axes, angle in degrees.
Matrix4 RotationX(double degrees);
Matrix4 RotationY(double degrees);
Matrix4 RotationZ(double degrees);
Vec3 TranslationOf(const Matrix4& m);
