// The "HumanForm" representation: an artist's manikin of smooth ellipsoids with ball joints.
#include "Representations.h"

namespace {

SurfaceMesh Egg(const Vec3& centre, const Vec3& radii, int rows = 16, int columns = 24) {
    return Ellipsoid(Upright(centre), radii, rows, columns);
}

// An ellipsoid filling the span between two points, with the given half-width and half-depth.
SurfaceMesh Between(const Vec3& a, const Vec3& b, double halfX, double halfZ, double overlap) {
    return Egg((a + b) * 0.5, {halfX, 0.5 * Length(b - a) + overlap, halfZ});
}

} // namespace

FigureSurfaces FormSurfaces(const Skeleton& k) {
    FigureSurfaces m;
    const Vec3 head = k.Size(kHead);
    const double headHeight = 1.12 * head.y;
    m[kHead] = Egg({0, k.headTop - 0.5 * headHeight, k.joint[kHead].z + 1.5},
                   {0.5 * head.x, 0.5 * headHeight, 0.5 * head.z}, 20, 28);
    m[kNeck] =
        Between(k.joint[kNeck], k.joint[kHead], 0.5 * k.Size(kNeck).x, 0.5 * k.Size(kNeck).z, 2.0);
    const Vec3 chest = k.Size(kChest);
    const double chestTop = k.joint[kNeck].y + 1.0, chestBottom = k.joint[kChest].y - 2.0;
    m[kChest] = Egg({0, 0.5 * (chestTop + chestBottom), k.trunkFrontZ},
                    {0.5 * chest.x, 0.5 * (chestTop - chestBottom), 0.5 * chest.z}, 20, 28);
    const Vec3 pelvis = k.Size(kAbdomen);
    m[kAbdomen] = Egg({0, 0.5 * (k.joint[kChest].y - 9.0), 0},
                      {0.5 * pelvis.x, 0.5 * (k.joint[kChest].y + 9.0), 0.5 * pelvis.z}, 18, 28);
    for (int s : {kLeftArm, kLeftForearm, kLeftLeg, kLeftLowerLeg}) {
        const Vec3 size = k.Size(s);
        m[s] = Between(k.joint[s], k.end[s], 0.45 * size.x, 0.45 * size.z, 0.5);
        const double ball = 0.42 * std::min(size.x, size.z);
        m[s].Append(Egg(k.joint[s], {ball, ball, ball}, 10, 16));
    }
    const Vec3 foot = k.Size(kLeftFoot);
    const double heel = k.heelSole[0].z, toe = k.toeSole[0].z;
    m[kLeftFoot] = Egg({k.joint[kLeftFoot].x, k.soleY + 0.42 * foot.y, 0.5 * (heel + toe)},
                       {0.5 * foot.x, 0.42 * foot.y, 0.5 * (toe - heel)});
    m[kLeftFoot].Append(Egg(k.joint[kLeftFoot] - Vec3{0, 1.5, 0},
                            {0.4 * foot.x, 0.4 * foot.x, 0.45 * foot.x}, 10, 16));
    const Vec3 wrist = k.joint[kLeftPalm];
    const double knuckle = k.joint[FingerSegment(false, 2, 0)].y;
    m[kLeftPalm] = Egg(
        {wrist.x, 0.5 * (wrist.y + knuckle), 0.3},
        {0.5 * k.Size(kLeftPalm).x, 0.5 * (wrist.y - knuckle) + 0.6, 0.22 * k.Size(kLeftPalm).x});
    for (int s = kFirstLeftFinger; s < kFirstRightFinger; ++s) {
        const double r = 0.45 * k.thickness[s];
        Frame f = FrameAlong(k.joint[s], k.end[s]);
        f.origin = (k.joint[s] + k.end[s]) * 0.5;
        m[s] = Ellipsoid(f, {r, 0.5 * Length(k.end[s] - k.joint[s]) + 0.3, r}, 8, 10);
    }
    MirrorLeftToRight(m);
    FitMainSegmentExtents(k, m);
    return m;
}
