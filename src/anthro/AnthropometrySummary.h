#pragma once

#include <string>

class CAnthropometry;

// The "Anthropometry summary" of a figure: its values as shown (inches and pounds) and the
// tab-separated report that "Copy to clipboard" writes.
struct SummaryRow {
    const char* label; // "Head", "Upper arms", ...
    int segment;       // main segment whose dimensions the row shows
};
inline constexpr int kSummaryRowCount = 10;
const SummaryRow& SummaryRowAt(int row);

inline constexpr double kSummaryInchesPerCm = 0.39370078;                   // stature
inline constexpr double kSummaryDimensionInchesPerCm = 0.39370079331436747; // segment sizes
inline constexpr double kSummaryPoundsPerKg = 2.2046;

// "Male" or "Female".
const char* SummaryGender(const CAnthropometry& record);
double SummaryHeightInches(const CAnthropometry& record);
double SummaryWeightPounds(const CAnthropometry& record);
// Width, length or depth (axis 0, 1, 2) of a summary row, in inches.
double SummaryDimensionInches(const CAnthropometry& record, int row, int axis);

// The clipboard report, every number with at most 4 decimals and no trailing zeros.
std::string AnthropometrySummaryText(const CAnthropometry& record);
