#pragma once

#include "Body.h"
#include "Sources.h"

#include <array>
#include <string>

// A linear regression y = a * stature (cm) + b * weight (lb) + c, as the mass file stores it.
struct StatureWeightRegression {
    double a = 0.0, b = 0.0, c = 0.0;
    double At(double statureCm, double weightLb) const { return a * statureCm + b * weightLb + c; }
};

// Contents of "antro1.dat": per main segment a relative density, a volume regression (cm^3) and
// regressions of the principal moments of inertia about x, y, z (thousandths of kg cm^2).
struct MassTable {
    std::array<double, kMainSegmentCount> density{};
    std::array<StatureWeightRegression, kMainSegmentCount> volume{};
    std::array<std::array<StatureWeightRegression, kMainSegmentCount>, 3> inertia{};
};

MassTable BuildMassTable(const CSources& sources);
// The 832-byte little-endian single-precision file.
std::string MassTableBytes(const MassTable& table);
// Segment masses (kg) the program derives from the table for a figure, normalised to `weightKg`.
std::array<double, kMainSegmentCount> SegmentMasses(const MassTable& table, double statureCm,
                                                    double weightKg);
// Fraction of the head-and-neck mass given to the neck (from its reference cylinder).
double NeckShareOfHeadNeck(const CSources& sources);
