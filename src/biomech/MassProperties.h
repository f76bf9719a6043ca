#pragma once

#include "anthro/PopulationTables.h"
#include "core/Vec3.h"

#include <string>

// Per-segment linear regressions of volume and principal moments of inertia on stature and
// body weight, and the relative density of each main segment: the contents of "antro1.dat"
// (832 bytes: 208 little-endian single-precision floats).
struct MassRegressionTable {
    // A triple (a, b, c) evaluates as a * H + b * W + c, H stature in cm, W weight in lb.
    using Regression = float[3];

    float density[kScaledSegmentCount] = {};       // relative density factor P
    Regression volume[kScaledSegmentCount] = {};   // cm^3
    Regression inertiaX[kScaledSegmentCount] = {}; // 0.001 kg.cm^2, about the segment's x
    Regression inertiaY[kScaledSegmentCount] = {}; // 0.001 kg.cm^2, about y
    Regression inertiaZ[kScaledSegmentCount] = {}; // 0.001 kg.cm^2, about z
};

inline constexpr long kMassRegressionFileSize = 832; // bytes
inline constexpr const char* kMassRegressionFileName = "antro1.dat";

// Reads a regression table. Returns 1 on success; 0 when the file cannot be opened, is not
// exactly 832 bytes long or holds a number no body has (not finite, a density not in (0, 100],
// a coefficient beyond 1e9). `table` is written only on success.
int ReadMassRegressionTable(const std::string& path, MassRegressionTable& table);

struct SegmentMassProperties {
    float mass = 0.0f;   // lb
    float volume = 0.0f; // cubic inches
    Vec3 inertia;        // lb.in^2 about the segment's x, y, z axes
};

// Mass, volume and inertia of main segments 0..15 of a figure of this stature (cm) and weight
// (kg). The masses are normalised to add up to the body weight in pounds (weight x 2.2046);
// when the regressions give no positive total mass, every mass is 0.
void ComputeSegmentMassProperties(const MassRegressionTable& table, float statureCm, float weightKg,
                                  SegmentMassProperties result[kScaledSegmentCount]);
