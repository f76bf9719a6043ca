#pragma once

#include "Body.h"
#include "Sources.h"

#include <array>
#include <string>
#include <vector>

constexpr int kSizeRows = 5;
// Percentiles of the five size rows and their standard normal deviates.
extern const std::array<double, kSizeRows> kRowPercentiles;
extern const std::array<double, kSizeRows> kRowZ;

// One size row of a scale file: stature (cm), weight (kg) and the 16 scale vectors.
struct ScaleRow {
    double percentile = 0.0;
    double stature = 0.0;
    double weight = 0.0;
    std::array<Vec3, kMainSegmentCount> scale{};
};

// One scale file: its name, population code (or child code 33..42), sex and five rows, with a
// line of text for the data README saying where its stature and weight came from.
struct ScaleFile {
    std::string fileName;
    int populationCode = 0;
    Sex sex = Sex::Male;
    std::array<ScaleRow, kSizeRows> rows{};
    std::string provenance;
};

// All adult scale files (every population that has files, both sexes) and the ten child files.
std::vector<ScaleFile> BuildScaleFiles(const CSources& sources);
// The text of a scale file: per row a header line and sixteen segment lines.
std::string ScaleFileText(const ScaleFile& file);
