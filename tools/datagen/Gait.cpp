#include "Gait.h"

#include "Format.h"

#include <cmath>

namespace {

// The source samples lie at phases k / 7 of the cycle (right heel strike at 0).
using Samples = std::array<double, kGaitFrames>;

// Linear interpolation on the closed cycle at phase (fraction of a cycle).
double At(const Samples& s, double phase) {
    const double t = (phase - std::floor(phase)) * kGaitFrames;
    const int i = static_cast<int>(std::floor(t)) % kGaitFrames;
    const double f = t - std::floor(t);
    return s[i] * (1.0 - f) + s[(i + 1) % kGaitFrames] * f;
}

double Mean(const Samples& s) {
    double sum = 0.0;
    for (double v : s) {
        sum += v;
    }
    return sum / kGaitFrames;
}

double Min(const Samples& s) {
    double m = s[0];
    for (double v : s) {
        m = std::min(m, v);
    }
    return m;
}

// Joint angles of the figure at one phase. Sources use the OpenSim gait model's coordinates
// (x forward, y up, z right; sagittal angles about z): our x axis is their -z, our y and z are
// their y and x. Legs hang from the pelvis frame that stays level while walking, so a thigh's
// angle is the pelvis angle plus the hip angle; the left side is the right side half a cycle on.
struct Series {
    Samples tilt, list, rotation, lumbarExt, lumbarBend, lumbarRot;
    Samples hipFlex, hipAdd, hipRot, knee, ankle, shoulder, elbow;
};

MainPosture Pose(const Series& s, double phase) {
    const double tilt = At(s.tilt, phase) - Mean(s.tilt);
    const double list = At(s.list, phase);
    const double rotation = At(s.rotation, phase);
    MainPosture p{};
    p[kAbdomen] = {-tilt, rotation, list};
    p[kChest] = {-(At(s.lumbarExt, phase) - Mean(s.lumbarExt)), At(s.lumbarRot, phase),
                 At(s.lumbarBend, phase)};
    const double opposite = phase + 0.5;
    p[kRightLeg] = {-(At(s.hipFlex, phase) + tilt), At(s.hipRot, phase) + rotation,
                    At(s.hipAdd, phase) + list};
    p[kLeftLeg] = {-(At(s.hipFlex, opposite) + tilt), rotation - At(s.hipRot, opposite),
                   list - At(s.hipAdd, opposite)};
    p[kRightLowerLeg] = {-At(s.knee, phase), 0, 0};
    p[kLeftLowerLeg] = {-At(s.knee, opposite), 0, 0};
    p[kRightFoot] = {-At(s.ankle, phase), 0, 0};
    p[kLeftFoot] = {-At(s.ankle, opposite), 0, 0};
    // Arm swing and elbow: only the excursions of the marker-derived angles are meaningful.
    p[kRightArm] = {-(At(s.shoulder, phase) - Mean(s.shoulder)), 0, 0};
    p[kLeftArm] = {-(At(s.shoulder, opposite) - Mean(s.shoulder)), 0, 0};
    p[kRightForearm] = {-(At(s.elbow, phase) - Min(s.elbow)), 0, 0};
    p[kLeftForearm] = {-(At(s.elbow, opposite) - Min(s.elbow)), 0, 0};
    return p;
}

} // namespace

GaitCycle BuildGaitCycle(const CSources& src) {
    const Series s{src.Gait("pelvis_tilt"),
                   src.Gait("pelvis_list"),
                   src.Gait("pelvis_rotation"),
                   src.Gait("lumbar_extension"),
                   src.Gait("lumbar_bending"),
                   src.Gait("lumbar_rotation"),
                   src.Gait("hip_flexion_r"),
                   src.Gait("hip_adduction_r"),
                   src.Gait("hip_rotation_r"),
                   src.Gait("knee_angle_r"),
                   src.Gait("ankle_angle_r"),
                   src.Gait("subject01:shoulder_flexion_sagittal_r"),
                   src.Gait("subject01:elbow_flexion_r")};
    // The cycle returns to the neutral posture after its last frame; mid-stance (phase 2/7) is
    // the sample nearest to it, so the frames run from phase 3/7 round to phase 1/7.
    GaitCycle cycle;
    for (int f = 0; f < kGaitFrames; ++f) {
        cycle.phase[f] = static_cast<double>((f + 3) % kGaitFrames) / kGaitFrames;
        cycle.poses[f] = f + 1 < kGaitFrames ? Pose(s, cycle.phase[f]) : MainPosture{};
    }
    return cycle;
}

std::string GaitText(const GaitCycle& cycle) {
    // Increments are differences of the poses rounded as written, so they add up exactly.
    auto rounded = [](const Vec3& v) {
        return Vec3{std::round(v.x * 1000.0), std::round(v.y * 1000.0), std::round(v.z * 1000.0)} /
               1000.0;
    };
    std::string text;
    MainPosture previous{};
    for (int f = 0; f < kGaitFrames; ++f) {
        text += std::to_string(f) + "\n";
        for (int s = 0; s < 18; ++s) {
            Vec3 step{};
            if (s < kMainSegmentCount) {
                step = rounded(cycle.poses[f][s]) - rounded(previous[s]);
            }
            text += std::to_string(s) + " " + Fixed(step.x, 3) + " " + Fixed(step.y, 3) + " " +
                    Fixed(step.z, 3) + "\n";
        }
        previous = cycle.poses[f];
    }
    return text;
}
