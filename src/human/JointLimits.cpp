#include "human/Mannequin.h"

#include "core/DataDirectory.h"
#include "core/TextLineReader.h"
#include "core/UserReporter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr const char* kLimitsQuestion =
    "One or more bodyparts joints rotations \nare outside the new joint limits.\nDo you want "
    "to continue and \nforce their rotation to be inside \nthe new joint limits ?";
// Lines of the limit file are short; anything longer is not a limit file.
constexpr std::size_t kLimitLineLength = 255;

struct JointLimitTable {
    Vec3 upper[kSegmentCount]; // degrees
    Vec3 lower[kSegmentCount]; // degrees
};

bool ReadLimitLine(CTextLineReader& reader, Vec3& limits, std::string& why) {
    std::string line;
    if (!reader.Next(line)) {
        why = reader.WhyItStopped();
        return false;
    }
    if (std::sscanf(line.c_str(), "%*d %lf %lf %lf", &limits.x, &limits.y, &limits.z) != 3 ||
        !std::isfinite(limits.x) || !std::isfinite(limits.y) || !std::isfinite(limits.z)) {
        why = "line " + std::to_string(reader.LineNumber()) + " does not hold three limits";
        return false;
    }
    return true;
}

// Two lines per segment, upper then lower limits. The whole file must be readable and every
// lower limit at most its upper limit; otherwise `why` names the line.
bool ReadLimitFile(const std::string& path, JointLimitTable& table, std::string& why) {
    CTextLineReader reader(path, kLimitLineLength);
    if (!reader.IsOpen()) {
        why = "the file cannot be opened";
        return false;
    }
    for (int n = 0; n < kSegmentCount; ++n) {
        if (!ReadLimitLine(reader, table.upper[n], why) ||
            !ReadLimitLine(reader, table.lower[n], why))
            return false;
        for (int axis = 0; axis < 3; ++axis)
            if (table.lower[n][axis] > table.upper[n][axis]) {
                why = "line " + std::to_string(reader.LineNumber()) +
                      ": a lower limit lies above its upper limit";
                return false;
            }
    }
    return true;
}

bool IsOutside(double angle, double lower, double upper) {
    return angle > upper || angle < lower;
}

} // namespace

int CMannequin::ReadLimits(CUserReporter& reporter) {
    JointLimitTable table;
    const std::string path = DataPath("limit.dat");
    std::string why;
    if (!ReadLimitFile(path, table, why)) {
        reporter.Message("Cannot read JOINT LIMIT file: " + path + ": " + why);
        return 0;
    }

    bool anyOutside = false;
    for (int n = 0; n < kSegmentCount && !anyOutside; ++n)
        for (int axis = 0; axis < 3; ++axis)
            anyOutside |=
                IsOutside(segments[n]->angles[axis], table.lower[n][axis], table.upper[n][axis]);
    // Declining leaves the figure as it was; the limits are not taken.
    if (anyOutside && !reporter.Question(kLimitsQuestion))
        return 0;

    for (int n = 0; n < kSegmentCount; ++n) {
        CBodyPart& part = *segments[n];
        part.upperLimits = table.upper[n];
        part.lowerLimits = table.lower[n];
        for (int axis = 0; axis < 3; ++axis)
            part.angles[axis] = std::min(std::max(part.angles[axis], part.lowerLimits[axis]),
                                         part.upperLimits[axis]);
        part.RebuildJointRotation();
        part.Invalidate();
    }
    Invalidate();
    return 1;
}

int CMannequin::RotateLinked(int index, int axis, double delta, int method) {
    CBodyPart* part = GetSegment(index);
    if (!part || axis < 0 || axis > 2)
        return kWithinLimits;
    const int code = part->RotateAxis(axis, delta);
    if (part->counterpart && (method == kRotateTogether || method == kRotateOpposite))
        part->counterpart->RotateAxis(axis, method == kRotateTogether ? delta : -delta);
    UpdatePosture();
    Validate();
    return code;
}
