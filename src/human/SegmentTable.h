#pragma once

// The 46 body segments of a figure: numbering, names, tree and bilateral twins. The numbers are
// stored in scene files, posture files and force records, so they never change.
enum SegmentIndex : int {
    kChest = 0,
    kNeck = 1,
    kLeftArm = 2,
    kRightArm = 3,
    kAbdomen = 4,
    kLeftLeg = 5,
    kRightLeg = 6,
    kLeftForearm = 7,
    kRightForearm = 8,
    kLeftLowerLeg = 9,
    kRightLowerLeg = 10,
    kLeftFoot = 11,
    kRightPalm = 12,
    kLeftPalm = 13,
    kRightFoot = 14,
    kHead = 15,
    kFirstLeftFinger = 16,  // LTHUMBA; the left hand's 15 phalanges are 16..30
    kFirstRightFinger = 31, // RTHUMBA; the right hand's 15 phalanges are 31..45
};

inline constexpr int kSegmentCount = 46;
inline constexpr int kMainSegmentCount = 16;
inline constexpr int kFingerSegmentsPerHand = 15;
inline constexpr int kNoSegment = -1;

struct SegmentInfo {
    const char* name;      // "CHEST", "LTHUMBA", ...
    const char* jointName; // joint at the proximal end ("Lower back"); "" for fingers
    int parent;            // kNoSegment for the root (ABDOMEN)
    int counterpart;       // bilateral twin, kNoSegment when none
};

// Row `index` (0..45) of the segment table.
const SegmentInfo& SegmentInfoOf(int index);
inline bool IsValidSegmentIndex(int index) {
    return index >= 0 && index < kSegmentCount;
}
inline bool IsLegSegment(int index) {
    return index == kLeftLeg || index == kRightLeg;
}
