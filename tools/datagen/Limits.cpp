#include "Limits.h"

#include "Format.h"

namespace {

// Limits of one joint: (min, max) about each axis.
struct AxisRanges {
    double xMin, xMax, yMin, yMax, zMin, zMax;
};

void Set(JointLimits& limits, int segment, const AxisRanges& r) {
    limits.lower[segment] = {r.xMin, r.yMin, r.zMin};
    limits.upper[segment] = {r.xMax, r.yMax, r.zMax};
}

// The right-side twin of a left-side joint: x keeps its sense, y and z change sign.
AxisRanges Mirror(const AxisRanges& r) {
    return {r.xMin, r.xMax, -r.yMax, -r.yMin, -r.zMax, -r.zMin};
}

double Max(const CSources& src, const char* joint, const char* motion) {
    return src.JointRange(joint, motion).max;
}

} // namespace

int JointLimits::Contains(int segment, const Vec3& angles) const {
    for (int a = 0; a < 3; ++a) {
        if (angles[a] > upper[segment][a] + 1e-9 || angles[a] < lower[segment][a] - 1e-9) {
            return 0;
        }
    }
    return 1;
}

JointLimits BuildJointLimits(const CSources& src) {
    JointLimits limits;
    // Trunk, neck and head: x + is flexion, y + twisting left, z + bending right.
    const double lumbarRotation = src.JointRange("trunk(lumbar_total)", "axial rotation").max;
    Set(limits, kChest,
        {-Max(src, "lumbar_spine", "extension"), Max(src, "lumbar_spine", "flexion"),
         -lumbarRotation, lumbarRotation, -Max(src, "lumbar_spine", "lateral_bending"),
         Max(src, "lumbar_spine", "lateral_bending")});
    // The cervical range is shared evenly by the lower (kNeck) and upper (kHead) neck joints.
    const AxisRanges cervical{-0.5 * Max(src, "neck(cervical)", "extension"),
                              0.5 * Max(src, "neck(cervical)", "flexion"),
                              -0.5 * Max(src, "neck(cervical)", "rotation"),
                              0.5 * Max(src, "neck(cervical)", "rotation"),
                              -0.5 * Max(src, "neck(cervical)", "lateral_bending"),
                              0.5 * Max(src, "neck(cervical)", "lateral_bending")};
    Set(limits, kNeck, cervical);
    Set(limits, kHead, cervical);
    // The pelvis turns the trunk over both hips: the hip ranges.
    Set(limits, kAbdomen,
        {-Max(src, "hip", "extension_beyond_neutral(hyperextension)"), Max(src, "hip", "flexion"),
         -Max(src, "hip", "medial_rotation"), Max(src, "hip", "lateral_rotation"),
         -Max(src, "hip", "adduction"), Max(src, "hip", "abduction")});

    // Left limbs: x - flexion / + extension, y - internal / + external, z - adduction / +
    // abduction.
    const double elevation = src.JointRange("shoulder", "elevation (MoBL-ARMS shoulder_elv)").max;
    const double shoulderAdduction = 30.0; // no source: the hanging arm meets the trunk
    const AxisRanges shoulder{-elevation,
                              Max(src, "shoulder", "extension"),
                              -Max(src, "shoulder", "medial_rotation"),
                              Max(src, "shoulder", "lateral_rotation"),
                              -shoulderAdduction,
                              elevation};
    // Elbow: the neutral forearm is fully supinated (palm forward), so pronation spans both
    // tabulated halves of the forearm's rotation.
    const AxisRanges elbow{-Max(src, "elbow", "flexion"),
                           0.0,
                           -(Max(src, "forearm", "pronation") + Max(src, "forearm", "supination")),
                           0.0,
                           0.0,
                           0.0};
    const AxisRanges wrist{-Max(src, "wrist", "flexion"),
                           Max(src, "wrist", "extension"),
                           0.0,
                           0.0,
                           -src.JointRange("wrist", "deviation").max,
                           Max(src, "wrist", "abduction(radial_deviation)")};
    const AxisRanges hip{-Max(src, "hip", "flexion"),
                         Max(src, "hip", "extension_beyond_neutral(hyperextension)"),
                         -Max(src, "hip", "medial_rotation"),
                         Max(src, "hip", "lateral_rotation"),
                         -Max(src, "hip", "adduction"),
                         Max(src, "hip", "abduction")};
    // Knee: x + is flexion.
    const AxisRanges knee{0.0, Max(src, "knee", "flexion"), 0.0, 0.0, 0.0, 0.0};
    // Ankle: x - dorsiflexion / + plantarflexion; z + turns the sole inwards (inversion).
    const AxisRanges ankle{
        -Max(src, "ankle", "dorsiflexion"), Max(src, "ankle", "plantarflexion"), 0.0, 0.0,
        -Max(src, "foot", "eversion"),      Max(src, "foot", "inversion")};
    const std::pair<int, AxisRanges> leftJoints[] = {{kLeftArm, shoulder},  {kLeftForearm, elbow},
                                                     {kLeftPalm, wrist},    {kLeftLeg, hip},
                                                     {kLeftLowerLeg, knee}, {kLeftFoot, ankle}};
    for (const auto& [segment, ranges] : leftJoints) {
        Set(limits, segment, ranges);
        Set(limits, Counterpart(segment), segment == kLeftLowerLeg ? ranges : Mirror(ranges));
    }

    // Fingers of the left hand; x - is flexion towards the palm for the long fingers.
    const double mcpAbduction = Max(src, "finger_MCP", "abduction");
    const double mcpAdduction = Max(src, "finger_MCP", "adduction");
    const AxisRanges fingerZ[4] = {{0, 0, 0, 0, -mcpAdduction, mcpAbduction},  // index: + lateral
                                   {0, 0, 0, 0, -mcpAdduction, mcpAdduction},  // middle
                                   {0, 0, 0, 0, -mcpAbduction, mcpAdduction},  // ring
                                   {0, 0, 0, 0, -mcpAbduction, mcpAdduction}}; // little
    for (int finger = 1; finger < kFingers; ++finger) {
        const AxisRanges& z = fingerZ[finger - 1];
        Set(limits, FingerSegment(false, finger, 0),
            {-Max(src, "finger_MCP", "flexion"), Max(src, "finger_MCP", "extension"), 0.0, 0.0,
             z.zMin, z.zMax});
        Set(limits, FingerSegment(false, finger, 1),
            {-Max(src, "finger_PIP", "flexion"), 0.0, 0.0, 0.0, 0.0, 0.0});
        Set(limits, FingerSegment(false, finger, 2),
            {-Max(src, "finger_DIP", "flexion"), 0.0, 0.0, 0.0, 0.0, 0.0});
    }
    // Thumb: z - flexion across the palm, x - palmar abduction (forwards).
    const CSources::Range cmcFlexion = src.JointRange("thumb_CMC", "flexion/extension");
    const CSources::Range cmcAbduction = src.JointRange("thumb_CMC", "abduction/adduction");
    Set(limits, FingerSegment(false, 0, 0),
        {-cmcAbduction.max, -cmcAbduction.min, 0.0, 0.0, -cmcFlexion.max, -cmcFlexion.min});
    Set(limits, FingerSegment(false, 0, 1),
        {0.0, 0.0, 0.0, 0.0, -Max(src, "thumb_MCP", "flexion"), 0.0});
    Set(limits, FingerSegment(false, 0, 2),
        {0.0, 0.0, 0.0, 0.0, -Max(src, "thumb_IP", "flexion"), 0.0});
    for (int s = kFirstLeftFinger; s < kFirstRightFinger; ++s) {
        const Vec3 lo = limits.lower[s], hi = limits.upper[s];
        Set(limits, s + 15, Mirror({lo.x, hi.x, lo.y, hi.y, lo.z, hi.z}));
    }
    return limits;
}

std::string JointLimitsText(const JointLimits& limits) {
    std::string text;
    for (int s = 0; s < kSegmentCount; ++s) {
        for (const Vec3& v : {limits.upper[s], limits.lower[s]}) {
            text += std::to_string(s) + " " + Fixed(v.x, 1) + " " + Fixed(v.y, 1) + " " +
                    Fixed(v.z, 1) + "\n";
        }
    }
    return text;
}
