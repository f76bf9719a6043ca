#include "human/Mannequin.h"

#include "core/DataDirectory.h"
#include "core/TextLineReader.h"

#include <cstdio>
#include <string>

namespace {

// Blocks of 17 lines: one per main segment, then a line that is not read.
constexpr int kPostureBlockLines = 17;

// Facing codes: 0 Left, 1 Right, 2 Front, 3 Back, as turns about the vertical axis.
constexpr double kFacingDegrees[] = {-90.0, 90.0, 0.0, -180.0};

} // namespace

int CMannequin::ApplyStandardPosture(int index, std::string* failure) {
    if (index == 0)
        return 1;
    if (index < 0)
        return 0;
    const std::string path = DataPath("perpost.dat");
    CTextLineReader reader(path);
    // A missing file fails without a word; a damaged one is named with its line.
    const auto refuse = [&](const std::string& why) {
        if (failure)
            *failure = "Cannot read STANDARD POSTURE file: " + path + ": posture " +
                       std::to_string(index) + ", " + why;
        return 0;
    };
    const auto cutShort = [&] { return refuse(reader.WhyItStopped()); };
    if (!reader.IsOpen())
        return 0;
    if (!reader.Skip(long(kPostureBlockLines) * (index - 1)))
        return cutShort();
    // Angles about X, Z and Y (degrees), in that order on each line.
    int xzy[kMainSegmentCount][3];
    std::string line;
    for (auto& angles : xzy) {
        if (!reader.Next(line))
            return cutShort();
        if (std::sscanf(line.c_str(), "%*i %i %i %i", &angles[0], &angles[1], &angles[2]) != 3)
            return refuse("line " + std::to_string(reader.LineNumber()) +
                          " does not hold three angles");
    }

    for (int n = 0; n < kMainSegmentCount; ++n)
        segments[n]->ResetJoint();
    for (int n = 0; n < kMainSegmentCount; ++n) {
        CBodyPart& part = *segments[n];
        part.RotateAxisX(xzy[n][0]);
        part.RotateAxisZ(xzy[n][1]);
        part.RotateAxisY(xzy[n][2]);
    }
    return 1;
}

void CMannequin::ApplyFacing(int code) {
    transform = code >= 0 && code < 4 ? RotationY(kFacingDegrees[code]) : Matrix4(true);
}
