#include "biomech/Balance.h"

#include "core/MathConstants.h"

using namespace tav;

#include <cmath>

int SideOfLine(const Vec3& p, double ex, double ez, const Vec3& q) {
    return (q.z - p.z) * ex - (q.x - p.x) * ez >= 0.0 ? 1 : -1;
}

bool AllOnOneSide(const Vec3* points, int count, int skip, const Vec3& p, double ex, double ez) {
    int first = 0;
    for (int i = 0; i < count; ++i) {
        if (i == skip)
            continue;
        const int side = SideOfLine(p, ex, ez, points[i]);
        if (first == 0)
            first = side;
        else if (side != first)
            return false;
    }
    return true;
}

bool InsideSupport(const Vec3* points, int count, const Vec3& g) {
    if (!std::isfinite(g.x) || !std::isfinite(g.z))
        return false;
    for (int i = 0; i < count; ++i)
        if (AllOnOneSide(points, count, i, g, points[i].x - g.x, points[i].z - g.z))
            return false;
    return true;
}

namespace {

constexpr int kNone = -1;

// The last two tangent points of an outline seen from c (a before b); kNone where missing.
void TangentPoints(const Vec3* outline, int count, const Vec3& c, int& a, int& b) {
    a = b = kNone;
    for (int i = 0; i < count; ++i) {
        if (AllOnOneSide(outline, count, i, c, outline[i].x - c.x, outline[i].z - c.z)) {
            a = b;
            b = i;
        }
    }
}

// A tangent of one foot that leaves the whole other foot on one side does not run between the
// feet; it is dropped.
void DropOuterTangent(const Vec3* outline, const Vec3* other, int count, const Vec3& c,
                      int& point) {
    if (point != kNone &&
        AllOnOneSide(other, count, kNone, c, outline[point].x - c.x, outline[point].z - c.z))
        point = kNone;
}

// Angle of the slope dz / dx of the line from c to p, in (-pi/2, pi/2].
double SlopeAngle(const Vec3& c, const Vec3& p) {
    const double dx = p.x - c.x;
    const double dz = p.z - c.z;
    return dx == 0.0 ? kPi / 2.0 : std::atan(dz / dx);
}

// Support point of a foot on the line: the mean of the end points of its last two crossing
// edges (the closing edge when only one other crosses). False when the line misses the foot.
bool SupportPoint(const Vec3* outline, int count, const Vec3& c, double ex, double ez,
                  Vec3& point) {
    int crossing[2] = {kNone, kNone};
    for (int i = 1; i < count; ++i) {
        if (SideOfLine(c, ex, ez, outline[i - 1]) != SideOfLine(c, ex, ez, outline[i])) {
            crossing[0] = crossing[1];
            crossing[1] = i;
        }
    }
    if (crossing[1] == kNone)
        return false;
    const int first = crossing[0] == kNone ? 0 : crossing[0]; // edge (count - 1, 0) closes
    const int firstStart = crossing[0] == kNone ? count - 1 : crossing[0] - 1;
    point =
        (outline[firstStart] + outline[first] + outline[crossing[1] - 1] + outline[crossing[1]]) *
        0.25;
    return true;
}

double HorizontalDistance(const Vec3& a, const Vec3& b) {
    return std::hypot(a.x - b.x, a.z - b.z);
}

} // namespace

bool SplitBetweenFeet(const Vec3* left, const Vec3* right, int count, const Vec3& centre,
                      FootSplit& split) {
    if (!std::isfinite(centre.x) || !std::isfinite(centre.z))
        return false;
    int la, lb, ra, rb;
    TangentPoints(left, count, centre, la, lb);
    TangentPoints(right, count, centre, ra, rb);
    DropOuterTangent(left, right, count, centre, la);
    DropOuterTangent(left, right, count, centre, lb);
    DropOuterTangent(right, left, count, centre, ra);
    DropOuterTangent(right, left, count, centre, rb);

    // The pair of tangent points that spans the gap between the feet; later rules win.
    const Vec3* e = nullptr;
    const Vec3* h = nullptr;
    auto consider = [&](const Vec3* outlineP, int p, const Vec3* outlineQ, int q) {
        if (p != kNone && q != kNone) {
            e = &outlineP[p];
            h = &outlineQ[q];
        }
    };
    consider(left, la, left, lb);
    consider(right, rb, left, lb);
    consider(right, ra, left, lb);
    consider(right, rb, left, la);
    consider(right, ra, left, la);
    consider(right, ra, right, rb);
    if (!e)
        return false;

    // Dividing line: the bisector of the two tangents, or its perpendicular when the bisector
    // misses a foot.
    double angle = (SlopeAngle(centre, *e) + SlopeAngle(centre, *h)) / 2.0;
    double ex = std::cos(angle), ez = std::sin(angle);
    if (AllOnOneSide(left, count, kNone, centre, ex, ez) ||
        AllOnOneSide(right, count, kNone, centre, ex, ez)) {
        angle += kPi / 2.0;
        ex = std::cos(angle);
        ez = std::sin(angle);
    }
    Vec3 pl, pr;
    if (!SupportPoint(left, count, centre, ex, ez, pl) ||
        !SupportPoint(right, count, centre, ex, ez, pr))
        return false;
    const double dl = HorizontalDistance(pl, centre);
    const double dr = HorizontalDistance(pr, centre);
    const double sum = dl + dr;
    if (!(sum > 0.0) || !std::isfinite(sum))
        return false;
    split.leftPoint = pl;
    split.rightPoint = pr;
    split.leftShare = dr / sum;
    split.rightShare = dl / sum;
    return true;
}
