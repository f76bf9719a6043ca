#include "anthro/ScaleFile.h"

#include "core/TextLineReader.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr long kLinesPerRow = 1 + kScaledSegmentCount;

bool IsUsable(float value) {
    return std::isfinite(value) && value >= 0.0f;
}

} // namespace

int ReadScaleRow(const std::string& path, int sizeRow, ScaleRow& row) {
    if (sizeRow < 0)
        return 0;
    CTextLineReader reader(path);
    if (!reader.IsOpen() || !reader.Skip(kLinesPerRow * sizeRow))
        return 0;

    ScaleRow read;
    std::string line;
    if (!reader.Next(line) ||
        std::sscanf(line.c_str(), "%*f %*i %*i %*i %f %f", &read.stature, &read.weight) != 2 ||
        !IsUsable(read.stature) || !IsUsable(read.weight))
        return 0;
    for (auto& segment : read.scale) {
        int segmentNumber = 0; // read and not used
        if (!reader.Next(line) || std::sscanf(line.c_str(), "%i %f %f %f", &segmentNumber,
                                              &segment[0], &segment[1], &segment[2]) != 4)
            return 0;
        if (!IsUsable(segment[0]) || !IsUsable(segment[1]) || !IsUsable(segment[2]))
            return 0;
    }
    row = read;
    return 1;
}
