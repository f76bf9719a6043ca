#include "Skeleton.h"

namespace {

const char* SexName(Sex sex) {
    return sex == Sex::Male ? "male" : "female";
}

// Hand proportions (fractions of hand length, wrist centre to middle fingertip), estimated
// after published hand anthropometry: knuckle (MCP) distance from the wrist, finger length
// relative to the middle finger, sideways knuckle position (fraction of hand breadth,
// + towards the thumb) and phalanx shares (proximal, middle, distal).
constexpr double kMiddleFinger = 0.50;
const double kFingerLength[4] = {0.93, 1.0, 0.95, 0.78};
const double kKnuckleSide[4] = {0.375, 0.12, -0.135, -0.39}; // outer knuckles span the breadth
const double kKnuckleRise[4] = {0.02, 0.0, 0.015, 0.05};
const double kPhalanxShare[3] = {0.47, 0.30, 0.23};
const double kFingerThickness[4] = {0.25, 0.26, 0.245, 0.22}; // of hand breadth
// Thumb: metacarpal from the carpometacarpal joint, then proximal and distal phalanges.
const double kThumbLength[3] = {0.24, 0.17, 0.16};

} // namespace

std::vector<Vec3> Skeleton::Landmarks(int segment) const {
    std::vector<Vec3> points{joint[segment], end[segment]};
    if (segment == kHead) {
        points.push_back(leftEye);
        points.push_back(rightEye);
    } else if (segment == kLeftFoot || segment == kRightFoot) {
        const int side = segment == kRightFoot ? 1 : 0;
        points.push_back(toeSole[side]);
        points.push_back(heelSole[side]);
    }
    return points;
}

Skeleton BuildSkeleton(const CSources& src, Sex sex) {
    Skeleton k;
    k.sex = sex;
    const char* ansur = "USA_Army_ANSUR1988";
    const double stature = ReferenceChainStature(sex);
    // ANSUR 1988 medians of this sex, scaled to the reference stature.
    const double ansurStature = src.Population(ansur, SexName(sex), "stature", "p50") / 10.0;
    auto ansurLength = [&](const char* measure) {
        return src.Population(ansur, SexName(sex), measure, "p50") / 10.0 * stature / ansurStature;
    };
    k.fit = FitToSurvey(src, sex);
    auto size = [&](int s) { return ReferenceDimensions(sex, s); };

    // Legs hang straight from hip joints a quarter of the pelvis width either side.
    const double hipX = 0.25 * size(kAbdomen).x;
    const double kneeY = -size(kLeftLeg).y;
    const double ankleY = kneeY - size(kLeftLowerLeg).y;
    k.soleY = ankleY - size(kLeftFoot).y;
    k.joint[kAbdomen] = {0, 0, 0};
    k.joint[kLeftLeg] = {hipX, 0, 0};
    k.joint[kLeftLowerLeg] = {hipX, kneeY, 0};
    k.joint[kLeftFoot] = {hipX, ankleY, 0};
    const double footLength = size(kLeftFoot).z;
    const double heelZ = -0.21 * footLength; // ankle about a fifth of the foot ahead of the heel
    const double toeZ = heelZ + footLength;
    k.end[kLeftLeg] = k.joint[kLeftLowerLeg];
    k.end[kLeftLowerLeg] = k.joint[kLeftFoot];
    k.end[kLeftFoot] = {hipX, k.soleY + 0.15 * size(kLeftFoot).y, toeZ};
    k.toeSole[0] = {hipX, k.soleY, toeZ};
    k.heelSole[0] = {hipX, k.soleY, heelZ};

    // Spine: lower back above the hips, neck base, head joint; the trunk's joints lie behind
    // its centre line.
    const double spineZ = -0.13 * size(kAbdomen).z;
    k.trunkFrontZ = 0.05 * size(kChest).z;
    k.joint[kChest] = {0, size(kAbdomen).y, spineZ};
    k.joint[kNeck] = {0, k.joint[kChest].y + size(kChest).y, spineZ - 1.0};
    k.joint[kHead] = {0, k.joint[kNeck].y + size(kNeck).y, spineZ + 0.5};
    k.headTop = k.joint[kHead].y + size(kHead).y;
    k.end[kAbdomen] = k.joint[kChest];
    k.end[kChest] = k.joint[kNeck];
    k.end[kNeck] = k.joint[kHead];
    k.end[kHead] = {0, k.headTop, k.joint[kHead].z + 1.0};
    const double headCentreZ = k.joint[kHead].z + 1.0;
    // Eyes: ANSUR sitting height minus sitting eye height below the vertex; 6.4 cm apart
    // (estimated); 1 cm behind the face.
    const double eyeY =
        k.headTop - (ansurLength("sitting_height") - ansurLength("eye_height_sitting"));
    const double eyeZ = headCentreZ + 0.5 * size(kHead).z - 1.2;
    k.leftEye = {3.2, eyeY, eyeZ};
    k.rightEye = {-3.2, eyeY, eyeZ};

    // Shoulders: half the biacromial breadth less 1 cm, 2.2 % of stature below the acromion;
    // the chest's width scale carries them.
    const double shoulderX = (0.5 * k.fit.biacromialBreadth - 1.0) / k.fit.correction[kChest].x;
    const double shoulderY = k.soleY + ansurLength("acromion_height") - 0.022 * stature;
    k.joint[kLeftArm] = {shoulderX, shoulderY, 0};
    k.joint[kLeftForearm] = k.joint[kLeftArm] - Vec3{0, size(kLeftArm).y, 0};
    k.joint[kLeftPalm] = k.joint[kLeftForearm] - Vec3{0, size(kLeftForearm).y, 0};
    k.end[kLeftArm] = k.joint[kLeftForearm];
    k.end[kLeftForearm] = k.joint[kLeftPalm];
    // Grip point: centre of a power grasp, on the forearm's axis 42 % down the hand (estimated).
    const double hand = size(kLeftPalm).y, breadth = size(kLeftPalm).x;
    const Vec3 wrist = k.joint[kLeftPalm];
    k.end[kLeftPalm] = wrist - Vec3{0, 0.42 * hand, 0};

    // Fingers of the left hand, hanging with the palm forward: the thumb on the +x side.
    for (int f = 1; f < kFingers; ++f) {
        const double length = kMiddleFinger * hand * kFingerLength[f - 1];
        const double knuckleY = wrist.y - (1.0 - kMiddleFinger) * hand + kKnuckleRise[f - 1] * hand;
        Vec3 p{wrist.x + kKnuckleSide[f - 1] * breadth, knuckleY, 0.05 * breadth};
        for (int ph = 0; ph < kPhalanges; ++ph) {
            const int s = FingerSegment(false, f, ph);
            k.joint[s] = p;
            p = p - Vec3{0, length * kPhalanxShare[ph], 0};
            k.end[s] = p;
            k.thickness[s] = kFingerThickness[f - 1] * breadth * (1.0 - 0.08 * ph);
        }
    }
    // Thumb: from the base of the palm, down, out and forward.
    const Vec3 thumbDir = Normalize(Vec3{0.18, -1.0, 0.30});
    Vec3 p = wrist + Vec3{0.24 * breadth, -0.08 * hand, 0.12 * breadth};
    for (int ph = 0; ph < kPhalanges; ++ph) {
        const int s = FingerSegment(false, 0, ph);
        k.joint[s] = p;
        p = p + thumbDir * (kThumbLength[ph] * hand);
        k.end[s] = p;
        k.thickness[s] = (ph == 0 ? 0.36 : 0.30) * breadth * (1.0 - 0.06 * ph);
    }

    // Mass centres at de Leva's fractions from the proximal end (sex-specific).
    auto fraction = [&](const char* segment) {
        return src.Segment("deLeva1996", SexName(sex), segment, "com_fraction");
    };
    auto along = [](const Vec3& a, const Vec3& b, double f) { return a + (b - a) * f; };
    k.massCentre[kHead] = {0, k.headTop - fraction("head") * size(kHead).y, headCentreZ};
    k.massCentre[kNeck] = along(k.joint[kNeck], k.joint[kHead], 0.5); // estimated: mid-neck
    {
        // CHEST = upper + middle trunk, ABDOMEN = lower trunk; de Leva's trunk lengths scaled
        // to the distance from the hips to the neck base.
        auto len = [&](const char* s) {
            return src.Segment("deLeva1996", SexName(sex), s, "mean_length_mm") / 10.0;
        };
        auto mass = [&](const char* s) {
            return src.Segment("deLeva1996", SexName(sex), s, "mass_fraction");
        };
        const double scale = k.joint[kNeck].y / len("trunk");
        const double up = len("upper_trunk_UPT"), mid = len("middle_trunk_MPT");
        const double upperCm = up * fraction("upper_trunk_UPT");
        const double middleCm = up + mid * fraction("middle_trunk_MPT");
        const double chestCm =
            (mass("upper_trunk_UPT") * upperCm + mass("middle_trunk_MPT") * middleCm) /
            (mass("upper_trunk_UPT") + mass("middle_trunk_MPT"));
        k.massCentre[kChest] = {0, k.joint[kNeck].y - chestCm * scale, k.trunkFrontZ};
        const double lowerAboveHips = len("lower_trunk_LPT") * (1.0 - fraction("lower_trunk_LPT"));
        k.massCentre[kAbdomen] = {0, lowerAboveHips * scale, 0};
    }
    k.massCentre[kLeftArm] = along(k.joint[kLeftArm], k.end[kLeftArm], fraction("upper_arm"));
    k.massCentre[kLeftForearm] =
        along(k.joint[kLeftForearm], k.end[kLeftForearm], fraction("forearm"));
    k.massCentre[kLeftPalm] = wrist - Vec3{0, fraction("hand_alt1") * hand, 0};
    k.massCentre[kLeftLeg] = along(k.joint[kLeftLeg], k.end[kLeftLeg], fraction("thigh"));
    k.massCentre[kLeftLowerLeg] =
        along(k.joint[kLeftLowerLeg], k.end[kLeftLowerLeg], fraction("shank_alt1"));
    k.massCentre[kLeftFoot] = {hipX, k.soleY + 0.35 * size(kLeftFoot).y,
                               heelZ + fraction("foot") * footLength};
    for (int s = kFirstLeftFinger; s < kFirstRightFinger; ++s) {
        k.massCentre[s] = along(k.joint[s], k.end[s], 0.45); // estimated
    }

    // The right side mirrors the left.
    auto mirror = [](const Vec3& v) { return Vec3{-v.x, v.y, v.z}; };
    for (int s = 0; s < kSegmentCount; ++s) {
        if (IsRightSide(s)) {
            const int twin = Counterpart(s);
            k.joint[s] = mirror(k.joint[twin]);
            k.end[s] = mirror(k.end[twin]);
            k.massCentre[s] = mirror(k.massCentre[twin]);
            k.thickness[s] = k.thickness[twin];
        }
    }
    k.toeSole[1] = mirror(k.toeSole[0]);
    k.heelSole[1] = mirror(k.heelSole[0]);
    return k;
}
