#include "biomech/MassProperties.h"

#include "core/ByteReader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Single-precision factors of the mass computation.
constexpr float kPoundsPerKilogramF = 2.2046f;
constexpr float kCubicInchesPerCubicCm = 0.061023835f;
// 0.001 kg.cm^2 -> lb.in^2: the float factors widened to double.
constexpr double kPoundsPerKilogramWide = 2.2046000957489014;
constexpr double kInchesPerCmWide = 0.3937009871006012;

// A regression fitted on one range of figures can fall below zero far outside it (a moment of
// inertia fitted on adults, for a small child): no volume or moment of inertia is negative.
float Evaluate(const MassRegressionTable::Regression& r, float h, float w) {
    return std::max(r[0] * h + r[1] * w + r[2], 0.0f);
}

// 0.001 kg.cm^2 -> lb.in^2, factor by factor in the program's order.
double PoundSquareInches(float thousandthsKgCm2) {
    return double(thousandthsKgCm2 * 0.001f) * kPoundsPerKilogramWide * kInchesPerCmWide *
           kInchesPerCmWide;
}

float LittleEndianFloat(const unsigned char* bytes) {
    const std::uint32_t bits = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                               std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

int ReadMassRegressionTable(const std::string& path, MassRegressionTable& table) {
    std::unique_ptr<std::FILE, FileCloser> file(OpenRegularFile(path));
    if (!file)
        return 0;
    unsigned char bytes[kMassRegressionFileSize + 1];
    // One byte more than the table: a longer file is some other file.
    if (std::fread(bytes, 1, sizeof bytes, file.get()) != kMassRegressionFileSize)
        return 0;

    // Densities are relative to water (human tissue lies near 1); the regression coefficients
    // of the shipped table stay below 4e6. Larger values are a damaged file, not a body.
    constexpr float kMaxDensity = 100.0f;
    constexpr float kMaxCoefficient = 1e9f;
    float values[kMassRegressionFileSize / 4];
    for (std::size_t i = 0; i < std::size(values); ++i) {
        values[i] = LittleEndianFloat(bytes + 4 * i);
        const bool density = i < kScaledSegmentCount;
        if (!std::isfinite(values[i]) ||
            (density && !(values[i] > 0.0f && values[i] <= kMaxDensity)) ||
            std::fabs(values[i]) > kMaxCoefficient)
            return 0;
    }
    static_assert(sizeof(MassRegressionTable) == sizeof values, "table layout is the file's");
    std::memcpy(&table, values, sizeof values);
    return 1;
}

void ComputeSegmentMassProperties(const MassRegressionTable& table, float statureCm, float weightKg,
                                  SegmentMassProperties result[kScaledSegmentCount]) {
    const float h = statureCm;
    const float w = weightKg * kPoundsPerKilogramF; // lb
    float provisionalMass[kScaledSegmentCount];
    float totalMass = 0.0f;
    for (int i = 0; i < kScaledSegmentCount; ++i) {
        const float v = Evaluate(table.volume[i], h, w); // cm^3
        provisionalMass[i] = v * table.density[i];
        totalMass += provisionalMass[i];
        result[i].volume = v * kCubicInchesPerCubicCm;
        result[i].inertia = Vec3(PoundSquareInches(Evaluate(table.inertiaX[i], h, w)),
                                 PoundSquareInches(Evaluate(table.inertiaY[i], h, w)),
                                 PoundSquareInches(Evaluate(table.inertiaZ[i], h, w)));
    }
    // Only the proportions of the provisional masses count: they share out the body weight.
    const bool usable = totalMass > 0.0f && std::isfinite(totalMass);
    for (int i = 0; i < kScaledSegmentCount; ++i)
        result[i].mass = usable ? provisionalMass[i] * w / totalMass : 0.0f;
}
