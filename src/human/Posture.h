#pragma once

#include "core/Vec3.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CMannequin;

// The complete joint state of a figure, independent of its size: per segment (in segment-number
// order) the upper and lower joint limits, the joint angles, and the joint's rotation as angles
// about X, Y and Z (rotation = RotationX(x) * RotationZ(z) * RotationY(y)). All in degrees.
// A posture file (io/PostureFile.h) holds exactly these four tables as little-endian doubles.
struct CPosture {
    static constexpr int kSegments = 46;
    static constexpr std::size_t kFileSize = 4 * kSegments * 3 * sizeof(double);

    std::array<Vec3, kSegments> upperLimits{};
    std::array<Vec3, kSegments> lowerLimits{};
    std::array<Vec3, kSegments> angles{};
    std::array<Vec3, kSegments> orientation{};
};

// Copies every segment's limits and angles, and decomposes its joint rotation.
void CapturePosture(const CMannequin& figure, CPosture& posture);
// Sets every segment's limits, angles and joint rotation. The caller then recomputes the figure
// (UpdatePosture).
void ApplyPosture(CMannequin& figure, const CPosture& posture);
// Blends limits and angles between two postures, w = percent / 100 (0 gives `initial`, 100
// `final`), and rebuilds each joint rotation from the blended angles.
void InterpolatePosture(CMannequin& figure, double percent, const CPosture& initial,
                        const CPosture& final);
