// The "Human" representation: smooth anatomical shapes lofted through cross-sections.
#include "Representations.h"
#include "SegmentJoins.h"

#include "core/MathConstants.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace {

// A bump of height `h` centred at (t0, a0) with widths st, sa (Gaussian), angle wrapped.
double Bump(double t, double a, double t0, double a0, double st, double sa, double h) {
    double da = std::remainder(a - a0, tav::kTwoPi);
    return h * std::exp(-0.5 * ((t - t0) * (t - t0) / (st * st) + da * da / (sa * sa)));
}

SurfaceMesh Head(const Skeleton& k) {
    const Vec3 size = k.Size(kHead);
    const double height = 1.17 * size.y; // chin to crown
    const double bottom = k.headTop - height;
    const double w = 0.5 * size.x, d = 0.5 * size.z;
    const double centreZ = k.joint[kHead].z + 1.0;
    const std::vector<Section> s = {{0.00, 0.25 * w, 0.25 * d, 0, 0.40 * d},
                                    {0.07, 0.45 * w, 0.40 * d, 0, 0.36 * d},
                                    {0.18, 0.66 * w, 0.58 * d, 0, 0.22 * d},
                                    {0.32, 0.82 * w, 0.80 * d, 0, 0.10 * d},
                                    {0.48, 0.94 * w, 0.93 * d, 0, 0.03 * d, 2.3},
                                    {0.62, 1.00 * w, 1.00 * d, 0, 0.0, 2.5},
                                    {0.75, 0.99 * w, 1.00 * d, 0, -0.02 * d, 2.5},
                                    {0.87, 0.86 * w, 0.88 * d, 0, -0.04 * d, 2.3},
                                    {0.95, 0.60 * w, 0.62 * d, 0, -0.05 * d},
                                    {1.00, 0.22 * w, 0.22 * d, 0, -0.05 * d}};
    const double male = k.sex == Sex::Male ? 1.0 : 0.8;
    const Relief face = [=](double t, double a) {
        return Bump(t, a, 0.37, 0.0, 0.05, 0.13, 1.7 * male) +  // nose
               Bump(t, a, 0.30, 0.0, 0.03, 0.22, 0.5) +         // nostrils and upper lip
               Bump(t, a, 0.21, 0.0, 0.025, 0.30, 0.45) +       // lips
               Bump(t, a, 0.07, 0.0, 0.04, 0.35, 0.5 * male) +  // chin
               Bump(t, a, 0.55, 0.0, 0.03, 0.55, 0.45 * male) + // brow
               Bump(t, a, 0.49, 0.42, 0.03, 0.14, -0.55) +      // eye sockets
               Bump(t, a, 0.49, -0.42, 0.03, 0.14, -0.55) +
               Bump(t, a, 0.44, 1.55, 0.07, 0.12, 1.1) + // ears
               Bump(t, a, 0.44, -1.55, 0.07, 0.12, 1.1) +
               Bump(t, a, 0.36, 0.75, 0.06, 0.25, 0.35) + // cheek bones
               Bump(t, a, 0.36, -0.75, 0.06, 0.25, 0.35);
    };
    return Loft(Upright({0, bottom, centreZ}), height, s, 44, 48, 0.3, 0.0, face);
}

SurfaceMesh Neck(const Skeleton& k) {
    const Vec3 size = k.Size(kNeck);
    const double bottom = k.joint[kNeck].y - 4.0, top = k.joint[kHead].y + 2.0;
    const double w = 0.5 * size.x, d = 0.5 * size.z;
    // Its full size from the base up past the joint: what lies below the joint is drawn into
    // the chest (JoinAtJoint).
    const std::vector<Section> s = {{0.0, 1.0 * w, 1.0 * d, 0, 0.0},
                                    {0.35, 1.0 * w, 1.0 * d, 0, 0.0},
                                    {0.7, 0.95 * w, 0.95 * d, 0, 0.05 * d},
                                    {1.0, 0.95 * w, 0.95 * d, 0, 0.05 * d}};
    return Loft(Upright({0, bottom, k.joint[kNeck].z + 1.5}), top - bottom, s, 14, 32, 0.5, 0.5);
}

SurfaceMesh Chest(const Skeleton& k) {
    const Vec3 size = k.Size(kChest);
    const bool male = k.sex == Sex::Male;
    const double bottom = k.joint[kChest].y - 4.0, top = k.joint[kNeck].y + 2.5;
    const double length = top - bottom;
    const double shoulder = (k.joint[kLeftArm].y + 3.0 - bottom) / length;
    const double w = 0.5 * size.x, d = 0.5 * size.z;
    const double rib = male ? 1.0 : 0.8; // the female depth includes the breasts
    const double waist = male ? 0.78 : 0.72;
    const std::vector<Section> s = {
        {0.0, waist * w, 0.84 * rib * d, 0, 0.0, 2.0},
        {0.2, (waist + 0.02) * w, 0.86 * rib * d, 0, 0.0, 2.0},
        {0.45, 0.88 * w, 0.94 * rib * d, 0, 0.04 * d, 2.1},
        {shoulder - 0.2, 0.95 * w, 1.0 * rib * d, 0, 0.08 * d, 2.2},
        {shoulder - 0.06, 1.0 * w, 0.96 * rib * d, 0, 0.04 * d, 2.4},
        {shoulder + 0.02, 0.95 * w, 0.80 * rib * d, 0, -0.02 * d, 2.4},
        {shoulder + 0.5 * (1 - shoulder), 0.58 * w, 0.58 * rib * d, 0, -0.10 * d, 2.2},
        {1.0, 0.36 * w, 0.46 * rib * d, 0, -0.14 * d, 2.0}};
    const double breastT = (k.joint[kLeftArm].y - 12.0 - bottom) / length;
    const Relief relief = [=](double t, double a) {
        if (male) {
            return Bump(t, a, breastT + 0.06, 0.45, 0.08, 0.35, 0.7) +
                   Bump(t, a, breastT + 0.06, -0.45, 0.08, 0.35, 0.7) +
                   Bump(t, a, shoulder - 0.1, tav::kPi, 0.15, 0.8, 0.6); // shoulder blades
        }
        return Bump(t, a, breastT, 0.5, 0.075, 0.33, 0.2 * size.z) +
               Bump(t, a, breastT, -0.5, 0.075, 0.33, 0.2 * size.z) +
               Bump(t, a, shoulder - 0.1, tav::kPi, 0.15, 0.8, 0.5);
    };
    return Loft(Upright({0, bottom, k.trunkFrontZ}), length, s, 40, 48, 1.0, 0.5, relief);
}

SurfaceMesh Abdomen(const Skeleton& k) {
    const Vec3 size = k.Size(kAbdomen);
    const bool male = k.sex == Sex::Male;
    const double bottom = -9.0, top = k.joint[kChest].y + 4.0;
    const double w = 0.5 * size.x, d = 0.5 * size.z;
    const double waist = male ? 0.80 : 0.66;
    const std::vector<Section> s = {{0.0, 0.50 * w, 0.55 * d, 0, -0.05 * d, 2.0},
                                    {0.14, 0.86 * w, 0.92 * d, 0, -0.10 * d, 2.3},
                                    {0.30, 1.0 * w, 1.0 * d, 0, -0.08 * d, 2.4},
                                    {0.52, 0.93 * w, 0.92 * d, 0, 0.0, 2.4},
                                    {0.78, waist * w, 0.84 * d, 0, 0.04 * d, 2.2},
                                    {1.0, waist * w, 0.84 * d, 0, 0.04 * d, 2.2}};
    const Relief relief = [=](double t, double a) {
        return Bump(t, a, 0.16, tav::kPi + 0.45, 0.08, 0.35, 0.10 * d) + // buttocks
               Bump(t, a, 0.16, tav::kPi - 0.45, 0.08, 0.35, 0.10 * d) +
               Bump(t, a, 0.55, 0.0, 0.12, 0.6, 0.04 * d); // belly
    };
    return Loft(Upright({0, bottom, 0}), top - bottom, s, 30, 48, 1.5, 0.5, relief);
}

// An upright limb at (x, 0) from `bottom` to `top`; the sections give half-widths and offsets as
// shares of the segment's half width (side) and half depth (front).
SurfaceMesh UprightLimb(const Vec3& size, double x, double bottom, double top,
                        std::vector<Section> shares, int rows, double startCap, double endCap) {
    const double w = 0.5 * size.x, d = 0.5 * size.z;
    for (Section& s : shares) {
        s.halfSide *= w;
        s.offsetSide *= w;
        s.halfFront *= d;
        s.offsetFront *= d;
    }
    return Loft(Upright({x, bottom, 0}), top - bottom, shares, rows, 32, startCap, endCap);
}

SurfaceMesh Thigh(const Skeleton& k) {
    return UprightLimb(k.Size(kLeftLeg), k.joint[kLeftLeg].x, k.joint[kLeftLowerLeg].y - 4.5, 4.0,
                       {{0.0, 0.40, 0.40},
                        {0.035, 0.53, 0.55, 0, 0.02},
                        {0.10, 0.58, 0.62, 0, 0.04},
                        {0.35, 0.70, 0.76, 0.02, 0.06},
                        {0.65, 0.85, 0.90, 0.03, 0.05},
                        {0.86, 0.95, 1.0, 0.02, 0.0},
                        {1.0, 0.90, 0.95, 0.0, -0.04}},
                       30, 1.0, 1.0);
}

SurfaceMesh LowerLeg(const Skeleton& k) {
    return UprightLimb(k.Size(kLeftLowerLeg), k.joint[kLeftLowerLeg].x, k.joint[kLeftFoot].y - 1.0,
                       k.joint[kLeftLowerLeg].y + 4.0,
                       {{0.0, 0.52, 0.50, 0, -0.02},
                        {0.12, 0.48, 0.48, 0, -0.06},
                        {0.35, 0.62, 0.68, 0, -0.10},
                        {0.60, 0.92, 0.94, 0, -0.14},
                        {0.74, 1.0, 1.0, 0, -0.10},
                        {0.88, 0.94, 0.92, 0, 0.02},
                        {0.95, 0.85, 0.82, 0, 0.05},
                        {1.0, 0.55, 0.52, 0, 0.03}},
                       32, 0.5, 0.4);
}

SurfaceMesh Foot(const Skeleton& k) {
    const Vec3 size = k.Size(kLeftFoot);
    const double heelZ = k.heelSole[0].z, length = k.toeSole[0].z - heelZ;
    const double w = 0.5 * size.x, h = size.y;
    // (t along the foot, half-width share, height of the top above the sole as share of the
    // ankle height, sideways shift of the section as share of the half-width); sections are
    // centred half-way up and flattened at the sole below. A rounded heel, the instep falling
    // to the ball of the foot, a low flat toe box whose tip lies towards the big toe (-x, the
    // inner side of the left foot).
    const double rows[][4] = {
        {0.0, 0.42, 0.52, 0.0},    {0.04, 0.58, 0.70, 0.0},   {0.10, 0.64, 0.88, 0.0},
        {0.20, 0.66, 1.06, 0.0},   {0.36, 0.76, 0.80, 0.0},   {0.55, 0.90, 0.50, 0.0},
        {0.70, 1.00, 0.36, 0.0},   {0.80, 0.98, 0.31, -0.02}, {0.89, 0.88, 0.28, -0.08},
        {0.96, 0.66, 0.24, -0.18}, {1.0, 0.36, 0.18, -0.30}};
    std::vector<Section> s;
    for (const auto& r : rows) {
        s.push_back({r[0], r[1] * w, 0.58 * r[2] * h, r[3] * w, 0.5 * r[2] * h, 2.4});
    }
    // The toes: five rounded rises across the top of the toe box, the big toe on the inner side
    // the largest (angle 0 is the top of the foot, +pi/2 its outer side).
    const Relief toes = [=](double t, double a) {
        const double rise[5][2] = {
            {-0.80, 0.11}, {-0.30, 0.07}, {0.08, 0.065}, {0.42, 0.06}, {0.75, 0.05}};
        double relief = 0.0;
        for (const auto& r : rise) {
            relief += Bump(t, a, 0.93, r[0], 0.045, 0.12, r[1] * h);
        }
        return relief;
    };
    Frame f;
    f.origin = {k.joint[kLeftFoot].x, k.soleY, heelZ};
    f.axis = {0, 0, 1};
    f.side = {1, 0, 0};
    f.front = {0, 1, 0};
    SurfaceMesh m = Loft(f, length, s, 40, 44, 0.02 * length, 0.03 * length, toes);
    for (Vec3& v : m.vertices) {
        v.y = std::max(v.y, k.soleY); // a flat sole
        // The inner arch, lifted off the floor between heel and ball.
        const double t = (v.z - heelZ) / length;
        const double inner = std::clamp((k.joint[kLeftFoot].x - v.x) / w, 0.0, 1.0);
        const double arch = std::exp(-0.5 * std::pow((t - 0.45) / 0.12, 2));
        v.y += 0.16 * h * arch * inner * std::max(0.0, 1.0 - (v.y - k.soleY) / (0.3 * h));
    }
    return m;
}

SurfaceMesh UpperArm(const Skeleton& k) {
    return UprightLimb(k.Size(kLeftArm), k.joint[kLeftArm].x, k.joint[kLeftForearm].y - 3.5,
                       k.joint[kLeftArm].y + 4.0,
                       {{0.0, 0.50, 0.46},
                        {0.04, 0.68, 0.62},
                        {0.12, 0.74, 0.72},
                        {0.45, 0.80, 0.88, 0, 0.04},
                        {0.72, 0.92, 0.96, 0.03, 0.0},
                        {0.85, 1.0, 0.98, 0.06, -0.02},
                        {0.93, 0.90, 0.88, 0.05, -0.02},
                        {0.98, 0.62, 0.60, 0.03, -0.02},
                        {1.0, 0.35, 0.34, 0.02, -0.02}},
                       28, 1.0, 0.3);
}

SurfaceMesh Forearm(const Skeleton& k) {
    return UprightLimb(k.Size(kLeftForearm), k.joint[kLeftForearm].x, k.joint[kLeftPalm].y - 1.0,
                       k.joint[kLeftForearm].y + 3.0,
                       {{0.0, 0.62, 0.42},
                        {0.15, 0.62, 0.45},
                        {0.50, 0.80, 0.70, 0, 0.02},
                        {0.78, 1.0, 0.95},
                        {0.90, 0.95, 0.95},
                        {0.96, 0.80, 0.80},
                        {1.0, 0.50, 0.50}},
                       26, 0.6, 0.3);
}

SurfaceMesh Palm(const Skeleton& k) {
    const Vec3 size = k.Size(kLeftPalm);
    const Vec3 wrist = k.joint[kLeftPalm];
    const double knuckles = k.joint[FingerSegment(false, 2, 0)].y;
    const double bottom = knuckles - 0.8, top = wrist.y + 1.2;
    const double w = 0.5 * size.x;
    const std::vector<Section> s = {{0.0, 0.90 * w, 0.34 * w, 0, 0.06 * w},
                                    {0.3, 1.0 * w, 0.38 * w, 0, 0.06 * w},
                                    {0.7, 0.95 * w, 0.42 * w, 0, 0.04 * w},
                                    {0.9, 0.80 * w, 0.42 * w, 0, 0.0},
                                    {1.0, 0.70 * w, 0.40 * w, 0, 0.0}};
    // The ball of the thumb on the palm side (front), towards the thumb (+x).
    const Relief thenar = [=](double t, double a) {
        return Bump(t, a, 0.68, 0.75, 0.16, 0.45, 0.55 * w) +
               Bump(t, a, 0.6, -0.9, 0.2, 0.4, 0.15 * w);
    };
    SurfaceMesh m = Loft(Upright({wrist.x, bottom, 0}), top - bottom, s, 18, 24, 0.4, 0.6, thenar);
    // The knuckle end follows the knuckles, highest at the little finger, instead of a straight
    // edge: each point of the lower palm rises with the knuckle beside it, less towards the wrist.
    auto knuckleRise = [&](double x) {
        double nearest = 1e9, rise = 0.0;
        for (int f = 1; f < kFingers; ++f) {
            const Vec3 knuckle = k.joint[FingerSegment(false, f, 0)];
            if (std::fabs(knuckle.x - x) < nearest) {
                nearest = std::fabs(knuckle.x - x);
                rise = knuckle.y - knuckles;
            }
        }
        return rise;
    };
    for (Vec3& v : m.vertices) {
        const double lower = std::clamp(1.0 - (v.y - bottom) / (0.5 * (top - bottom)), 0.0, 1.0);
        v.y += knuckleRise(v.x) * lower;
    }
    return m;
}

// One finger phalanx: a tube from joint to end with rounded ends, slightly flattened front to
// back; the distal phalanx ends in a round fingertip.
SurfaceMesh Phalanx(const Skeleton& k, int s, bool tip) {
    const double r = 0.5 * k.thickness[s];
    const Frame f = FrameAlong(k.joint[s], k.end[s]);
    const double length = Length(k.end[s] - k.joint[s]);
    const double end = tip ? 0.80 : 0.90;
    // Full at both ends, so that the joints between phalanges show as creases, not waists.
    const std::vector<Section> sections = {{0.0, 0.90 * r, 0.80 * r},
                                           {0.15, 0.97 * r, 0.86 * r},
                                           {0.5, 0.93 * r, 0.81 * r},
                                           {0.85, (end + 0.04) * r, (end - 0.06) * r},
                                           {0.96, (end - 0.04) * r, (end - 0.12) * r},
                                           {1.0, 0.62 * r, 0.55 * r}};
    return Loft(f, length + (tip ? 0.0 : 0.3 * r), sections, 9, 12, 0.5 * r, 0.15 * r);
}

// Lowest and highest coordinate along `axis` of the vertices that `keep` accepts.
std::pair<double, double> Span(const SurfaceMesh& m, double Vec3::*axis,
                               const std::function<bool(const Vec3&)>& keep) {
    double lo = 1e9, hi = -1e9;
    for (const Vec3& v : m.vertices) {
        if (keep(v)) {
            lo = std::min(lo, v.*axis);
            hi = std::max(hi, v.*axis);
        }
    }
    return {lo, hi};
}

// Stretches the surface along `axis` about `centre` so that the span `keep` accepts becomes
// `size` long.
void FitSpan(SurfaceMesh& m, double Vec3::*axis, const std::function<bool(const Vec3&)>& keep,
             double size) {
    const auto [lo, hi] = Span(m, axis, keep);
    const double centre = 0.5 * (lo + hi), k = size / (hi - lo);
    for (Vec3& v : m.vertices) {
        v.*axis = centre + (v.*axis - centre) * k;
    }
}

// The chest measured as the survey measures it, at the nipples (the deepest level of the
// chest below the armpits): breadth and depth there.
void FitChest(const Skeleton& k, SurfaceMesh& chest) {
    double level = 0.0, deepest = 0.0;
    for (double y = k.joint[kChest].y; y < k.joint[kLeftArm].y - 6.0; y += 0.25) {
        const auto [lo, hi] =
            Span(chest, &Vec3::z, [&](const Vec3& v) { return std::fabs(v.y - y) <= 0.5; });
        if (hi - lo > deepest) {
            deepest = hi - lo;
            level = y;
        }
    }
    auto atNipples = [&](const Vec3& v) { return std::fabs(v.y - level) <= 0.5; };
    FitSpan(chest, &Vec3::x, atNipples, k.Size(kChest).x);
    FitSpan(chest, &Vec3::z, atNipples, k.Size(kChest).z);
}

// Head breadth above the ears, head length from the brow ridges back.
void FitHead(const Skeleton& k, SurfaceMesh& head) {
    const double eyes = k.leftEye.y;
    FitSpan(
        head, &Vec3::x, [&](const Vec3& v) { return v.y > eyes + 3.0; }, k.Size(kHead).x);
    FitSpan(
        head, &Vec3::z, [&](const Vec3& v) { return v.y > eyes + 0.5; }, k.Size(kHead).z);
}

// Seated on the thighs and buttocks. The upper thighs are as deep as the survey's sitting
// height leaves room for below the hip joints (the thigh keeps its depth at the knee); the pelvis
// ends just above their undersides (their backs, before they turn forward); the buttocks reach
// back as far as the survey's buttock-knee length says, measured from the front of the knee.
// Worked out for the survey's median, whose lengths and depths grow differently from this
// figure's and whose thighs are longer by their length correction.
void FitSeat(const Skeleton& k, SurfaceMesh& thigh, const SurfaceMesh& lowerLeg,
             SurfaceMesh& pelvis) {
    const auto all = [](const Vec3&) { return true; };
    const SurveyFit& fit = k.fit;
    const double lengthToDepth = fit.medianLength / fit.medianBreadth;
    const double underside = (fit.sittingHeight - k.headTop) * lengthToDepth;
    const double thighBack = -Span(thigh, &Vec3::z, all).first;
    const double knee = k.joint[kLeftLowerLeg].y;
    for (Vec3& v : thigh.vertices) {
        const double t = std::clamp((v.y - knee) / -knee, 0.0, 1.0); // 0 knee .. 1 hip
        const double upper = t * t * (3.0 - 2.0 * t);
        v.z *= 1.0 + (underside / thighBack - 1.0) * upper;
    }
    const double seat = k.headTop - fit.sittingHeight + 0.1;
    const double bottom = Span(pelvis, &Vec3::y, all).first;
    const double thighLength = fit.correction[kLeftLeg].y;
    const double shinFront =
        Span(lowerLeg, &Vec3::z, [&](const Vec3& v) { return v.y > knee - 6.0; }).second;
    const double kneeFront = std::max(-Span(thigh, &Vec3::y, all).first * thighLength,
                                      -knee * thighLength + shinFront / lengthToDepth);
    const double rear = (fit.buttockKnee - kneeFront) * lengthToDepth;
    for (Vec3& v : pelvis.vertices) {
        if (v.y < 0.0) {
            v.y *= seat / bottom;
        }
    }
    // The buttocks: the back of the pelvis pulled out most a third of the way down to the seat,
    // less towards the seat and the waist, so that they round off into the thighs and the back.
    auto pull = [&](const Vec3& v) {
        const double d = (v.y - seat / 3.0) / 6.0;
        return v.z < 0.0 ? std::exp(-0.5 * d * d) : 0.0;
    };
    auto backAfter = [&](double gain) {
        double back = 0.0;
        for (const Vec3& v : pelvis.vertices) {
            back = std::max(back, -v.z * (1.0 + gain * pull(v)));
        }
        return back;
    };
    double lo = 0.0, hi = 2.0; // the gain that brings the back to `rear`
    for (int i = 0; i < 40; ++i) {
        const double mid = 0.5 * (lo + hi);
        (backAfter(mid) < rear ? lo : hi) = mid;
    }
    for (Vec3& v : pelvis.vertices) {
        v.z *= 1.0 + lo * pull(v);
    }
}

} // namespace

Frame Upright(const Vec3& origin) {
    Frame f;
    f.origin = origin;
    return f;
}

void FitMainSegmentExtents(const Skeleton& k, FigureSurfaces& surfaces) {
    for (int s = 0; s < kMainSegmentCount; ++s) {
        FitExtents(surfaces[s], k.Size(s).x, k.Size(s).z);
    }
}

FigureSurfaces HumanSurfaces(const Skeleton& k) {
    FigureSurfaces m;
    m[kHead] = Head(k);
    m[kNeck] = Neck(k);
    m[kChest] = Chest(k);
    m[kAbdomen] = Abdomen(k);
    m[kLeftLeg] = Thigh(k);
    m[kLeftLowerLeg] = LowerLeg(k);
    m[kLeftFoot] = Foot(k);
    m[kLeftArm] = UpperArm(k);
    m[kLeftForearm] = Forearm(k);
    m[kLeftPalm] = Palm(k);
    for (int s = kFirstLeftFinger; s < kFirstRightFinger; ++s) {
        m[s] = Phalanx(k, s, (s - kFirstLeftFinger) % kPhalanges == 2);
    }
    FitMainSegmentExtents(k, m);
    FitChest(k, m[kChest]);
    FitHead(k, m[kHead]);
    // The trunk bends at the waist and the neck, the limbs at the knees and elbows, without a
    // step or a gap.
    JoinAtJoint(m[kAbdomen], m[kChest], k.joint[kChest], 8.0);
    JoinAtJoint(m[kChest], m[kNeck], k.joint[kNeck], 6.0, LowerEnd::Sleeve);
    JoinAtJoint(m[kLeftLowerLeg], m[kLeftLeg], k.joint[kLeftLowerLeg], 0.0);
    JoinAtJoint(m[kLeftForearm], m[kLeftArm], k.joint[kLeftForearm], 0.0);
    FitSeat(k, m[kLeftLeg], m[kLeftLowerLeg], m[kAbdomen]);
    MirrorLeftToRight(m);
    return m;
}
