#include "anthro/Anthropometry.h"

#include "anthro/ScaleFile.h"
#include "biomech/Units.h"
#include "core/DataDirectory.h"
#include "core/UserReporter.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// Widths, depths and weight of thin and heavy figures relative to average ones.
float BodyTypeFactor(int gender, int bodyType) {
    if (bodyType == kHeavy)
        return gender == kMale ? 1.16f : 1.23f;
    if (bodyType == kThin)
        return gender == kMale ? 0.85f : 0.86f;
    return 1.0f;
}

// The chains that add up to the stature, head first.
constexpr int kLeftStatureChain[] = {15, 1, 0, 4, 5, 9, 11};
constexpr int kRightStatureChain[] = {15, 1, 0, 4, 6, 10, 14};

} // namespace

std::string CAnthropometry::GetScaleFilePath() const {
    const char* file =
        childTable >= 0 ? ChildScaleFileName(childTable) : AdultScaleFileName(population, gender);
    return DataPath(file);
}

void CAnthropometry::StoreChoice(int gender, int population, int childTable, int sizeRow,
                                 int bodyType) {
    // A child's population code is its age group (33 + age - 3): the summary, the change-body
    // preset, the adult-only analyses and the scene file all take the age from it. A code that
    // does not fit the record's byte is no population at all (no files).
    if (childTable >= 0 && childTable < kChildTableCount)
        population = ChildPopulation(childTable);
    this->population =
        static_cast<std::uint8_t>(population >= 0 && population <= 255 ? population : 0);
    this->childTable = childTable;
    this->gender = static_cast<std::uint8_t>(gender == kMale ? kMale : kFemale);
    this->sizeRow = sizeRow;
    this->bodyType =
        static_cast<std::uint8_t>(bodyType >= kThin && bodyType <= kHeavy ? bodyType : kAverage);
}

int CAnthropometry::ReadDatabaseRow(int selection, CUserReporter& reporter) {
    const float factor = BodyTypeFactor(gender, bodyType);
    ScaleRow row;
    const std::string path = GetScaleFilePath();
    std::string why;
    if (!ReadScaleRow(path, sizeRow, row, &why)) {
        reporter.Message("Cannot open Scale data file." +
                         (why.empty() ? std::string() : "\n" + path + ", " + why));
        return 0;
    }
    // Adults keep child table 0; the population code says they are adults.
    if (childTable == -1)
        childTable = 0;
    stature = row.stature;
    weight = row.weight * factor;
    for (int i = 0; i < kScaledSegmentCount; ++i) {
        if (!SelectionIncludes(selection, i))
            continue;
        const float* s = row.scale[i];
        scale[i] = Vec3(s[0] * factor, s[1], s[2] * factor);
    }
    return 1;
}

int CAnthropometry::LoadFromDatabase(int gender, int population, int childTable, int sizeRow,
                                     int bodyType, int selection, CUserReporter& reporter) {
    StoreChoice(gender, population, childTable, sizeRow, bodyType);
    return ReadDatabaseRow(selection, reporter);
}

int CAnthropometry::Customize(int gender, int population, int childTable, int sizeRow, int bodyType,
                              int selection, int mode, const CAnthropometryContext& context) {
    StoreChoice(gender, population, childTable, sizeRow, bodyType);
    const bool neverLoaded = stature == 0.0f && weight == 0.0f;
    if (mode == kSizeAutomatic || neverLoaded) {
        if (!ReadDatabaseRow(selection, context.reporter))
            return 0;
    } else if (this->childTable == -1) {
        this->childTable = 0; // as a database load would have stored it
    }
    if (mode == kSizeSemiAutomatic)
        EditSemiAutomatic(context);
    else if (mode == kSizeManual)
        EditManual(context);
    return 1;
}

void CAnthropometry::EditSemiAutomatic(const CAnthropometryContext& context) {
    sizeRow = kCustomSizeRow;
    double shownStature = ConvertLength(kCentimetres, stature, context.lengthUnit);
    double shownWeight = weight * kPoundsPerKilogram;
    if (!context.dialogs ||
        !context.dialogs->EditStatureAndWeight(shownStature, shownWeight, context.lengthUnit))
        return;
    weight = static_cast<float>(shownWeight * kKilogramsPerPound);
    stature = static_cast<float>(ConvertLength(context.lengthUnit, shownStature, kCentimetres));
    ApplySemiAutomaticScale();
}

void CAnthropometry::EditManual(const CAnthropometryContext& context) {
    Vec3 saved[kScaledSegmentCount];
    std::copy(std::begin(scale), std::end(scale), saved);
    const float savedStature = stature;
    if (context.dialogs && context.dialogs->EditSegmentDimensions(*this, context.lengthUnit)) {
        sizeRow = kCustomSizeRow;
        return;
    }
    std::copy(std::begin(saved), std::end(saved), scale);
    stature = savedStature;
}

void CAnthropometry::ApplySemiAutomaticScale() {
    const double h = stature; // cm
    const double w = weight;  // kg
    // A stature of zero or less has no scale; the figure keeps its size.
    if (!(h > 0.0) || !(w >= 0.0) || !std::isfinite(h) || !std::isfinite(w))
        return;
    // The reference figures: 174.8 cm, 78 kg (men) and 175.84 cm, 71.2 kg (women).
    Vec3 s;
    if (gender == kMale) {
        const double width = std::sqrt(w * 174.8 / h * 0.012820513);
        s = Vec3(width, h * 0.0057208235, width);
    } else {
        const double width = std::sqrt(w * 175.84 / h * 0.014044944);
        s = Vec3(width, h * 0.005686988, width);
    }
    std::fill(std::begin(scale), std::end(scale), s);
}

Vec3 CAnthropometry::GetSegmentDimensions(int index) const {
    if (index < 0 || index >= kScaledSegmentCount)
        return {1.0, 1.0, 1.0};
    const Vec3 reference = ReferenceDimensions(gender, index);
    const Vec3& s = scale[index];
    return {s.x * reference.x, s.y * reference.y, s.z * reference.z};
}

Vec3 CAnthropometry::SetSegmentDimensions(int index, double width, double length, double depth,
                                          int lengthUnit) {
    if (index < 0 || index >= kScaledSegmentCount)
        return GetSegmentDimensions(index);
    // new scale = new size / reference size; equal to new x old scale / old size, and still
    // defined when the old scale is zero.
    const Vec3 reference = ReferenceDimensions(gender, index);
    scale[index] = Vec3(ConvertLength(lengthUnit, width, kCentimetres) / reference.x,
                        ConvertLength(lengthUnit, length, kCentimetres) / reference.y,
                        ConvertLength(lengthUnit, depth, kCentimetres) / reference.z);
    return GetSegmentDimensions(index);
}

float CAnthropometry::ComputeStature() {
    double left = 0.0;
    double right = 0.0;
    for (int i : kLeftStatureChain)
        left += GetSegmentDimensions(i).y;
    for (int i : kRightStatureChain)
        right += GetSegmentDimensions(i).y;
    stature = static_cast<float>(std::max(left, right));
    return stature;
}

void CAnthropometry::ScaleFromSegmentLengths(int gender, float statureCm, float weightKg,
                                             const float lengthsCm[kScaledSegmentCount]) {
    StoreChoice(gender, 1, -1, kCustomSizeRow, kAverage);
    childTable = 0; // an adult, as a database load records one
    stature = statureCm;
    weight = weightKg;
    for (int i = 0; i < kScaledSegmentCount; ++i) {
        if (!(lengthsCm[i] > 0.0f))
            continue;
        const double s = lengthsCm[i] / ReferenceDimensions(this->gender, i).y;
        scale[i] = Vec3(s, s, s);
    }
}

void CAnthropometry::ScaleFromStatureAndWeight(int gender, int population, int childTable,
                                               int bodyType, float statureCm, float weightKg) {
    StoreChoice(gender, population, childTable, kCustomSizeRow, bodyType);
    stature = statureCm;
    weight = weightKg;
    ApplySemiAutomaticScale();
}
