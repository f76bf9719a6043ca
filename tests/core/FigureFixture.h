#pragma once

#include "human/Mannequin.h"

#include <cstddef>
#include <memory>
#include <vector>

// A bare figure with hand-made geometry: every segment is a small box around its joint and the
// child joints sit at round offsets, so world positions can be worked out by hand.
//
//   ABDOMEN (origin)   CHEST (0,10,0)   NECK (0,25,0)   HEAD (0,30,0)
//   LARM (8,22,0)      LFARM +(0,-12,0) LPALM +(0,-10,0) fingers +(0,-2,0) each
//   RARM (-8,22,0)     RFARM +(0,-12,0) RPALM +(0,-10,0)
//   LLEG (5,0,0)       LLOWLEG +(0,-20,0) LFOOT +(0,-20,0); RLEG mirrored at x = -5
inline Vec3 FixtureChildOffset(int child) {
    switch (child) {
    case kChest:
        return {0, 10, 0};
    case kNeck:
        return {0, 15, 0};
    case kHead:
        return {0, 5, 0};
    case kLeftArm:
        return {8, 12, 0};
    case kRightArm:
        return {-8, 12, 0};
    case kLeftForearm:
    case kRightForearm:
        return {0, -12, 0};
    case kLeftPalm:
    case kRightPalm:
        return {0, -10, 0};
    case kLeftLeg:
        return {5, 0, 0};
    case kRightLeg:
        return {-5, 0, 0};
    case kLeftLowerLeg:
    case kRightLowerLeg:
    case kLeftFoot:
    case kRightFoot:
        return {0, -20, 0};
    default:
        return {0, -2, 0}; // phalanges
    }
}

// Eight corners of a box of half size h around the origin, with the six faces.
inline void GiveBoxMesh(CBodyPart& part, double h) {
    std::vector<Vec3> corners;
    for (int i = 0; i < 8; ++i)
        corners.push_back({i & 1 ? h : -h, i & 2 ? h : -h, i & 4 ? h : -h});
    part.vertices = corners;
    part.normals = std::vector<Vec3>(8, Vec3(0, 0, 1));
    part.faces = {{0, 1, 3, 2}, {4, 5, 7, 6}, {0, 1, 5, 4},
                  {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 3, 7, 5}};
    for (int i = 0; i < 8; ++i)
        part.boxCorners[i] = part.vertices[i];
}

// Replaces vertex `index` of a segment's mesh (meshes are replaced whole, never changed in place).
inline void SetVertex(CBodyPart& part, std::size_t index, const Vec3& v) {
    std::vector<Vec3> vertices = part.vertices;
    vertices[index] = v;
    part.vertices = vertices;
}

inline std::unique_ptr<CMannequin> MakeFixtureFigure() {
    auto figure = std::make_unique<CMannequin>();
    // A plausible body, as a scene file's reader requires of a stored figure.
    for (Vec3& s : figure->anthropometry.scale)
        s = Vec3(1, 1, 1);
    figure->anthropometry.stature = 175.0f;
    figure->anthropometry.weight = 78.0f;
    for (int n = 0; n < kSegmentCount; ++n) {
        CBodyPart* part = figure->GetSegment(n);
        GiveBoxMesh(*part, 1.0);
        for (std::size_t c = 0; c < part->childSegments.size(); ++c)
            part->childOffsets[c] = FixtureChildOffset(part->childSegments[c]->segmentIndex);
        part->upperLimits = Vec3(180, 180, 180);
        part->lowerLimits = Vec3(-180, -180, -180);
    }
    return figure;
}
