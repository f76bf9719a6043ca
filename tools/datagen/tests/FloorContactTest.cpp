// The standard postures that stand, kneel or squat, on the 50th percentile US figures of both
// sexes: the parts that should bear on the floor touch it, and the centre of gravity lies over
// the area they support.
#include "FloorHull.h"

#include "core/UserReporter.h"
#include "human/Mannequin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr double kCm = 2.54;
constexpr double kContact = 0.5; // what bears lies within this height of the floor (cm)

// Where a part bears: the lowest point of a set of segments, or of a foot's heel or toe end.
enum Part { kLeftHeel, kLeftToes, kRightHeel, kRightToes, kLeftKnee, kRightKnee, kParts };
const char* const kPartNames[kParts] = {"left heel",  "left toes", "right heel",
                                        "right toes", "left knee", "right knee"};

double Lowest(const CMannequin& figure, Part part) {
    const bool left = part == kLeftHeel || part == kLeftToes || part == kLeftKnee;
    if (part == kLeftKnee || part == kRightKnee) {
        // The knee cap: thigh and lower leg close to the knee joint.
        const Vec3 knee =
            figure.GetSegment(left ? kLeftLowerLeg : kRightLowerLeg)->worldVertices[0];
        double y = 1e9;
        for (int s : {left ? kLeftLeg : kRightLeg, left ? kLeftLowerLeg : kRightLowerLeg})
            for (const Vec3& v : figure.GetSegment(s)->worldVertices)
                if (Length(v - knee) * kCm < 8.0)
                    y = std::min(y, v.y);
        return y * kCm;
    }
    // The sole's heel and toe halves, split at the middle of the heel-toe line.
    const CBodyPart& foot = *figure.GetSegment(left ? kLeftFoot : kRightFoot);
    const Vec3 toe = foot.worldVertices[2], heel = foot.worldVertices[3];
    const Vec3 middle = (toe + heel) * 0.5, along = toe - heel;
    const bool toes = part == kLeftToes || part == kRightToes;
    double y = 1e9;
    for (const Vec3& v : foot.worldVertices)
        if ((Dot(v - middle, along) > 0) == toes)
            y = std::min(y, v.y);
    return y * kCm;
}

// Centre of gravity (cm) from the segments' masses and mass centres.
Vec3 CentreOfGravity(const CMannequin& figure) {
    Vec3 sum;
    double mass = 0.0;
    for (int s = 0; s < kMainSegmentCount; ++s) {
        const CBodyPart& part = *figure.GetSegment(s);
        sum = sum + TransformPoint(part.transform, part.GetMassCenter()) * part.GetMass();
        mass += part.GetMass();
    }
    return sum * (kCm / mass);
}

// Whether (x, z) lies inside the convex hull of the points, on the floor plane.
bool OverSupport(const std::vector<Vec3>& points, const Vec3& p) {
    const std::vector<Vec3> hull = FloorHull(points);
    for (size_t i = 1; i < hull.size(); ++i)
        if ((hull[i].x - hull[i - 1].x) * (p.z - hull[i - 1].z) -
                (hull[i].z - hull[i - 1].z) * (p.x - hull[i - 1].x) <
            0)
            return false;
    return hull.size() > 2;
}

struct Support {
    int posture;
    std::vector<Part> parts; // what bears on the floor
};

TEST(FloorContact, StandingKneelingAndSquattingPosturesRestOnTheFloor) {
    setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    const std::vector<Part> feet = {kLeftHeel, kLeftToes, kRightHeel, kRightToes};
    std::vector<Support> supports;
    for (int p :
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 29, 30, 31, 32, 33, 34, 35, 36})
        supports.push_back({p, feet});
    supports.push_back({16, {kLeftHeel, kLeftToes, kRightKnee, kRightToes}});
    supports.push_back({17, {kLeftKnee, kRightKnee, kLeftToes, kRightToes}});
    supports.push_back({37, {kLeftToes, kRightToes}});
    CStderrReporter reporter;
    for (int sex : {kMale, kFemale})
        for (const Support& support : supports) {
            CMannequin figure(0, sex, -1, 2, 1, 1, support.posture, 2, 0,
                              CAnthropometryContext{reporter});
            ASSERT_EQ(figure.valid, 1);
            figure.UpdatePosture();
            // The floor: the lowest point of the whole figure.
            double floor = 1e9;
            std::vector<Vec3> all;
            for (int s = 0; s < kSegmentCount; ++s)
                for (const Vec3& v : figure.GetSegment(s)->worldVertices) {
                    floor = std::min(floor, v.y * kCm);
                    all.push_back(v * kCm);
                }
            std::vector<Vec3> touching;
            for (const Vec3& v : all)
                if (v.y - floor <= kContact)
                    touching.push_back(v);
            const Vec3 cog = CentreOfGravity(figure);
            const bool balanced = OverSupport(touching, cog);
            std::string line;
            for (Part part : support.parts) {
                const double lift = Lowest(figure, part) - floor;
                line +=
                    std::string(" ") + kPartNames[part] + " " + std::to_string(lift).substr(0, 4);
                EXPECT_LE(lift, kContact) << (sex == kMale ? "male" : "female") << " posture "
                                          << support.posture << " " << kPartNames[part];
            }
            std::printf("%-6s %2d%s%s\n", sex == kMale ? "male" : "female", support.posture,
                        line.c_str(), balanced ? "" : "  centre of gravity off the support");
            EXPECT_TRUE(balanced) << (sex == kMale ? "male" : "female") << " posture "
                                  << support.posture;
        }
}

} // namespace
