#pragma once

#include "Body.h"
#include "Sources.h"

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
    // Width, length and depth of each main segment's mesh: the reference sizes, except where
    // the survey's medians say otherwise (see BuildSkeleton).
    std::array<Vec3, kMainSegmentCount> size{};
    // Survey medians the Human surface is fitted to, carried to scale 1 (cm): chest breadth and
    // depth at the nipples, head breadth above the ears and head length; buttock to knee front
    // seated, and sitting height.
    double chestBreadth = 0.0, chestDepth = 0.0;
    double headBreadth = 0.0, headLength = 0.0;
    double buttockKnee = 0.0, sittingHeight = 0.0;
    // Width and length scales of the 50 % row of the scale tables for this sex.
    double medianBreadth = 1.0, medianLength = 1.0;

    // Width, length and depth (x, y, z extents) each main segment's mesh must have.
    Vec3 Size(int segment) const { return size[segment]; }
    // Landmark vertices of a record in order: joint, end, [eyes or sole points], ...
    std::vector<Vec3> Landmarks(int segment) const;
};

Skeleton BuildSkeleton(const CSources& sources, Sex sex);
