// The standard postures that stand, kneel or squat, on the 50th percentile US figures of both
// sexes: no limb passes through another. Each main segment's volume is taken as a stack of
// convex slices across its axis (joint to end landmark), 0.5 cm apart and each the convex hull
// of the surface points within 0.75 cm of it; a point of another segment that lies inside a
// slice by more than 1 cm passes through it. Parent and child meet at their joint and overlap
// there by design, and so do head and chest across the short neck (a convex slice of the jaw or
// of the shoulders round the neck would fill the hollows the chin drops into); every other pair
// is checked. Convex slices slightly overstate a tapering or hollow-sided segment, which errs on
// the side of reporting an overlap.
#include "Body.h"
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
constexpr double kStep = 0.5, kHalfSlab = 0.75, kAllowed = 1.0;
constexpr int kSquatLift = 9;

// One main segment's volume in world space (cm).
class SlicedVolume {
public:
    SlicedVolume(const std::vector<Vec3>& surface, const Vec3& joint, const Vec3& end)
        : origin(joint), axis(Normalize(end - joint)) {
        u = Normalize(Cross(axis, std::fabs(axis.y) < 0.9 ? Vec3(0, 1, 0) : Vec3(1, 0, 0)));
        v = Cross(axis, u);
        double lo = 1e9, hi = -1e9;
        for (const Vec3& p : surface) {
            lo = std::min(lo, Dot(p - origin, axis));
            hi = std::max(hi, Dot(p - origin, axis));
            low = Vec3(std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z));
            high = Vec3(std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z));
        }
        first = lo;
        for (double t = lo; t <= hi; t += kStep) {
            std::vector<Vec3> section;
            for (const Vec3& p : surface)
                if (std::fabs(Dot(p - origin, axis) - t) <= kHalfSlab)
                    section.push_back(Plane(p));
            slices.push_back(section.size() > 2 ? FloorHull(section) : std::vector<Vec3>());
        }
    }

    // How far the point lies inside the volume (cm); 0 or less outside.
    double Depth(const Vec3& p) const {
        if (p.x < low.x || p.y < low.y || p.z < low.z || p.x > high.x || p.y > high.y ||
            p.z > high.z)
            return 0.0;
        const long i = std::lround((Dot(p - origin, axis) - first) / kStep);
        if (i < 0 || i >= static_cast<long>(slices.size()) || slices[i].size() < 4)
            return 0.0;
        const std::vector<Vec3>& hull = slices[i];
        const Vec3 q = Plane(p);
        double depth = 1e9;
        for (size_t k = 1; k < hull.size(); ++k) {
            const Vec3 edge = hull[k] - hull[k - 1];
            const double inside =
                (edge.x * (q.z - hull[k - 1].z) - edge.z * (q.x - hull[k - 1].x)) /
                std::hypot(edge.x, edge.z);
            depth = std::min(depth, inside);
        }
        return depth;
    }

private:
    Vec3 Plane(const Vec3& p) const { return {Dot(p - origin, u), 0.0, Dot(p - origin, v)}; }

    Vec3 origin, axis, u, v;
    Vec3 low{1e9, 1e9, 1e9}, high{-1e9, -1e9, -1e9};
    double first = 0.0;
    std::vector<std::vector<Vec3>> slices;
};

std::vector<Vec3> Surface(const CMannequin& figure, int segment) {
    std::vector<Vec3> points;
    for (const Vec3& p : figure.GetSegment(segment)->worldVertices)
        points.push_back(p * kCm);
    return points;
}

bool Adjacent(int a, int b) {
    return ParentSegment(a) == b || ParentSegment(b) == a ||
           (std::min(a, b) == kChest && std::max(a, b) == kHead);
}

// A hand's points: the palm and its fingers.
std::vector<Vec3> Points(const CMannequin& figure, int segment) {
    std::vector<Vec3> points = Surface(figure, segment);
    if (segment == kLeftPalm || segment == kRightPalm)
        for (int finger = 0; finger < kFingers; ++finger)
            for (int phalanx = 0; phalanx < kPhalanges; ++phalanx) {
                const std::vector<Vec3> more =
                    Surface(figure, FingerSegment(segment == kRightPalm, finger, phalanx));
                points.insert(points.end(), more.begin(), more.end());
            }
    return points;
}

// The slices see the thigh as a thigh: the middle of its axis lies inside by about half a thigh
// breadth (mid-thigh girth of the median man about 55 cm, so some 8-9 cm), a point 15 cm in
// front of the axis lies outside.
TEST(LimbOverlap, SlicedThighHoldsItsAxisAndNotWhatLiesInFront) {
    setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    CStderrReporter reporter;
    CMannequin figure(0, 1, -1, 2, 1, 1, 1, 2, 0, CAnthropometryContext{reporter});
    ASSERT_EQ(figure.valid, 1);
    figure.UpdatePosture();
    const Vec3 hip = figure.GetSegment(kLeftLeg)->worldVertices[0] * kCm;
    const Vec3 knee = figure.GetSegment(kLeftLeg)->worldVertices[1] * kCm;
    const SlicedVolume thigh(Surface(figure, kLeftLeg), hip, knee);
    const Vec3 middle = (hip + knee) * 0.5;
    EXPECT_GT(thigh.Depth(middle), 5.0);
    EXPECT_LT(thigh.Depth(middle), 11.0);
    EXPECT_LE(thigh.Depth(middle + Vec3(0, 0, 15)), 0.0);
}

TEST(LimbOverlap, NoLimbPassesThroughAnotherInStandingKneelingAndSquattingPostures) {
    setenv("TAVRONA_DATA", TAVRONA_TEST_DATA, 1);
    CStderrReporter reporter;
    for (int sex : {1, 0})
        for (int posture : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                            15, 16, 17, 18, 29, 30, 31, 32, 33, 34, 35, 36, 37}) {
            CMannequin figure(0, sex, -1, 2, 1, 1, posture, 2, 0, CAnthropometryContext{reporter});
            ASSERT_EQ(figure.valid, 1);
            figure.UpdatePosture();
            std::vector<SlicedVolume> volumes;
            for (int s = 0; s < kMainSegmentCount; ++s)
                volumes.emplace_back(Surface(figure, s),
                                     figure.GetSegment(s)->worldVertices[0] * kCm,
                                     figure.GetSegment(s)->worldVertices[1] * kCm);
            double worst = 0.0;
            std::string where = "-";
            for (int a = 0; a < kMainSegmentCount; ++a) {
                const std::vector<Vec3> points = Points(figure, a);
                for (int b = 0; b < kMainSegmentCount; ++b) {
                    if (a == b || Adjacent(a, b))
                        continue;
                    double depth = 0.0;
                    for (const Vec3& p : points)
                        depth = std::max(depth, volumes[b].Depth(p));
                    if (depth > worst)
                        worst = depth,
                        where = std::string(SegmentName(a)) + " in " + SegmentName(b);
                    EXPECT_LE(depth, kAllowed)
                        << (sex ? "male" : "female") << " posture " << posture << ": "
                        << SegmentName(a) << " in " << SegmentName(b);
                }
            }
            std::printf("%-6s %2d deepest overlap %4.2f cm (%s)\n", sex ? "male" : "female",
                        posture, worst, where.c_str());

            if (posture != kSquatLift)
                continue;
            // The arms come down outside the knees: each hand's grip point lies farther out
            // from the middle of the hips than the outer side of its knee.
            const double middle = figure.GetSegment(kAbdomen)->worldVertices[0].x * kCm;
            for (bool left : {true, false}) {
                const int lowerLeg = left ? kLeftLowerLeg : kRightLowerLeg;
                const Vec3 knee = figure.GetSegment(lowerLeg)->worldVertices[0] * kCm;
                double outer = 0.0;
                for (int s : {static_cast<int>(left ? kLeftLeg : kRightLeg), lowerLeg})
                    for (const Vec3& p : Surface(figure, s))
                        if (Length(p - knee) < 8.0)
                            outer = std::max(outer, std::fabs(p.x - middle));
                const double grip = std::fabs(
                    figure.GetSegment(left ? kLeftPalm : kRightPalm)->worldVertices[1].x * kCm -
                    middle);
                std::printf("       squat lift %s grip %.1f cm out, knee %.1f cm out\n",
                            left ? "left" : "right", grip, outer);
                EXPECT_GT(grip, outer) << (sex ? "male" : "female") << (left ? " left" : " right");
            }
        }
}

} // namespace
