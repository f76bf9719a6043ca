// The "Robot" representation: boxy mechanical segments with cubic joint housings.
#include "Representations.h"

namespace {

// An upright box spanning y0..y1 around (x, z).
SurfaceMesh Block(double x, double z, double y0, double y1, double halfX, double halfZ) {
    return Box(Upright({x, 0.5 * (y0 + y1), z}), {halfX, 0.5 * (y1 - y0), halfZ});
}

SurfaceMesh Cube(const Vec3& centre, double half) {
    return Box(Upright(centre), {half, half, half});
}

// A limb: a joint housing at the proximal joint and a box down to the distal joint.
SurfaceMesh Limb(const Skeleton& k, int s, double housing, double barShare) {
    const Vec3 a = k.joint[s], b = k.end[s];
    const Vec3 size = k.Size(s);
    SurfaceMesh m = Cube(a, housing);
    m.Append(Block(a.x, a.z, b.y, a.y, barShare * 0.5 * size.x, barShare * 0.5 * size.z));
    return m;
}

SurfaceMesh FingerBox(const Skeleton& k, int s) {
    Frame f = FrameAlong(k.joint[s], k.end[s]);
    f.origin = (k.joint[s] + k.end[s]) * 0.5;
    const double h = 0.42 * k.thickness[s];
    return Box(f, {h, 0.5 * Length(k.end[s] - k.joint[s]) + 0.2, h});
}

} // namespace

FigureSurfaces RobotSurfaces(const Skeleton& k) {
    FigureSurfaces m;
    const double top = k.headTop, headHeight = 1.17 * k.Size(kHead).y;
    const double headZ = k.joint[kHead].z + 1.0;
    m[kHead] =
        Block(0, headZ, top - headHeight, top, 0.45 * k.Size(kHead).x, 0.45 * k.Size(kHead).z);
    m[kHead].Append(Block(0, headZ + 0.45 * k.Size(kHead).z, k.leftEye.y - 1.2, k.leftEye.y + 1.2,
                          0.32 * k.Size(kHead).x, 0.05 * k.Size(kHead).z)); // visor
    m[kHead].Append(
        Block(0.5 * k.Size(kHead).x - 0.6, headZ, k.leftEye.y - 4, k.leftEye.y, 0.6, 2.0));
    m[kHead].Append(
        Block(-0.5 * k.Size(kHead).x + 0.6, headZ, k.leftEye.y - 4, k.leftEye.y, 0.6, 2.0));
    m[kNeck] = Block(0, k.joint[kNeck].z + 1.0, k.joint[kNeck].y - 2.0, k.joint[kHead].y + 2.0,
                     0.4 * k.Size(kNeck).x, 0.4 * k.Size(kNeck).z);
    const Vec3 chest = k.Size(kChest);
    m[kChest] = Block(0, k.trunkFrontZ, k.joint[kChest].y - 1.0, k.joint[kNeck].y + 1.0,
                      0.5 * chest.x, 0.42 * chest.z);
    m[kChest].Append(Block(0, k.trunkFrontZ + 0.3 * chest.z, k.joint[kChest].y + 10.0,
                           k.joint[kLeftArm].y - 2.0, 0.3 * chest.x, 0.2 * chest.z)); // chest plate
    const Vec3 pelvis = k.Size(kAbdomen);
    m[kAbdomen] = Block(0, 0, -8.0, k.joint[kChest].y + 1.0, 0.45 * pelvis.x, 0.45 * pelvis.z);
    m[kAbdomen].Append(Block(0, 0, 4.0, 8.0, 0.5 * pelvis.x, 0.5 * pelvis.z)); // belt
    m[kLeftArm] = Limb(k, kLeftArm, 0.5 * k.Size(kLeftArm).x, 0.8);
    m[kLeftForearm] = Limb(k, kLeftForearm, 0.42 * k.Size(kLeftForearm).x, 0.8);
    m[kLeftLeg] = Limb(k, kLeftLeg, 0.4 * k.Size(kLeftLeg).x, 0.9);
    m[kLeftLowerLeg] = Limb(k, kLeftLowerLeg, 0.45 * k.Size(kLeftLowerLeg).x, 0.85);
    const Vec3 foot = k.Size(kLeftFoot);
    const Vec3 ankle = k.joint[kLeftFoot];
    const double heel = k.heelSole[0].z, toe = k.toeSole[0].z;
    m[kLeftFoot] =
        Box(Upright({ankle.x, 0.5 * (k.soleY + ankle.y + 1.5), heel + 0.225 * (toe - heel)}),
            {0.5 * foot.x, 0.5 * (ankle.y + 1.5 - k.soleY), 0.225 * (toe - heel)});
    m[kLeftFoot].Append(Box(Upright({ankle.x, k.soleY + 0.22 * foot.y, heel + 0.72 * (toe - heel)}),
                            {0.5 * foot.x, 0.22 * foot.y, 0.28 * (toe - heel)}));
    const Vec3 wrist = k.joint[kLeftPalm];
    const double knuckle = k.joint[FingerSegment(false, 2, 0)].y;
    m[kLeftPalm] = Block(wrist.x, 0.0, knuckle - 0.4, wrist.y + 0.5, 0.5 * k.Size(kLeftPalm).x,
                         0.22 * k.Size(kLeftPalm).x);
    for (int s = kFirstLeftFinger; s < kFirstRightFinger; ++s) {
        m[s] = FingerBox(k, s);
    }
    MirrorLeftToRight(m);
    FitMainSegmentExtents(k, m);
    return m;
}
