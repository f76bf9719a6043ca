// The "Skeleton" representation: skull, spine, rib cage, pelvis and long bones with knobbed ends.
#include "Representations.h"

#include <cmath>

namespace {

SurfaceMesh Egg(const Vec3& c, const Vec3& r, int rows = 10, int columns = 16) {
    return Ellipsoid(Upright(c), r, rows, columns);
}

// A long bone from a to b: a slim shaft between two knobs of radii ra and rb.
SurfaceMesh LongBone(const Vec3& a, const Vec3& b, double ra, double shaft, double rb,
                     int columns = 12) {
    const Frame f = FrameAlong(a, b);
    const std::vector<Section> s = {{0.0, 0.7 * ra, 0.6 * ra},       {0.04, ra, 0.85 * ra},
                                    {0.12, 0.75 * ra, 0.7 * ra},     {0.25, shaft, shaft},
                                    {0.5, 0.9 * shaft, 0.9 * shaft}, {0.75, shaft, shaft},
                                    {0.88, 0.75 * rb, 0.7 * rb},     {0.96, rb, 0.8 * rb},
                                    {1.0, 0.7 * rb, 0.6 * rb}};
    return Loft(f, Length(b - a), s, 16, columns, 0.3 * ra, 0.3 * rb);
}

// Vertebrae as short discs along a line.
SurfaceMesh Spine(const Vec3& from, const Vec3& to, int count, double radius) {
    SurfaceMesh m;
    for (int i = 0; i < count; ++i) {
        const Vec3 a = from + (to - from) * ((i + 0.15) / count);
        const Vec3 b = from + (to - from) * ((i + 0.85) / count);
        m.Append(Cylinder(a, b, radius, 10));
    }
    return m;
}

} // namespace

FigureSurfaces BoneSurfaces(const Skeleton& k) {
    FigureSurfaces m;
    const Vec3 head = k.Size(kHead);
    const double headHeight = 1.17 * head.y, headZ = k.joint[kHead].z + 1.0;
    // Skull: cranium, face and jaw.
    m[kHead] = Egg({0, k.headTop - 0.36 * headHeight, headZ - 0.5},
                   {0.45 * head.x, 0.36 * headHeight, 0.46 * head.z}, 16, 24);
    m[kHead].Append(Egg({0, k.leftEye.y - 3.0, headZ + 0.22 * head.z},
                        {0.32 * head.x, 0.2 * headHeight, 0.25 * head.z}));
    m[kHead].Append(Egg({0, k.headTop - 0.9 * headHeight, headZ + 0.25 * head.z},
                        {0.27 * head.x, 0.08 * headHeight, 0.2 * head.z}));
    for (double side : {-1.0, 1.0}) {
        m[kHead].Append(Egg({side * 0.42 * head.x, k.leftEye.y - 1.0, headZ + 0.12 * head.z},
                            {0.08 * head.x, 0.07 * headHeight, 0.12 * head.z}, 6, 10)); // cheek
    }
    m[kNeck] = Spine(k.joint[kNeck], k.joint[kHead], 4, 1.3);

    // Chest: thoracic spine, ribs, sternum, clavicles and shoulder blades.
    const Vec3 chest = k.Size(kChest);
    const Vec3 neck = k.joint[kNeck];
    m[kChest] = Spine(k.joint[kChest], neck, 10, 1.5);
    const double ribTop = neck.y - 3.0, ribBottom = k.joint[kChest].y + 6.0;
    const int ribs = 9;
    for (int i = 0; i < ribs; ++i) {
        const double f = static_cast<double>(i) / (ribs - 1);
        const double width = (0.26 + 0.16 * std::sin(3.0 * f > 1.5 ? 1.5 : 3.0 * f)) * chest.x;
        const double depth =
            (0.30 + 0.12 * std::sin(3.0 * f > 1.5 ? 1.5 : 3.0 * f)) * std::min(chest.z, 22.0);
        const Vec3 c{0, ribTop - f * (ribTop - ribBottom), neck.z + depth};
        m[kChest].Append(Ring(c, width, depth, 0.45, 20.0, 24, 6));
    }
    const double front = neck.z + 0.6 * std::min(chest.z, 22.0) + 1.0;
    m[kChest].Append(Box(Upright({0, ribTop - 8.0, front - 0.8}), {1.4, 8.0, 0.5})); // sternum
    const Vec3 shoulder = k.joint[kLeftArm];
    for (double side : {-1.0, 1.0}) {
        const Vec3 tip{side * shoulder.x * 0.92, shoulder.y + 2.5, shoulder.z};
        m[kChest].Append(LongBone({side * 1.5, ribTop + 1.5, front - 1.0}, tip, 0.9, 0.6, 0.9, 8));
        m[kChest].Append(
            Box(Upright({side * 0.28 * chest.x, shoulder.y - 5.0, neck.z - 4.0}), {3.0, 5.5, 0.4}));
    }

    // Pelvis: lumbar spine, sacrum, iliac wings, hip sockets and the pubic arch.
    m[kAbdomen] = Spine({0, 4.0, k.joint[kChest].z}, k.joint[kChest], 5, 2.0);
    const Vec3 pelvis = k.Size(kAbdomen);
    m[kAbdomen].Append(Egg({0, 1.0, k.joint[kChest].z - 1.5}, {3.5, 5.0, 2.0}));
    m[kAbdomen].Append(Ring({0, 1.5, 0.5}, 0.2 * pelvis.x, 0.22 * pelvis.z, 0.7, 25.0, 24, 6));
    for (double side : {-1.0, 1.0}) {
        m[kAbdomen].Append(Egg({side * 0.24 * pelvis.x, 6.0, -1.5}, {0.15 * pelvis.x, 5.0, 1.3}));
        m[kAbdomen].Append(Egg({side * k.joint[kLeftLeg].x, 0.0, 0.0}, {2.4, 2.4, 2.4}, 8, 12));
        m[kAbdomen].Append(LongBone({side * k.joint[kLeftLeg].x, -1.0, 0.5},
                                    {side * 1.0, -5.0, 4.5}, 1.2, 0.8, 1.0, 8));
    }

    // Arms.
    const Vec3 arm = k.Size(kLeftArm);
    m[kLeftArm] =
        LongBone(k.joint[kLeftArm], k.end[kLeftArm], 0.24 * arm.x, 0.12 * arm.x, 0.2 * arm.x);
    const Vec3 elbow = k.joint[kLeftForearm], wrist = k.joint[kLeftPalm];
    m[kLeftForearm] =
        LongBone(elbow + Vec3{1.0, 0, 0}, wrist + Vec3{1.2, 0, 0}, 1.0, 0.55, 1.3, 10);
    m[kLeftForearm].Append(
        LongBone(elbow + Vec3{-1.0, 1.5, -0.5}, wrist + Vec3{-1.3, 0, 0}, 1.3, 0.55, 0.8, 10));
    m[kLeftPalm] = Egg(wrist - Vec3{0, 1.5, 0}, {0.4 * k.Size(kLeftPalm).x, 1.5, 1.1});
    for (int f = 1; f < kFingers; ++f) {
        const Vec3 knuckle = k.joint[FingerSegment(false, f, 0)];
        const Vec3 base{wrist.x + 0.4 * (knuckle.x - wrist.x), wrist.y - 2.5, 0.0};
        m[kLeftPalm].Append(LongBone(base, knuckle, 0.45, 0.3, 0.5, 8));
    }
    for (int s = kFirstLeftFinger; s < kFirstRightFinger; ++s) {
        const double r = 0.3 * k.thickness[s];
        m[s] = LongBone(k.joint[s], k.end[s], r, 0.6 * r, r, 8);
    }

    // Legs: femur with head and neck, tibia, fibula, kneecap.
    const Vec3 hip = k.joint[kLeftLeg], knee = k.joint[kLeftLowerLeg], ankle = k.joint[kLeftFoot];
    const Vec3 trochanter = hip + Vec3{4.0, -5.0, 0};
    m[kLeftLeg] = Egg(hip, {2.3, 2.3, 2.3}, 8, 12);
    m[kLeftLeg].Append(LongBone(hip, trochanter, 1.3, 1.3, 1.8, 10));
    m[kLeftLeg].Append(LongBone(trochanter, knee, 1.9, 1.3, 2.6, 14));
    m[kLeftLowerLeg] = LongBone(knee, ankle + Vec3{-0.4, 0, 0}, 2.6, 1.1, 1.5, 14);
    m[kLeftLowerLeg].Append(
        LongBone(knee + Vec3{2.2, -2.5, -0.8}, ankle + Vec3{1.8, -0.5, -0.6}, 0.9, 0.5, 0.9, 8));
    m[kLeftLowerLeg].Append(Egg(knee + Vec3{0, 0.5, 3.0}, {2.0, 2.4, 0.9}, 8, 12));

    // Foot: heel bone, ankle bone, metatarsals fanning out to the toes.
    const double heel = k.heelSole[0].z, toe = k.toeSole[0].z, sole = k.soleY;
    const Vec3 foot = k.Size(kLeftFoot);
    m[kLeftFoot] = Egg({ankle.x, sole + 2.2, heel + 3.0}, {1.8, 2.0, 3.2});
    m[kLeftFoot].Append(Egg({ankle.x, ankle.y - 0.6, 0.8}, {2.0, 1.8, 2.8}));
    m[kLeftFoot].Append(
        Egg({ankle.x + 0.3, ankle.y - 3.2, heel + 0.45 * (toe - heel)}, {2.6, 1.6, 2.6}));
    for (int t = 0; t < 5; ++t) {
        const double x = ankle.x + (0.35 - 0.17 * t) * foot.x * (t == 0 ? 0.9 : 1.0);
        const Vec3 base{ankle.x + (0.1 - 0.05 * t) * foot.x, sole + 3.0,
                        heel + 0.42 * (toe - heel)};
        const Vec3 ball{x, sole + 1.2, heel + (0.76 - 0.04 * t) * (toe - heel)};
        const Vec3 tip{x, sole + 0.8,
                       heel + (1.0 - (t == 0 ? 0.0 : 0.04 * t + 0.02)) * (toe - heel)};
        m[kLeftFoot].Append(LongBone(base, ball, 0.8, 0.5, 0.8, 8));
        m[kLeftFoot].Append(LongBone(ball, tip, 0.6, 0.4, 0.5, 8));
    }
    MirrorLeftToRight(m);
    return m;
}
