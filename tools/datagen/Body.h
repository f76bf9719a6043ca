#pragma once

#include "model/Vec3.h"

#include <array>

// Segment numbers of the 46-segment figure, as every data file uses them.
enum Segment {
    CHEST = 0,
    NECK = 1,
    LARM = 2,
    RARM = 3,
    ABDOMEN = 4,
    LLEG = 5,
    RLEG = 6,
    LFARM = 7,
    RFARM = 8,
    LLOWLEG = 9,
    RLOWLEG = 10,
    LFOOT = 11,
    RPALM = 12,
    LPALM = 13,
    RFOOT = 14,
    HEAD = 15,
    kMainSegments = 16,
    kFirstLeftFinger = 16,
    kFirstRightFinger = 31,
    kSegments = 46
};

// Fingers within a hand: thumb, index, middle, ring, little; phalanges A (proximal), B, C.
constexpr int kFingers = 5;
constexpr int kPhalanges = 3;
inline int FingerSegment(bool right, int finger, int phalanx) {
    return (right ? kFirstRightFinger : kFirstLeftFinger) + finger * kPhalanges + phalanx;
}

const char* SegmentName(int segment);
// The parent segment in the tree, -1 for ABDOMEN.
int ParentSegment(int segment);
// The bilateral twin, -1 for CHEST, NECK, ABDOMEN and HEAD.
int Counterpart(int segment);
bool IsRightSide(int segment);

enum class Sex { Female = 0, Male = 1 };

// Reference size of each main segment in cm at scale (1, 1, 1): width (x), length (y), depth (z).
// These are the sizes the program multiplies by the scale vectors of the population tables.
Vec3 ReferenceDimensions(Sex sex, int segment);
// Sum of the stature chain HEAD + NECK + CHEST + ABDOMEN + LLEG + LLOWLEG + LFOOT, cm.
double ReferenceChainStature(Sex sex);
// The figure the semi-automatic scaling treats as scale 1: stature (cm) and weight (kg).
double SemiAutomaticStature(Sex sex);
double SemiAutomaticWeight(Sex sex);
