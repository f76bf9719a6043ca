#include "MassTable.h"

#include "core/MathConstants.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>

namespace {

constexpr double kLbPerKg = 2.2046;
const char* const kMaleName = "male";
// Trunk density (g/cm^3): none of the source tables gives one; a common textbook value.
constexpr double kTrunkDensity = 1.03;

// Zatsiorsky-Seluyanov male segment of each main segment (the trunk is split below).
const char* const kZsSegment[kMainSegmentCount] = {
    nullptr, "head_neck", "upper_arm", "upper_arm", "lower_trunk_LPT", "thigh",
    "thigh", "forearm",   "forearm",   "shank",     "shank",           "foot",
    "hand",  "hand",      "foot",      "head_neck"};
// Harless (1860) male densities by segment (g/cm^3).
const char* const kDensitySegment[kMainSegmentCount] = {
    nullptr,   "headneck", "arm", "arm",  nullptr, "thigh", "thigh", "forearm",
    "forearm", "leg",      "leg", "foot", "hand",  "hand",  "foot",  "headneck"};

// Axis names of the inertia regressions about our x (left), y (up) and z (forward) axes.
const char* const kAxis[3] = {"I_about_CM_mediolateral_axis", "I_about_CM_longitudinal_axis",
                              "I_about_CM_anteroposterior_axis"};

using Function = std::function<double(double statureCm, double weightKg)>;

// The published regressions come from adults. A child below this stature gets the mass of an adult
// of this stature and the same build (weight scaled with the cube of stature), scaled with weight.
constexpr double kAdultFromCm = 150.0;
// How much more an adult point counts than a child's in a fit: adults are the program's main use;
// children need sound masses, and a plane through their values keeps them positive.
constexpr double kAdultEmphasis = 10.0;

double MassScaledFromAdult(const Function& adult, double statureCm, double weightKg) {
    if (statureCm >= kAdultFromCm) {
        return adult(statureCm, weightKg);
    }
    const double k = kAdultFromCm / statureCm;
    const double adultWeight = weightKg * k * k * k;
    return adult(kAdultFromCm, adultWeight) * (weightKg / adultWeight);
}

enum class FitRange { Adults, ChildrenAndAdults };

// Least-squares plane through f over adults of 150-200 cm with a body-mass index of 16-35 and,
// when asked, children of 90-150 cm with 12-35, then minimising the relative error. Moments of
// inertia (weight times length squared) cannot be fitted by one plane over both: theirs stay on
// adults.
StatureWeightRegression Fit(const Function& f, FitRange range) {
    const bool children = range == FitRange::ChildrenAndAdults;
    double m[3][4] = {};
    for (double h = children ? 90.0 : kAdultFromCm; h <= 200.0; h += 5.0) {
        const bool adult = h >= kAdultFromCm;
        for (double w = 10.0; w <= 140.0; w += 2.5) {
            const double bmi = w / (h * h / 1e4);
            if (bmi < (adult ? 16.0 : 12.0) || bmi > 35.0) {
                continue;
            }
            const double row[3] = {h, w * kLbPerKg, 1.0};
            const double y = MassScaledFromAdult(f, h, w);
            const double weight = !children ? 1.0 : (adult ? kAdultEmphasis : 1.0) / (y * y);
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) {
                    m[i][j] += weight * row[i] * row[j];
                }
                m[i][3] += weight * row[i] * y;
            }
        }
    }
    for (int col = 0; col < 3; ++col) {
        for (int r = col + 1; r < 3; ++r) {
            const double k = m[r][col] / m[col][col];
            for (int c = col; c < 4; ++c) {
                m[r][c] -= k * m[col][c];
            }
        }
    }
    double x[3];
    for (int r = 2; r >= 0; --r) {
        double v = m[r][3];
        for (int c = r + 1; c < 3; ++c) {
            v -= m[r][c] * x[c];
        }
        x[r] = v / m[r][r];
    }
    return {x[0], x[1], x[2]};
}

double Evaluate(const CSources::Regression& r, double statureCm, double weightKg) {
    return r.b0 + r.b1 * weightKg + r.b2 * statureCm;
}

// A published regression in kg and cm, multiplied by `factor`.
Function Scaled(const CSources::Regression& r, double factor) {
    return [r, factor](double statureCm, double weightKg) {
        return Evaluate(r, statureCm, weightKg) * factor;
    };
}

} // namespace

double NeckShareOfHeadNeck(const CSources& src) {
    const double h = SemiAutomaticStature(Sex::Male), w = SemiAutomaticWeight(Sex::Male);
    const Vec3 neck = ReferenceDimensions(Sex::Male, kNeck);
    const double volume = tav::kPi * 0.25 * neck.x * neck.z * neck.y;
    const double mass = volume *
                        src.Segment("Harless1860_density", kMaleName, "headneck", "density_g_cm3") /
                        1000.0;
    return mass / Evaluate(src.SegmentRegression(kMaleName, "head_neck", "segment_mass"), h, w);
}

MassTable BuildMassTable(const CSources& src) {
    MassTable t;
    const double neckShare = NeckShareOfHeadNeck(src);
    auto share = [&](int s) {
        return s == kNeck ? neckShare : (s == kHead ? 1.0 - neckShare : 1.0);
    };
    for (int s = 0; s < kMainSegmentCount; ++s) {
        t.density[s] = kDensitySegment[s] ? src.Segment("Harless1860_density", kMaleName,
                                                        kDensitySegment[s], "density_g_cm3")
                                          : kTrunkDensity;
        if (s == kChest) {
            continue;
        }
        // Volume (cm^3) = 1000 * mass (kg) / density.
        t.volume[s] = Fit(Scaled(src.SegmentRegression(kMaleName, kZsSegment[s], "segment_mass"),
                                 1000.0 * share(s) / t.density[s]),
                          FitRange::ChildrenAndAdults);
        for (int a = 0; a < 3; ++a) {
            if (s != kNeck) {
                t.inertia[a][s] =
                    Fit(Scaled(src.SegmentRegression(kMaleName, kZsSegment[s], kAxis[a]),
                               1000.0 * share(s)),
                        FitRange::Adults);
            }
        }
    }

    // kChest is the upper and middle trunk together: masses add; moments of inertia add about
    // the common mass centre (parallel axes), which is fitted as a plane in stature and weight.
    const auto upperMass = src.SegmentRegression(kMaleName, "upper_trunk_UPT", "segment_mass");
    const auto middleMass = src.SegmentRegression(kMaleName, "middle_trunk_MPT", "segment_mass");
    t.volume[kChest] = Fit(Scaled({upperMass.b0 + middleMass.b0, upperMass.b1 + middleMass.b1,
                                   upperMass.b2 + middleMass.b2},
                                  1000.0 / kTrunkDensity),
                           FitRange::ChildrenAndAdults);
    const double refStature =
        src.Population("Zatsiorsky-Seluyanov_sample_(de_Leva_1996)", kMaleName, "stature", "mean") /
        10.0;
    const double upperLength =
        src.Segment("deLeva1996", kMaleName, "upper_trunk_UPT", "mean_length_mm") / 10.0;
    const double upperCm =
        upperLength * src.Segment("deLeva1996", kMaleName, "upper_trunk_UPT", "com_fraction");
    const double middleCm =
        upperLength + src.Segment("deLeva1996", kMaleName, "middle_trunk_MPT", "mean_length_mm") /
                          10.0 *
                          src.Segment("deLeva1996", kMaleName, "middle_trunk_MPT", "com_fraction");
    for (int a = 0; a < 3; ++a) {
        const auto upperI = src.SegmentRegression(kMaleName, "upper_trunk_UPT", kAxis[a]);
        const auto middleI = src.SegmentRegression(kMaleName, "middle_trunk_MPT", kAxis[a]);
        const bool transverse = a != 1;
        t.inertia[a][kChest] = Fit(
            [&](double h, double w) {
                const double mu = Evaluate(upperMass, h, w), mm = Evaluate(middleMass, h, w);
                double i = Evaluate(upperI, h, w) + Evaluate(middleI, h, w);
                if (transverse) {
                    const double d = (middleCm - upperCm) * h / refStature; // cm between the parts
                    i += mu * mm / (mu + mm) * d * d;
                }
                return i * 1000.0;
            },
            FitRange::Adults);
    }
    // kNeck: a solid elliptic cylinder of the reference neck size, scaled with stature.
    const auto headNeckMass = src.SegmentRegression(kMaleName, "head_neck", "segment_mass");
    const Vec3 neck = ReferenceDimensions(Sex::Male, kNeck);
    for (int a = 0; a < 3; ++a) {
        t.inertia[a][kNeck] = Fit(
            [&, a](double h, double w) {
                const double k = h / SemiAutomaticStature(Sex::Male);
                const double rx = 0.5 * neck.x * k, rz = 0.5 * neck.z * k, len = neck.y * k;
                const double m = neckShare * Evaluate(headNeckMass, h, w);
                const double i = a == 1
                                     ? m * (rx * rx + rz * rz) / 4.0
                                     : m * (3.0 * (a == 0 ? rz * rz : rx * rx) + len * len) / 12.0;
                return i * 1000.0;
            },
            FitRange::Adults);
    }
    return t;
}

std::string MassTableBytes(const MassTable& t) {
    std::string bytes;
    auto put = [&](double value) {
        const float f = static_cast<float>(value);
        std::uint32_t u;
        std::memcpy(&u, &f, sizeof u);
        for (int i = 0; i < 4; ++i) {
            bytes += static_cast<char>((u >> (8 * i)) & 0xFF);
        }
    };
    auto putRegressions = [&](const std::array<StatureWeightRegression, kMainSegmentCount>& list) {
        for (const StatureWeightRegression& r : list) {
            put(r.a);
            put(r.b);
            put(r.c);
        }
    };
    for (double d : t.density) {
        put(d);
    }
    putRegressions(t.volume);
    for (const auto& axis : t.inertia) {
        putRegressions(axis);
    }
    return bytes;
}

std::array<double, kMainSegmentCount> SegmentMasses(const MassTable& t, double statureCm,
                                                    double weightKg) {
    std::array<double, kMainSegmentCount> mass{};
    double sum = 0.0;
    for (int s = 0; s < kMainSegmentCount; ++s) {
        mass[s] = t.volume[s].At(statureCm, weightKg * kLbPerKg) * t.density[s];
        sum += mass[s];
    }
    for (double& m : mass) {
        m *= weightKg / sum;
    }
    return mass;
}
