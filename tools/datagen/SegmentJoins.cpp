#include "SegmentJoins.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// How far a horizontal section reaches from the joint's vertical line: towards +x, -x, +z
// (front) and -z (back).
struct Reach {
    double right = 0.0, left = 0.0, front = 0.0, back = 0.0;
};

Reach Lerp(const Reach& a, const Reach& b, double s) {
    return {a.right + (b.right - a.right) * s, a.left + (b.left - a.left) * s,
            a.front + (b.front - a.front) * s, a.back + (b.back - a.back) * s};
}

// The sections of an upright surface by height: each ring's reach from the joint line.
class Sections {
public:
    Sections(const SurfaceMesh& mesh, const Vec3& joint) {
        for (const Vec3& v : mesh.vertices) {
            auto [it, added] = rings.try_emplace(v.y);
            Reach& r = it->second;
            r.right = std::max(r.right, v.x - joint.x);
            r.left = std::max(r.left, joint.x - v.x);
            r.front = std::max(r.front, v.z - joint.z);
            r.back = std::max(r.back, joint.z - v.z);
        }
    }
    // The reach at height y, linear between the neighbouring rings.
    Reach At(double y) const {
        auto above = rings.lower_bound(y);
        if (above == rings.end())
            return std::prev(above)->second;
        if (above == rings.begin() || above->first == y)
            return above->second;
        const auto below = std::prev(above);
        return Lerp(below->second, above->second,
                    (y - below->first) / (above->first - below->first));
    }
    double Lowest() const { return rings.begin()->first; }
    double Highest() const { return rings.rbegin()->first; }

private:
    std::map<double, Reach> rings;
};

double Ratio(double want, double have) {
    return have > 1e-9 ? want / have : 1.0;
}

// Scales a point's offsets from the joint line from the reach `have` to `want`, side by side.
void Rescale(Vec3& v, const Vec3& joint, const Reach& have, const Reach& want) {
    const double dx = v.x - joint.x, dz = v.z - joint.z;
    v.x = joint.x + dx * (dx > 0 ? Ratio(want.right, have.right) : Ratio(want.left, have.left));
    v.z = joint.z + dz * (dz > 0 ? Ratio(want.front, have.front) : Ratio(want.back, have.back));
}

// Draws the part of a surface beyond the joint (h > 0 cm away from it, up to `depth`) into the
// half-ellipsoid of the joint's section `at`, kept `inside` that section.
void Tuck(Vec3& v, const Vec3& joint, const Reach& have, const Reach& at, double h, double depth) {
    // Inside by up to 4 %, reached a quarter of the way out, so that the surface has no step
    // where it crosses the joint.
    constexpr double kInside = 0.04, kThinnest = 0.2;
    const double inside = 1.0 - kInside * std::min(1.0, h / (0.25 * depth));
    const double k =
        inside * std::max(kThinnest, std::sqrt(std::max(0.0, 1.0 - h * h / (depth * depth))));
    const Reach limit{k * at.right, k * at.left, k * at.front, k * at.back};
    const Reach want{std::min(have.right, limit.right), std::min(have.left, limit.left),
                     std::min(have.front, limit.front), std::min(have.back, limit.back)};
    Rescale(v, joint, have, want);
    // A pole has no reach of its own: keep it within the limit directly.
    v.x = std::clamp(v.x, joint.x - limit.left, joint.x + limit.right);
    v.z = std::clamp(v.z, joint.z - limit.back, joint.z + limit.front);
}

} // namespace

void JoinAtJoint(SurfaceMesh& lower, SurfaceMesh& upper, const Vec3& joint, double blend,
                 LowerEnd lowerEnd) {
    // Where the two surfaces meet when blended: a ring's spacing below the joint, so that the
    // upper surface is whole where it shows.
    constexpr double kSeamBelowJoint = 1.2, kJustInside = 0.98;
    const double seam = blend > 0.0 ? joint.y - kSeamBelowJoint : joint.y;
    const Sections upperSections(upper, joint);
    if (blend > 0.0) {
        const Sections lowerSections(lower, joint);
        const Reach upperAtSeam = upperSections.At(seam);
        for (Vec3& v : lower.vertices) {
            const Reach have = lowerSections.At(v.y);
            if (v.y > seam && (v.y <= joint.y || lowerEnd == LowerEnd::Sleeve)) {
                const Reach under = upperSections.At(v.y);
                Rescale(v, joint, have,
                        {kJustInside * under.right, kJustInside * under.left,
                         kJustInside * under.front, kJustInside * under.back});
            } else if (v.y <= seam && v.y > seam - blend) {
                const double u = (v.y - (seam - blend)) / blend;
                Rescale(v, joint, have, Lerp(have, upperAtSeam, u * u * (3.0 - 2.0 * u)));
            }
        }
    }
    // Both ends beyond the meeting line stay within the narrower of the two sections there.
    const Sections lowerSections(lower, joint);
    const Reach lowerAt = lowerSections.At(joint.y), upperAt = upperSections.At(seam);
    const Reach limit{std::min(lowerAt.right, upperAt.right), std::min(lowerAt.left, upperAt.left),
                      std::min(lowerAt.front, upperAt.front), std::min(lowerAt.back, upperAt.back)};
    const double lowerDepth = lowerSections.Highest() - joint.y;
    const double upperDepth = seam - upperSections.Lowest();
    for (Vec3& v : lower.vertices) {
        if (v.y > joint.y && lowerEnd == LowerEnd::Tucked) {
            Tuck(v, joint, lowerSections.At(v.y), limit, v.y - joint.y, lowerDepth);
        }
    }
    for (Vec3& v : upper.vertices) {
        if (v.y < seam) {
            Tuck(v, joint, upperSections.At(v.y), limit, seam - v.y, upperDepth);
        }
    }
}
