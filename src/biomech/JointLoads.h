#pragma once

#include "core/Matrix4.h"
#include "core/Vec3.h"
#include "human/SegmentTable.h"

class CMannequin;

// Pound-force per pound of mass and m/s^2 of gravity: 1 / 9.80665.
inline constexpr double kPoundForcePerPoundMassPerG = 0.101971634;

// Distal children of a main segment in the load tree (CHEST -> NECK, LARM, RARM; ABDOMEN ->
// LLEG, RLEG; ...). CHEST and ABDOMEN are the two roots; HEAD, the palms and feet are leaves.
struct DistalChildren {
    int count = 0;
    int index[3] = {};
};
DistalChildren DistalChildrenOf(int segment);

// The joint loads of all 16 main segments of a figure, computed in one pass; everything in the
// figure's own coordinates.
struct FigureJointLoads {
    Matrix4 frame[kMainSegmentCount];  // each segment's own frame (joint rotation included)
    Vec3 ownForce[kMainSegmentCount];  // the segment's weight and attached loads, lbf
    Vec3 ownMoment[kMainSegmentCount]; // their moment about the segment's joint, lbf*in
    Vec3 force[kMainSegmentCount];     // with everything distal, lbf
    Vec3 moment[kMainSegmentCount];    // with everything distal, about the joint, lbf*in
};

// Fills `loads` for the figure's current posture and gravity; kind-1 (foot prediction) forces
// count only with `includeFeet`.
void ComputeFigureJointLoads(const CMannequin& figure, bool includeFeet, FigureJointLoads& loads);

// The same for main segment `segment` and its distal segments only (the other entries of
// `loads` are left as they were): what one segment's readout needs.
void ComputeSegmentJointLoads(const CMannequin& figure, int segment, bool includeFeet,
                              FigureJointLoads& loads);

// A figure-coordinate vector in a segment's own frame (a frame of FigureJointLoads).
Vec3 IntoFrame(const Matrix4& frame, const Vec3& v);
