#include "anthro/ScaleFile.h"

#include "core/TextLineReader.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr long kLinesPerRow = 1 + kScaledSegmentCount;

// No body is taller than 3 m or heavier than 500 kg, nor a segment 100 times its reference.
bool IsUsable(float value, float limit) {
    return std::isfinite(value) && value >= 0.0f && value <= limit;
}

int Refuse(const CTextLineReader& reader, const char* what, std::string* why) {
    if (why)
        *why = "line " + std::to_string(reader.LineNumber()) + ": " + what;
    return 0;
}

} // namespace

int ReadScaleRow(const std::string& path, int sizeRow, ScaleRow& row, std::string* why) {
    if (sizeRow < 0)
        return 0;
    CTextLineReader reader(path);
    if (!reader.IsOpen())
        return 0;
    if (!reader.Skip(kLinesPerRow * sizeRow))
        return Refuse(reader, "the file ends before the size row", why);

    ScaleRow read;
    std::string line;
    if (!reader.Next(line))
        return Refuse(reader, "the file ends before the size row", why);
    if (std::sscanf(line.c_str(), "%*f %*i %*i %*i %f %f", &read.stature, &read.weight) != 2 ||
        !IsUsable(read.stature, 300.0f) || !IsUsable(read.weight, 500.0f))
        return Refuse(reader, "not a stature and weight of a body", why);
    for (auto& segment : read.scale) {
        int segmentNumber = 0; // read and not used
        if (!reader.Next(line))
            return Refuse(reader, "the file ends inside the size row", why);
        if (std::sscanf(line.c_str(), "%i %f %f %f", &segmentNumber, &segment[0], &segment[1],
                        &segment[2]) != 4 ||
            !IsUsable(segment[0], 100.0f) || !IsUsable(segment[1], 100.0f) ||
            !IsUsable(segment[2], 100.0f))
            return Refuse(reader, "not three scale factors", why);
    }
    row = read;
    return 1;
}
