#pragma once

#include "anthro/PopulationTables.h"

#include <string>

// One size row of a population scale file: the header's stature and weight, then the x
// (width), y (length) and z (depth) scale factors of main segments 0..15.
struct ScaleRow {
    float stature = 0.0f; // cm
    float weight = 0.0f;  // kg, before any body-type factor
    float scale[kScaledSegmentCount][3] = {};
};

// Reads size row `sizeRow` of a scale file: 17 lines per row, the header read as
// "%*f %*i %*i %*i %f %f", then 16 lines "%i %f %f %f". Returns 1 on success; 0 when the file
// cannot be opened, ends before the row is complete, holds a line of 80 characters or more, a
// line that does not match its format, or a value no body has (negative, not finite, a stature
// above 300 cm, a weight above 500 kg, a scale above 100). `row` is written only on success;
// `why` names the line of a file that opened but does not hold the row.
int ReadScaleRow(const std::string& path, int sizeRow, ScaleRow& row, std::string* why = nullptr);
