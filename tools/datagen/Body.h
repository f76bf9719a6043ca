#pragma once

#include "core/Vec3.h"
#include "human/SegmentTable.h"

// Fingers within a hand: thumb, index, middle, ring, little; phalanges A (proximal), B, C.
constexpr int kFingers = 5;
constexpr int kPhalanges = 3;
inline int FingerSegment(bool right, int finger, int phalanx) {
    return (right ? kFirstRightFinger : kFirstLeftFinger) + finger * kPhalanges + phalanx;
}

inline const char* SegmentName(int segment) {
    return SegmentInfoOf(segment).name;
}
inline int ParentSegment(int segment) {
    return SegmentInfoOf(segment).parent;
}
inline int Counterpart(int segment) {
    return SegmentInfoOf(segment).counterpart;
}
bool IsRightSide(int segment);

enum class Sex { Female = 0, Male = 1 };

// Reference size of main segment `segment` in cm at scale (1, 1, 1): width, length, depth.
Vec3 ReferenceDimensions(Sex sex, int segment);
// Sum of the stature chain HEAD + NECK + CHEST + ABDOMEN + LLEG + LLOWLEG + LFOOT, cm.
double ReferenceChainStature(Sex sex);
// The figure the semi-automatic scaling treats as scale 1: stature (cm) and weight (kg).
double SemiAutomaticStature(Sex sex);
double SemiAutomaticWeight(Sex sex);
// Width factor of the semi-automatic scaling, sqrt((W / H) / (W0 / H0)): what the scale tables
// give the widths and depths of a figure of stature H (cm) and weight W (kg).
double BreadthFactor(Sex sex, double statureCm, double weightKg);
