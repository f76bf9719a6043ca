#include "human/Mannequin.h"

#include "core/DataDirectory.h"
#include "core/TextLineReader.h"

#include <cstdio>

namespace {

// Blocks of 17 lines: one per main segment, then a line that is not read.
constexpr int kPostureBlockLines = 17;

// Facing codes: 0 Left, 1 Right, 2 Front, 3 Back, as turns about the vertical axis.
constexpr double kFacingDegrees[] = {-90.0, 90.0, 0.0, -180.0};

} // namespace

int CMannequin::ApplyStandardPosture(int index) {
    if (index == 0)
        return 1;
    if (index < 0)
        return 0;
    CTextLineReader reader(DataPath("perpost.dat"));
    if (!reader.IsOpen() || !reader.Skip(long(kPostureBlockLines) * (index - 1)))
        return 0;
    // Angles about X, Z and Y (degrees), in that order on each line.
    int xzy[kMainSegmentCount][3];
    std::string line;
    for (auto& angles : xzy)
        if (!reader.Next(line) ||
            std::sscanf(line.c_str(), "%*i %i %i %i", &angles[0], &angles[1], &angles[2]) != 3)
            return 0;

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
