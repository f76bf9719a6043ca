#include "human/Mannequin.h"

#include "core/DataDirectory.h"
#include "core/MathConstants.h"
#include "core/TextLineReader.h"

#include <cmath>
#include <cstdio>

namespace {

using GaitTable = std::array<std::array<Vec3, kGaitEntries>, kGaitFrames>;

// "walk.dat": per frame a line with its number, then one line per entry with a number and the
// increments about x, y and z (degrees). Only a complete file of finite numbers is taken.
bool ReadGaitFile(const std::string& path, GaitTable& table) {
    CTextLineReader reader(path, 255);
    if (!reader.IsOpen())
        return false;
    GaitTable read{};
    std::string line;
    int number = 0;
    for (auto& frame : read) {
        if (!reader.Next(line) || std::sscanf(line.c_str(), "%i", &number) != 1)
            return false;
        for (Vec3& entry : frame) {
            if (!reader.Next(line) || std::sscanf(line.c_str(), "%i %lf %lf %lf", &number, &entry.x,
                                                  &entry.y, &entry.z) != 4)
                return false;
            if (!std::isfinite(entry.x) || !std::isfinite(entry.y) || !std::isfinite(entry.z))
                return false;
        }
    }
    table = read;
    return true;
}

} // namespace

void CMannequin::StartWalk(const std::vector<Vec3>& points) {
    walkPath = points;
    walkSegment = 0;
    walkDistance = 0.0;
    walkHeight = TranslationOf(transform).y;
    gaitFrame = 0;
    ReadGaitFile(DataPath("walk.dat"), gait);
    SavePosture();
}

int CMannequin::WalkStep() {
    // Path segments shorter than what is left of the stride are passed over; the distance
    // carries into the next one.
    for (;;) {
        if (walkSegment < 0 || walkSegment + 1 >= static_cast<int>(walkPath.size()))
            return 0;
        const Vec3 q = walkPath[walkSegment];
        const Vec3 s = walkPath[walkSegment + 1] - q;
        const double a = Length(s);
        if (a > walkDistance) {
            for (int j = 0; j < kMainSegmentCount; ++j) {
                CBodyPart& part = *segments[j];
                part.RotateAxisX(gait[gaitFrame][j].x);
                part.RotateAxisY(gait[gaitFrame][j].y);
                part.RotateAxisZ(gait[gaitFrame][j].z);
            }
            // The cycle ends in the neutral posture whatever the limits cut off on the way.
            if (gaitFrame == kGaitFrames - 1) {
                gaitFrame = 0;
                for (int j = 0; j < kMainSegmentCount; ++j)
                    segments[j]->ResetJoint();
            } else {
                ++gaitFrame;
            }
            Vec3 position = q + s * (walkDistance / a);
            position.y = walkHeight;
            const double heading = std::atan2(s.x, s.z) * tav::kRadToDeg;
            transform = Translation(position) * RotationY(heading);
            Invalidate();
            walkDistance += kWalkStride;
            return 1;
        }
        ++walkSegment;
        walkDistance -= a;
    }
}

void CMannequin::EndWalk() {
    RestoreSavedPosture();
    UpdatePosture();
}
