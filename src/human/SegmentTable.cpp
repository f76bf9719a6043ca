#include "human/SegmentTable.h"

#include <array>

namespace {

constexpr int kNone = kNoSegment;

// Phalanges A hang from the palm, B from A, C from B; the twin is 15 segments over.
constexpr SegmentInfo Finger(const char* name, int index) {
    const bool left = index < kFirstRightFinger;
    const int first = left ? kFirstLeftFinger : kFirstRightFinger;
    const int parent = (index - first) % 3 == 0 ? (left ? kLeftPalm : kRightPalm) : index - 1;
    return {name, "", parent,
            left ? index + kFingerSegmentsPerHand : index - kFingerSegmentsPerHand};
}

constexpr std::array<SegmentInfo, kSegmentCount> kSegments = {{
    {"CHEST", "Lower back", kAbdomen, kNone},
    {"NECK", "Neck", kChest, kNone},
    {"LARM", "Left shoulder", kChest, kRightArm},
    {"RARM", "Right shoulder", kChest, kLeftArm},
    {"ABDOMEN", "Pelvis", kNone, kNone},
    {"LLEG", "Left hip", kAbdomen, kRightLeg},
    {"RLEG", "Right hip", kAbdomen, kLeftLeg},
    {"LFARM", "Left elbow", kLeftArm, kRightForearm},
    {"RFARM", "Right elbow", kRightArm, kLeftForearm},
    {"LLOWLEG", "Left knee", kLeftLeg, kRightLowerLeg},
    {"RLOWLEG", "Right knee", kRightLeg, kLeftLowerLeg},
    {"LFOOT", "Left ankle", kLeftLowerLeg, kRightFoot},
    {"RPALM", "Right wrist", kRightForearm, kLeftPalm},
    {"LPALM", "Left wrist", kLeftForearm, kRightPalm},
    {"RFOOT", "Right ankle", kRightLowerLeg, kLeftFoot},
    {"HEAD", "Head", kNeck, kNone},
    Finger("LTHUMBA", 16),
    Finger("LTHUMBB", 17),
    Finger("LTHUMBC", 18),
    Finger("LINDEXA", 19),
    Finger("LINDEXB", 20),
    Finger("LINDEXC", 21),
    Finger("LMIDA", 22),
    Finger("LMIDB", 23),
    Finger("LMIDC", 24),
    Finger("LRINGA", 25),
    Finger("LRINGB", 26),
    Finger("LRINGC", 27),
    Finger("LLITTA", 28),
    Finger("LLITTB", 29),
    Finger("LLITTC", 30),
    Finger("RTHUMBA", 31),
    Finger("RTHUMBB", 32),
    Finger("RTHUMBC", 33),
    Finger("RINDEXA", 34),
    Finger("RINDEXB", 35),
    Finger("RINDEXC", 36),
    Finger("RMIDA", 37),
    Finger("RMIDB", 38),
    Finger("RMIDC", 39),
    Finger("RRINGA", 40),
    Finger("RRINGB", 41),
    Finger("RRINGC", 42),
    Finger("RLITTA", 43),
    Finger("RLITTB", 44),
    Finger("RLITTC", 45),
}};

} // namespace

const SegmentInfo& SegmentInfoOf(int index) {
    return kSegments[index];
}
