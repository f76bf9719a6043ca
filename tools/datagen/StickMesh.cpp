// The "Stick Figure" representation: thin bars along the bones, balls at the joints and a small
// head.
#include "Representations.h"

namespace {

constexpr double kBar = 0.7;     // bar radius, cm
constexpr double kBall = 1.3;    // joint ball radius, cm
constexpr double kFinger = 0.25; // finger bar radius, cm

SurfaceMesh Bar(const Vec3& a, const Vec3& b, double r) {
    return Cylinder(a, b, r, 8);
}
SurfaceMesh Ball(const Vec3& c, double r) {
    return Ellipsoid(Upright(c), {r, r, r}, 6, 10);
}

} // namespace

FigureSurfaces StickSurfaces(const Skeleton& k) {
    FigureSurfaces m;
    const double headRadius = 0.3 * k.Size(kHead).y;
    const Vec3 headCentre{0, k.headTop - headRadius, k.joint[kHead].z + 1.0};
    m[kHead] = Ball(headCentre, headRadius);
    m[kHead].Append(Bar(k.joint[kHead], headCentre, kBar));
    m[kNeck] = Bar(k.joint[kNeck], k.joint[kHead], kBar);
    m[kNeck].Append(Ball(k.joint[kHead], kBall));
    const Vec3 leftShoulder = k.joint[kLeftArm], rightShoulder = k.joint[kRightArm];
    m[kChest] = Bar(k.joint[kChest], k.joint[kNeck], kBar);
    m[kChest].Append(Bar(rightShoulder, leftShoulder, kBar));
    m[kChest].Append(Bar(k.joint[kNeck], {0, leftShoulder.y, k.joint[kNeck].z}, kBar));
    m[kChest].Append(Ball(k.joint[kNeck], kBall));
    m[kAbdomen] = Bar(k.joint[kAbdomen], k.joint[kChest], kBar);
    m[kAbdomen].Append(Bar(k.joint[kRightLeg], k.joint[kLeftLeg], kBar));
    m[kAbdomen].Append(Ball(k.joint[kChest], kBall));
    for (int s : {kLeftArm, kLeftForearm, kLeftLeg, kLeftLowerLeg}) {
        m[s] = Bar(k.joint[s], k.end[s], kBar);
        m[s].Append(Ball(k.joint[s], kBall));
    }
    m[kLeftFoot] = Bar(k.joint[kLeftFoot], k.end[kLeftFoot], kBar);
    m[kLeftFoot].Append(Bar(k.joint[kLeftFoot], k.heelSole[0], kBar));
    m[kLeftFoot].Append(Bar(k.heelSole[0], k.end[kLeftFoot], kBar));
    m[kLeftFoot].Append(Ball(k.joint[kLeftFoot], kBall));
    const Vec3 wrist = k.joint[kLeftPalm];
    m[kLeftPalm] = Bar(wrist, k.joint[FingerSegment(false, 2, 0)], kBar);
    m[kLeftPalm].Append(
        Bar(k.joint[FingerSegment(false, 1, 0)], k.joint[FingerSegment(false, 4, 0)], 0.6 * kBar));
    m[kLeftPalm].Append(Ball(wrist, kBall));
    for (int s = kFirstLeftFinger; s < kFirstRightFinger; ++s) {
        m[s] = Bar(k.joint[s], k.end[s], kFinger);
    }
    MirrorLeftToRight(m);
    return m;
}
