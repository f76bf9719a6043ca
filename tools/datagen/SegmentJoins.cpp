#include "SegmentJoins.h"

#include "core/MathConstants.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace {

// A point's direction and distance from the joint's vertical line, in the horizontal plane.
double AngleOf(const Vec3& v, const Vec3& joint) {
    return std::atan2(v.x - joint.x, v.z - joint.z);
}
double RadiusOf(const Vec3& v, const Vec3& joint) {
    return std::hypot(v.x - joint.x, v.z - joint.z);
}

// The outline of an upright surface, ring by ring: how far it reaches from the joint's line in
// each direction, for rings round that line (as the trunk's and limbs' are).
class Outline {
public:
    Outline(const SurfaceMesh& mesh, const Vec3& joint) {
        for (const Vec3& v : mesh.vertices) {
            const double r = RadiusOf(v, joint);
            if (r > 1e-6) {
                rings[v.y].push_back({AngleOf(v, joint), r});
            }
        }
        for (auto& [y, ring] : rings) {
            std::sort(ring.begin(), ring.end());
        }
    }
    // Reach at height y (linear between rings) towards `angle`.
    double Radius(double y, double angle) const {
        auto above = rings.lower_bound(y);
        if (above == rings.end()) {
            return RingRadius(std::prev(above)->second, angle);
        }
        if (above == rings.begin() || above->first == y) {
            return RingRadius(above->second, angle);
        }
        const auto below = std::prev(above);
        const double s = (y - below->first) / (above->first - below->first);
        return RingRadius(below->second, angle) * (1.0 - s) + RingRadius(above->second, angle) * s;
    }
    double Lowest() const { return rings.begin()->first; }
    double Highest() const { return rings.rbegin()->first; }

private:
    using Ring = std::vector<std::pair<double, double>>; // (angle, radius) by angle

    // Linear between the ring's points on either side of `angle`, round the circle.
    static double RingRadius(const Ring& ring, double angle) {
        auto next = std::lower_bound(ring.begin(), ring.end(), std::make_pair(angle, -1.0));
        const auto& b = next == ring.end() ? ring.front() : *next;
        const auto& a = next == ring.begin() ? ring.back() : *std::prev(next);
        double span = b.first - a.first, along = angle - a.first;
        if (span <= 0.0) {
            span += tav::kTwoPi;
        }
        if (along < 0.0) {
            along += tav::kTwoPi;
        }
        return a.second + (b.second - a.second) * std::min(1.0, along / span);
    }

    std::map<double, Ring> rings;
};

// Moves a point along its direction from the joint's line to distance `radius`.
void SetRadius(Vec3& v, const Vec3& joint, double radius) {
    const double r = RadiusOf(v, joint);
    if (r > 1e-9) {
        v.x = joint.x + (v.x - joint.x) * radius / r;
        v.z = joint.z + (v.z - joint.z) * radius / r;
    }
}

// How far the end beyond the joint (h of `depth` cm) may reach, as a share of the section where
// the segments meet: a half-ellipsoid, inside that section by up to 4 % (reached a quarter of
// the way out, so that the surface has no step where it crosses), never thinner than a fifth.
double Tuck(double h, double depth) {
    constexpr double kInside = 0.04, kThinnest = 0.2;
    const double inside = 1.0 - kInside * std::min(1.0, h / (0.25 * depth));
    return inside * std::max(kThinnest, std::sqrt(std::max(0.0, 1.0 - h * h / (depth * depth))));
}

} // namespace

void JoinAtJoint(SurfaceMesh& lower, SurfaceMesh& upper, const Vec3& joint, double blend,
                 LowerEnd lowerEnd) {
    // Where the two surfaces meet when blended: a ring's spacing below the joint, so that the
    // upper surface is whole where it shows.
    constexpr double kSeamBelowJoint = 1.2, kJustInside = 0.98;
    const double seam = blend > 0.0 ? joint.y - kSeamBelowJoint : joint.y;
    const Outline upperOutline(upper, joint);
    if (blend > 0.0) {
        for (Vec3& v : lower.vertices) {
            const double angle = AngleOf(v, joint);
            if (v.y > seam && (v.y <= joint.y || lowerEnd == LowerEnd::Sleeve)) {
                SetRadius(v, joint, kJustInside * upperOutline.Radius(v.y, angle));
            } else if (v.y <= seam && v.y > seam - blend) {
                const double u = (v.y - (seam - blend)) / blend, s = u * u * (3.0 - 2.0 * u);
                const double r = RadiusOf(v, joint);
                SetRadius(v, joint, r + (upperOutline.Radius(seam, angle) - r) * s);
            }
        }
    }
    // Both ends beyond the meeting line stay within the narrower of the two sections there.
    const Outline lowerOutline(lower, joint);
    auto limit = [&](double angle) {
        return std::min(lowerOutline.Radius(joint.y, angle), upperOutline.Radius(seam, angle));
    };
    const double lowerDepth = lowerOutline.Highest() - joint.y;
    const double upperDepth = seam - upperOutline.Lowest();
    auto tuck = [&](Vec3& v, double h, double depth) {
        const double angle = AngleOf(v, joint), r = RadiusOf(v, joint);
        SetRadius(v, joint, std::min(r, Tuck(h, depth) * limit(angle)));
    };
    for (Vec3& v : lower.vertices) {
        if (v.y > joint.y && lowerEnd == LowerEnd::Tucked) {
            tuck(v, v.y - joint.y, lowerDepth);
        }
    }
    for (Vec3& v : upper.vertices) {
        if (v.y < seam) {
            tuck(v, seam - v.y, upperDepth);
        }
    }
}
