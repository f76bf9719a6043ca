#include "human/Mannequin.h"

#include "core/DataDirectory.h"
#include "core/TextLineReader.h"

#include <cmath>
#include <cstdio>

namespace {

// Blocks of 17 lines: a number, one line per phalanx of the hand, a line that is not read.
constexpr int kHandBlockLines = 17;

} // namespace

int CMannequin::ApplyHandPosture(int number, int rightHand, std::string* failure) {
    if (number < 1)
        return 0;
    const std::string path = DataPath(rightHand == 1 ? "rhand.dat" : "lhand.dat");
    CTextLineReader reader(path);
    const auto refuse = [&](const std::string& why) {
        if (failure)
            *failure = "Cannot read HAND POSTURE file: " + path + ": block " +
                       std::to_string(number) + ", " + why;
        return 0;
    };
    const auto cutShort = [&] { return refuse(reader.WhyItStopped()); };
    if (!reader.IsOpen())
        return refuse("the file cannot be opened");
    std::string line;
    // The block's first line holds only the posture's own number.
    if (!reader.Skip(long(kHandBlockLines) * (number - 1)) || !reader.Next(line))
        return cutShort();
    // Angles about x, y, z (degrees) of each phalanx, thumb to little finger, A to C.
    float xyz[kFingerSegmentsPerHand][3];
    for (auto& angles : xyz) {
        if (!reader.Next(line))
            return cutShort();
        if (std::sscanf(line.c_str(), "%*i %f %f %f", &angles[0], &angles[1], &angles[2]) != 3 ||
            !std::isfinite(angles[0]) || !std::isfinite(angles[1]) || !std::isfinite(angles[2]))
            return refuse("line " + std::to_string(reader.LineNumber()) +
                          " does not hold three angles");
    }

    const int first = rightHand == 1 ? kFirstRightFinger : kFirstLeftFinger;
    for (int k = 0; k < kFingerSegmentsPerHand; ++k) {
        CBodyPart& part = *segments[first + k];
        part.ResetJoint();
        part.RotateAxisZ(xyz[k][2]);
        part.RotateAxisX(xyz[k][0]);
        part.RotateAxisY(xyz[k][1]);
    }
    return 1;
}
