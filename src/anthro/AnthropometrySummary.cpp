#include "anthro/AnthropometrySummary.h"

#include "anthro/Anthropometry.h"
#include "biomech/Units.h"
#include "human/SegmentTable.h"

namespace {

const SummaryRow kRows[kSummaryRowCount] = {
    {"Head", kHead},       {"Neck", kNeck},          {"Chest", kChest},
    {"Abdomen", kAbdomen}, {"Upper arms", kLeftArm}, {"Lower arms", kLeftForearm},
    {"Hands", kLeftPalm},  {"Thighs", kLeftLeg},     {"Lower legs", kLeftLowerLeg},
    {"Feet", kLeftFoot},
};

std::string Number(double value) {
    return FormatTrimmed(value, 4);
}

} // namespace

const SummaryRow& SummaryRowAt(int row) {
    return kRows[row];
}

const char* SummaryGender(const CAnthropometry& record) {
    return record.gender == kMale ? "Male" : "Female";
}

double SummaryHeightInches(const CAnthropometry& record) {
    return record.stature * kSummaryInchesPerCm;
}

double SummaryWeightPounds(const CAnthropometry& record) {
    return record.weight * kSummaryPoundsPerKg;
}

double SummaryDimensionInches(const CAnthropometry& record, int row, int axis) {
    return record.GetSegmentDimensions(kRows[row].segment)[axis] * kSummaryDimensionInchesPerCm;
}

std::string AnthropometrySummaryText(const CAnthropometry& record) {
    std::string text;
    text += std::string("Gender: \t") + SummaryGender(record) + "\n";
    text += std::string("Percentile: \t") + SizeRowLabel(record.sizeRow) + "\n";
    text += "Height: \t" + Number(SummaryHeightInches(record)) + "\n";
    text += "Weight: \t" + Number(SummaryWeightPounds(record)) + "\n";
    text += std::string("Country: \t") + PopulationDisplayName(record.population) + "\n";
    text += std::string("Type: \t") + AgeLabel(record.population) + "\n";
    for (int row = 0; row < kSummaryRowCount; ++row) {
        text += std::string(kRows[row].label) + ": \tX\tY\tZ\n\t";
        text += Number(SummaryDimensionInches(record, row, 0)) + "\t" +
                Number(SummaryDimensionInches(record, row, 1)) + "\t" +
                Number(SummaryDimensionInches(record, row, 2)) + "\n";
    }
    return text;
}
