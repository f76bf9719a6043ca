#include "render/Trackball.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kBallRadius = 0.8f;
constexpr int kRenormalisePeriod = 97;
// Additions since the last renormalisation; the orbit runs on the user-interface thread only.
int gAdditions = 0;

// Height of a window point on the ball; beyond r/sqrt(2) the ball turns into a hyperbolic
// sheet so that points far from the centre still rotate smoothly.
float ProjectToSphere(float r, float x, float y) {
    const float d = std::sqrt(x * x + y * y);
    if (d < r * 0.70710678118654752440f)
        return std::sqrt(r * r - d * d);
    const float t = r / 1.41421356237309504880f;
    return t * t / d;
}

void CrossF(const float a[3], const float b[3], float out[3]) {
    out[0] = a[1] * b[2] - a[2] * b[1];
    out[1] = a[2] * b[0] - a[0] * b[2];
    out[2] = a[0] * b[1] - a[1] * b[0];
}

} // namespace

void Trackball(float q[4], float p1x, float p1y, float p2x, float p2y) {
    if (p1x == p2x && p1y == p2y) {
        q[0] = q[1] = q[2] = 0.0f;
        q[3] = 1.0f;
        return;
    }
    const float p1[3] = {p1x, p1y, ProjectToSphere(kBallRadius, p1x, p1y)};
    const float p2[3] = {p2x, p2y, ProjectToSphere(kBallRadius, p2x, p2y)};
    float axis[3];
    CrossF(p2, p1, axis);
    const float d[3] = {p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2]};
    float t = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]) / (2.0f * kBallRadius);
    t = std::clamp(t, -1.0f, 1.0f);
    const float phi = 2.0f * std::asin(t);
    const float axisLength = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    const float s = std::sin(phi / 2.0f) / (axisLength > 0.0f ? axisLength : 1.0f);
    q[0] = axis[0] * s;
    q[1] = axis[1] * s;
    q[2] = axis[2] * s;
    q[3] = std::cos(phi / 2.0f);
}

void AddQuats(const float q1[4], const float q2[4], float dest[4]) {
    float cross[3];
    CrossF(q2, q1, cross);
    float sum[4];
    for (int i = 0; i < 3; ++i)
        sum[i] = q1[i] * q2[3] + q2[i] * q1[3] + cross[i];
    sum[3] = q1[3] * q2[3] - (q1[0] * q2[0] + q1[1] * q2[1] + q1[2] * q2[2]);
    if (++gAdditions > kRenormalisePeriod) {
        gAdditions = 0;
        const float mag = sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2] + sum[3] * sum[3];
        for (float& c : sum)
            c /= mag;
    }
    std::copy(sum, sum + 4, dest);
}

Matrix4 QuaternionMatrix(const float q[4]) {
    const double x = q[0], y = q[1], z = q[2], w = q[3];
    Matrix4 m(true);
    m(0, 0) = 1.0 - 2.0 * (y * y + z * z);
    m(0, 1) = 2.0 * (x * y - z * w);
    m(0, 2) = 2.0 * (z * x + y * w);
    m(1, 0) = 2.0 * (x * y + z * w);
    m(1, 1) = 1.0 - 2.0 * (z * z + x * x);
    m(1, 2) = 2.0 * (y * z - x * w);
    m(2, 0) = 2.0 * (z * x - y * w);
    m(2, 1) = 2.0 * (y * z + x * w);
    m(2, 2) = 1.0 - 2.0 * (y * y + x * x);
    return m;
}
