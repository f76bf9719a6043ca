#pragma once

#include "Body.h"
#include "Sources.h"
#include "SurveyFit.h"

#include <array>
#include <vector>

// The reference figure of one sex in the mesh files' frame (cm; +y up, facing +z, left side at
// +x, origin midway between the hip joint centres), in the neutral posture: standing, arms
// hanging with the palms forward, fingers extended. Every representation shares these points.
struct Skeleton {
    Sex sex = Sex::Male;
    std::array<Vec3, kSegmentCount> joint{};       // proximal joint centre (vertex 0)
    std::array<Vec3, kSegmentCount> end{};         // vertex 1: distal joint, grip or tip
    std::array<Vec3, kSegmentCount> massCentre{};  // last vertex
    Vec3 leftEye, rightEye;                        // HEAD vertices 2 and 3
    std::array<Vec3, 2> toeSole{}, heelSole{};     // foot vertices 2 and 3: left [0], right [1]
    std::array<double, kSegmentCount> thickness{}; // finger phalanx diameters
    double soleY = 0.0;
    double headTop = 0.0;
    double trunkFrontZ = 0.0; // z of the trunk's centre line
    SurveyFit fit;            // how the survey's medians differ from the reference sizes
    // Width, length and depth (x, y, z extents) each main segment's mesh must have.
    Vec3 Size(int segment) const { return ReferenceDimensions(sex, segment); }
    // Landmark vertices of a record in order: joint, end, [eyes or sole points], ...
    std::vector<Vec3> Landmarks(int segment) const;
};

Skeleton BuildSkeleton(const CSources& sources, Sex sex);
