#include "Footprint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kPoints = 26;
constexpr int kToe = 14;

// Half-width of the sole's contact area (share of half the foot breadth) at a share of the
// foot's length from the heel; the medial arch does not touch the floor.
double Lateral(double t) {
    const double rows[][2] = {{0.0, 0.0},  {0.04, 0.50}, {0.12, 0.62}, {0.3, 0.60},  {0.5, 0.70},
                              {0.7, 0.90}, {0.8, 0.88},  {0.9, 0.70},  {0.97, 0.40}, {1.0, 0.0}};
    for (int i = 1; i < 10; ++i) {
        if (t <= rows[i][0]) {
            const double f = (t - rows[i - 1][0]) / (rows[i][0] - rows[i - 1][0]);
            return rows[i - 1][1] + f * (rows[i][1] - rows[i - 1][1]);
        }
    }
    return 0.0;
}
double Medial(double t) {
    const double arch = t > 0.25 && t < 0.6 ? 0.55 * (1.0 - std::abs(t - 0.42) / 0.17) : 0.0;
    return Lateral(t) * (1.0 - std::max(0.0, arch)) + (t > 0.6 && t < 0.95 ? 0.08 : 0.0);
}

void PutFloat(std::string& bytes, double value) {
    const float f = static_cast<float>(value);
    std::uint32_t u;
    std::memcpy(&u, &f, 4);
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((u >> (8 * i)) & 0xFF);
    }
}

} // namespace

std::string FootprintBytes(const Skeleton& k) {
    const double length = (k.toeSole[0].z - k.heelSole[0].z) / 2.54;
    const double half = 0.5 * k.Size(kLeftFoot).x / 2.54;
    // Left sole: points 1..13 up the lateral (+x) side, 15..25 back down the medial side.
    double x[kPoints], z[kPoints];
    x[0] = 0.0;
    z[0] = 0.0;
    x[kToe] = 0.0;
    z[kToe] = length;
    for (int i = 1; i < kToe; ++i) {
        const double t = static_cast<double>(i) / kToe;
        x[i] = half * Lateral(t);
        z[i] = t * length;
    }
    for (int i = kToe + 1; i < kPoints; ++i) {
        const double t = static_cast<double>(kPoints - i) / (kPoints - kToe);
        x[i] = -half * Medial(t);
        z[i] = t * length;
    }
    std::string bytes;
    for (double side : {-1.0, 1.0}) { // right sole first: the mirror image
        for (int i = 0; i < kPoints; ++i) {
            PutFloat(bytes, side * x[i]);
            PutFloat(bytes, 0.0);
            PutFloat(bytes, z[i]);
        }
    }
    return bytes;
}
