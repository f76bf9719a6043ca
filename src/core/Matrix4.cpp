#include "core/Matrix4.h"

#include "core/MathConstants.h"

#include <cmath>
#include <utility>

using namespace tav;

Matrix4::Matrix4(bool identity) {
    for (double& v : m)
        v = 0.0;
    if (identity)
        m[0] = m[5] = m[10] = m[15] = 1.0;
}

Matrix4 Matrix4::FromFloats(const float values[16]) {
    Matrix4 r;
    for (int i = 0; i < 16; ++i)
        r.m[i] = static_cast<double>(values[i]);
    return r;
}

void Matrix4::ToColumnMajor(double out[16]) const {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            out[j * 4 + i] = m[i * 4 + j];
}

Matrix4 Matrix4::FromColumnMajor(const double values[16]) {
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            r.m[i * 4 + j] = values[j * 4 + i];
    return r;
}

bool operator==(const Matrix4& a, const Matrix4& b) {
    for (int i = 0; i < 16; ++i)
        if (a.m[i] != b.m[i])
            return false;
    return true;
}

Matrix4 Multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double s = 0.0;
            for (int k = 0; k < 4; ++k)
                s += a.m[i * 4 + k] * b.m[k * 4 + j];
            r.m[i * 4 + j] = s;
        }
    return r;
}

Vec3 TransformPoint(const Matrix4& m, const Vec3& v) {
    return {m.m[0] * v.x + m.m[1] * v.y + m.m[2] * v.z + m.m[3],
            m.m[4] * v.x + m.m[5] * v.y + m.m[6] * v.z + m.m[7],
            m.m[8] * v.x + m.m[9] * v.y + m.m[10] * v.z + m.m[11]};
}

Vec3 TransformDirection(const Matrix4& m, const Vec3& v) {
    return {m.m[0] * v.x + m.m[1] * v.y + m.m[2] * v.z, m.m[4] * v.x + m.m[5] * v.y + m.m[6] * v.z,
            m.m[8] * v.x + m.m[9] * v.y + m.m[10] * v.z};
}

Matrix4 RotationPart(const Matrix4& m) {
    Matrix4 r = m;
    r.m[3] = r.m[7] = r.m[11] = 0.0;
    return r;
}

Matrix4 Inverse(const Matrix4& src) {
    Matrix4 a = src;
    Matrix4 inv(true);
    for (int k = 0; k < 4; ++k) {
        int pivotRow = k;
        for (int r = k + 1; r < 4; ++r)
            if (std::fabs(a(r, k)) > std::fabs(a(pivotRow, k)))
                pivotRow = r;
        if (pivotRow != k)
            for (int j = 0; j < 4; ++j) {
                std::swap(a(k, j), a(pivotRow, j));
                std::swap(inv(k, j), inv(pivotRow, j));
            }
        const double pivot = a(k, k);
        if (std::fabs(pivot) < kPivotTolerance)
            return Matrix4(true);
        for (int j = 0; j < 4; ++j) {
            a(k, j) /= pivot;
            inv(k, j) /= pivot;
        }
        for (int r = 0; r < 4; ++r) {
            if (r == k)
                continue;
            const double f = a(r, k);
            if (f == 0.0)
                continue;
            for (int j = 0; j < 4; ++j) {
                a(r, j) -= f * a(k, j);
                inv(r, j) -= f * inv(k, j);
            }
        }
    }
    return inv;
}

Matrix4 Translation(const Vec3& v) {
    Matrix4 r(true);
    r.m[3] = v.x;
    r.m[7] = v.y;
    r.m[11] = v.z;
    return r;
}

Matrix4 Scaling(const Vec3& v) {
    Matrix4 r;
    r.m[0] = v.x;
    r.m[5] = v.y;
    r.m[10] = v.z;
    return r;
}

Matrix4 RotationX(double degrees) {
    const double a = degrees * kDegToRad;
    const double c = std::cos(a), s = std::sin(a);
    Matrix4 r(true);
    r(1, 1) = c;
    r(1, 2) = -s;
    r(2, 1) = s;
    r(2, 2) = c;
    return r;
}

Matrix4 RotationY(double degrees) {
    const double a = degrees * kDegToRad;
    const double c = std::cos(a), s = std::sin(a);
    Matrix4 r(true);
    r(0, 0) = c;
    r(0, 2) = s;
    r(2, 0) = -s;
    r(2, 2) = c;
    return r;
}

Matrix4 RotationZ(double degrees) {
    const double a = degrees * kDegToRad;
    const double c = std::cos(a), s = std::sin(a);
    Matrix4 r(true);
    r(0, 0) = c;
    r(0, 1) = -s;
    r(1, 0) = s;
    r(1, 1) = c;
    return r;
}

Vec3 TranslationOf(const Matrix4& m) {
    return {m.m[3], m.m[7], m.m[11]};
}
