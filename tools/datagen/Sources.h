#pragma once

#include "Csv.h"

#include <array>
#include <string>
#include <vector>

// Typed access to the source tables kept in tools/datagen/sources. A lookup that finds no value
// returns NaN and records what was missing, so a run can list every gap before failing.
class CSources {
public:
    // Reads every table from `dir`; 1 on success, 0 when a file is missing or malformed.
    int Load(const std::string& dir);

    // populations.csv: the cell `column` ("p2_5", "p5", "p50", "p95", "p97_5", "mean", "sd")
    // of (population, sex, measure), in the row's unit (mm, kg, kg/m2).
    double Population(const std::string& population, const std::string& sex,
                      const std::string& measure, const std::string& column) const;

    // children.csv: the CDC LMS parameters of (age in years, sex, measure "stature"/"weight").
    struct Lms {
        double l = 0.0, m = 0.0, s = 0.0;
    };
    Lms Child(int ageYears, const std::string& sex, const std::string& measure) const;
    // children.csv: a printed percentile column ("p3", "p50", ...) for cross-checks.
    double ChildPercentile(int ageYears, const std::string& sex, const std::string& measure,
                           const std::string& column) const;

    // segments.csv: one numeric column of (model, sex, segment), e.g. "mass_fraction".
    double Segment(const std::string& model, const std::string& sex, const std::string& segment,
                   const std::string& column) const;

    // segment_regressions.csv: y = b0 + b1 * body mass (kg) + b2 * stature (cm).
    struct Regression {
        double b0 = 0.0, b1 = 0.0, b2 = 0.0;
    };
    Regression SegmentRegression(const std::string& sex, const std::string& segment,
                                 const std::string& parameter) const;

    // gait.csv: the seven samples of one coordinate (phases 0, 1/7, ... 6/7 of the cycle), degrees.
    std::array<double, 7> Gait(const std::string& coordinate) const;

    // joint_limits.csv: min and max (degrees) of the first row of (joint, motion).
    struct Range {
        double min = 0.0, max = 0.0;
    };
    Range JointRange(const std::string& joint, const std::string& motion) const;

    // Every lookup that found nothing, in the order they were made.
    const std::vector<std::string>& Missing() const { return missing; }

private:
    double Number(const CsvTable& table, const std::vector<std::string>& keyColumns,
                  const std::vector<std::string>& keys, const std::string& column) const;

    CsvTable populations, children, segments, regressions, gait, limits;
    mutable std::vector<std::string> missing;
};
