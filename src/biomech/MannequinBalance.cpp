#include "human/Mannequin.h"

#include "biomech/Balance.h"
#include "biomech/Force.h"
#include "biomech/JointLoads.h"
#include "core/GlobalSettings.h"

#include <cmath>

bool CMannequin::IsBiomechanicsEnabled() const {
    return representation == 0 && anthropometry.childTable == 0 && anthropometry.gender == kMale;
}

Vec3 CMannequin::GravityInFigure() const {
    const Vec3 gravity = settings ? settings->gravity : CGlobalSettings().gravity;
    return IntoFrame(transform, gravity);
}

namespace {

Vec3 MassCentreInFigure(const FigureJointLoads& loads, const CBodyPart& part) {
    return TransformPoint(loads.frame[part.segmentIndex], part.massCentre);
}

Vec3 CentreOfGravity(const CMannequin& figure, const FigureJointLoads& loads) {
    Vec3 sum;
    double mass = 0.0;
    for (int s = 0; s < kMainSegmentCount; ++s) {
        const CBodyPart& part = *figure.GetSegment(s);
        sum = sum + MassCentreInFigure(loads, part) * part.mass;
        mass += part.mass;
    }
    return mass > 0.0 ? sum / mass : Vec3();
}

bool AllFinite(const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

} // namespace

Vec3 CMannequin::GetCenterOfGravity() const {
    FigureJointLoads loads;
    ComputeFigureJointLoads(*this, false, loads);
    return CentreOfGravity(*this, loads);
}

void CMannequin::GetResultantLoad(bool includeFeet, Vec3& force, Vec3& moment) const {
    FigureJointLoads loads;
    ComputeFigureJointLoads(*this, includeFeet, loads);
    const Vec3 g = CentreOfGravity(*this, loads);
    // Sum of the two roots' loads, the chest's moment carried from its joint to g.
    force = loads.force[kChest] + loads.force[kAbdomen];
    moment = Vec3();
    for (int root : {kChest, kAbdomen})
        moment = moment + loads.moment[root] +
                 Cross(TranslationOf(loads.frame[root]) - g, loads.force[root]);
}

bool CMannequin::IsBalanced() const {
    Footprint outline[2];
    if (!CurrentFootprints(outline[0], outline[1]))
        return false;
    return InsideSupport(outline[0].data(), 2 * kFootprintPoints, GetCenterOfGravity());
}

bool CMannequin::PredictFootForces(Vec3& leftForce, Vec3& leftPoint, Vec3& rightForce,
                                   Vec3& rightPoint) const {
    Footprint outline[2];
    if (!CurrentFootprints(outline[0], outline[1]))
        return false;
    FigureJointLoads loads;
    ComputeFigureJointLoads(*this, false, loads);
    const Vec3 g = CentreOfGravity(*this, loads);
    if (!InsideSupport(outline[0].data(), 2 * kFootprintPoints, g))
        return false;
    Vec3 r, m;
    GetResultantLoad(false, r, m);
    // Centre of pressure: where the floor's reaction -R balances the moment about g. Without a
    // vertical load there is none.
    if (r.y == 0.0 || !AllFinite(r) || !AllFinite(m))
        return false;
    const Vec3 centre(g.x + m.z / r.y, 0.0, g.z - m.x / r.y);
    FootSplit split;
    if (!SplitBetweenFeet(outline[0].data(), outline[1].data(), kFootprintPoints, centre, split))
        return false;
    leftForce = -r * split.leftShare;
    rightForce = -r * split.rightShare;
    leftPoint = split.leftPoint;
    rightPoint = split.rightPoint;
    return true;
}

void CMannequin::ComputeBalancingForce(const CForce& load, Vec3& force, Vec3& torque) const {
    FigureJointLoads loads;
    ComputeFigureJointLoads(*this, true, loads);
    const Vec3 g = CentreOfGravity(*this, loads);
    Vec3 r, m;
    GetResultantLoad(true, r, m);
    const Matrix4& frame = loads.frame[load.segment < kMainSegmentCount ? load.segment : 0];
    const Vec3 ownForce = TransformDirection(frame, load.force);
    const Vec3 ownTorque = TransformDirection(frame, load.torque);
    const Vec3 rest = r - ownForce;
    const Vec3 d = TransformPoint(frame, load.location) - g;
    const Vec3 restMoment = m - Cross(d, ownForce) - ownTorque - Cross(d, rest);
    force = IntoFrame(frame, -rest);
    torque = IntoFrame(frame, -restMoment);
}
