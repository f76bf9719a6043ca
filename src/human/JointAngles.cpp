#include "human/JointAngles.h"

#include "core/MathConstants.h"

#include <algorithm>
#include <cmath>

using namespace tav;

namespace {

// Sum of squared differences below this counts as reproducing the matrix.
constexpr double kAccurateError = 1e-6;
// Below this |cos z| the x and y angles can no longer be separated by division.
constexpr double kGimbalCosine = 0.015;

double SafeAsin(double v) {
    return std::asin(std::clamp(v, -1.0, 1.0));
}

double RotationError(const Matrix4& m, const Vec3& radians) {
    const Matrix4 r = JointRotationFromAngles(radians * kRadToDeg);
    double sum = 0.0;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const double d = r(i, j) - m(i, j);
            sum += d * d;
        }
    return sum;
}

struct Choice {
    Vec3 radians;
    double error;
};

// The same angle within (-pi, pi]: the branches below reach up to 3/2 pi, and a turn of
// 220 degrees is the turn of -140 that joint limits are written for.
double Wrapped(double radians) {
    if (radians > kPi)
        return radians - 2.0 * kPi;
    if (radians <= -kPi)
        return radians + 2.0 * kPi;
    return radians;
}

Vec3 Wrapped(const Vec3& radians) {
    return {Wrapped(radians.x), Wrapped(radians.y), Wrapped(radians.z)};
}

// The eight sign/branch variants of (x0, y0, z0), each within (-pi, pi]; the accurate one with
// the smallest angle sum wins, otherwise the least inaccurate. Earlier candidates win ties.
Choice BestCandidate(const Matrix4& m, double x0, double y0, double z0) {
    const double pi = kPi;
    Vec3 candidates[8] = {
        {x0, y0, z0},
        {x0, pi - y0, z0},
        {pi - x0, y0, z0},
        {pi - x0, pi - y0, z0},
        {-x0, -y0, pi - z0},
        {-x0, pi + y0, pi - z0},
        {pi + x0, -y0, pi - z0},
        {pi + x0, pi + y0, pi - z0},
    };
    for (Vec3& c : candidates)
        c = Wrapped(c);
    int bestAccurate = -1;
    double bestSum = 0.0;
    int closest = 0;
    double closestError = 0.0;
    double errors[8];
    for (int i = 0; i < 8; ++i) {
        const Vec3& c = candidates[i];
        errors[i] = RotationError(m, c);
        if (i == 0 || errors[i] < closestError) {
            closest = i;
            closestError = errors[i];
        }
        const double sum = std::fabs(c.x) + std::fabs(c.y) + std::fabs(c.z);
        if (errors[i] < kAccurateError && (bestAccurate < 0 || sum < bestSum)) {
            bestAccurate = i;
            bestSum = sum;
        }
    }
    const int pick = bestAccurate >= 0 ? bestAccurate : closest;
    return {candidates[pick], errors[pick]};
}

} // namespace

Matrix4 JointRotationFromAngles(const Vec3& degrees) {
    return RotationX(degrees.x) * RotationZ(degrees.z) * RotationY(degrees.y);
}

Vec3 DecomposeJointRotation(const Matrix4& m) {
    const double z0 = SafeAsin(-m(0, 1));
    const double cz = std::cos(z0);
    Choice best = std::fabs(cz) >= kGimbalCosine
                      ? BestCandidate(m, SafeAsin(m(2, 1) / cz), SafeAsin(m(0, 2) / cz), z0)
                      : BestCandidate(m, 0.0, SafeAsin(m(1, 2)), z0);
    // Close to (but not at) z = +-90 degrees, setting x to 0 can miss the matrix by up to the
    // size of cos z; the divided form is still well defined there and is tried as well.
    if (best.error >= kAccurateError && cz != 0.0) {
        const Choice divided = BestCandidate(m, SafeAsin(m(2, 1) / cz), SafeAsin(m(0, 2) / cz), z0);
        if (divided.error < best.error)
            best = divided;
    }
    return best.radians * kRadToDeg;
}
