#include "Sources.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// A numeric cell, NaN when blank or not a number.
double ToNumber(const std::string& text) {
    if (text.empty()) {
        return kNaN;
    }
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return end == text.c_str() ? kNaN : value;
}

std::string Join(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& p : parts) {
        out += (out.empty() ? "" : "/") + p;
    }
    return out;
}

} // namespace

int CSources::Load(const std::string& dir) {
    const std::string base = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    return ReadCsv(base + "populations.csv", populations) &&
           ReadCsv(base + "children.csv", children) && ReadCsv(base + "segments.csv", segments) &&
           ReadCsv(base + "segment_regressions.csv", regressions) &&
           ReadCsv(base + "gait.csv", gait) && ReadCsv(base + "joint_limits.csv", limits);
}

double CSources::Number(const CsvTable& table, const std::vector<std::string>& keyColumns,
                        const std::vector<std::string>& keys, const std::string& column) const {
    std::vector<int> keyIndex;
    for (const std::string& name : keyColumns) {
        keyIndex.push_back(table.Column(name));
    }
    const int valueIndex = table.Column(column);
    for (const auto& row : table.rows) {
        bool match = valueIndex >= 0 && valueIndex < static_cast<int>(row.size());
        for (size_t k = 0; match && k < keys.size(); ++k) {
            match = keyIndex[k] >= 0 && keyIndex[k] < static_cast<int>(row.size()) &&
                    row[keyIndex[k]] == keys[k];
        }
        if (match) {
            const double value = ToNumber(row[valueIndex]);
            if (!std::isnan(value)) {
                return value;
            }
        }
    }
    missing.push_back(Join(keys) + ":" + column);
    return kNaN;
}

double CSources::Population(const std::string& population, const std::string& sex,
                            const std::string& measure, const std::string& column) const {
    return Number(populations, {"population", "sex", "measure"}, {population, sex, measure},
                  column);
}

CSources::Lms CSources::Child(int ageYears, const std::string& sex,
                              const std::string& measure) const {
    const std::vector<std::string> keys{std::to_string(ageYears), sex, measure};
    const std::vector<std::string> columns{"age_years", "sex", "measure"};
    return {Number(children, columns, keys, "L"), Number(children, columns, keys, "M"),
            Number(children, columns, keys, "S")};
}

double CSources::ChildPercentile(int ageYears, const std::string& sex, const std::string& measure,
                                 const std::string& column) const {
    return Number(children, {"age_years", "sex", "measure"},
                  {std::to_string(ageYears), sex, measure}, column);
}

double CSources::Segment(const std::string& model, const std::string& sex,
                         const std::string& segment, const std::string& column) const {
    return Number(segments, {"model", "sex", "segment"}, {model, sex, segment}, column);
}

CSources::Regression CSources::SegmentRegression(const std::string& sex, const std::string& segment,
                                                 const std::string& parameter) const {
    const std::vector<std::string> columns{"sex", "segment", "parameter"};
    const std::vector<std::string> keys{sex, segment, parameter};
    return {Number(regressions, columns, keys, "b0"),
            Number(regressions, columns, keys, "b1_per_kg_body_mass"),
            Number(regressions, columns, keys, "b2_per_cm_stature")};
}

std::array<double, 7> CSources::Gait(const std::string& coordinate) const {
    static const char* kPhases[7] = {"0.0", "14.29", "28.57", "42.86", "57.14", "71.43", "85.71"};
    std::array<double, 7> samples{};
    for (int i = 0; i < 7; ++i) {
        samples[i] =
            Number(gait, {"phase_pct_cycle", "joint"}, {kPhases[i], coordinate}, "angle_deg");
    }
    return samples;
}

CSources::Range CSources::JointRange(const std::string& joint, const std::string& motion) const {
    return {Number(limits, {"joint", "motion"}, {joint, motion}, "min_deg"),
            Number(limits, {"joint", "motion"}, {joint, motion}, "max_deg")};
}
