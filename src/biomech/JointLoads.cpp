#include "biomech/JointLoads.h"

#include "biomech/Force.h"
#include "core/GlobalSettings.h"
#include "human/Mannequin.h"

DistalChildren DistalChildrenOf(int segment) {
    switch (segment) {
    case kChest:
        return {3, {kNeck, kLeftArm, kRightArm}};
    case kNeck:
        return {1, {kHead}};
    case kLeftArm:
        return {1, {kLeftForearm}};
    case kRightArm:
        return {1, {kRightForearm}};
    case kAbdomen:
        return {2, {kLeftLeg, kRightLeg}};
    case kLeftLeg:
        return {1, {kLeftLowerLeg}};
    case kRightLeg:
        return {1, {kRightLowerLeg}};
    case kLeftForearm:
        return {1, {kLeftPalm}};
    case kRightForearm:
        return {1, {kRightPalm}};
    case kLeftLowerLeg:
        return {1, {kLeftFoot}};
    case kRightLowerLeg:
        return {1, {kRightFoot}};
    default:
        return {};
    }
}

Vec3 IntoFrame(const Matrix4& frame, const Vec3& v) {
    const double* m = frame.m;
    return {m[0] * v.x + m[4] * v.y + m[8] * v.z, m[1] * v.x + m[5] * v.y + m[9] * v.z,
            m[2] * v.x + m[6] * v.y + m[10] * v.z};
}

namespace {

// Segment frames top-down from the pelvis, composed as the figure places its segments, with the
// figure's placement left out.
void PlaceFrames(const CMannequin& figure, const CBodyPart& part, const Matrix4& base,
                 FigureJointLoads& loads) {
    const Matrix4 own = base * part.jointRotation;
    loads.frame[part.segmentIndex] = own;
    for (std::size_t c = 0; c < part.childSegments.size(); ++c) {
        const CBodyPart& child = *part.childSegments[c];
        if (child.segmentIndex < kMainSegmentCount)
            PlaceFrames(figure, child, part.ChildBase(static_cast<int>(c), base, own), loads);
    }
}

// Post-order sum over the load tree.
void SumDistal(int s, FigureJointLoads& loads) {
    loads.force[s] = loads.ownForce[s];
    loads.moment[s] = loads.ownMoment[s];
    const Vec3 origin = TranslationOf(loads.frame[s]);
    const DistalChildren children = DistalChildrenOf(s);
    for (int i = 0; i < children.count; ++i) {
        const int k = children.index[i];
        SumDistal(k, loads);
        loads.force[s] = loads.force[s] + loads.force[k];
        loads.moment[s] = loads.moment[s] + loads.moment[k] +
                          Cross(TranslationOf(loads.frame[k]) - origin, loads.force[k]);
    }
}

} // namespace

void ComputeFigureJointLoads(const CMannequin& figure, bool includeFeet, FigureJointLoads& loads) {
    PlaceFrames(figure, *figure.GetSegment(kAbdomen), Matrix4(true), loads);
    const Vec3 weightPerPound = figure.GravityInFigure() * kPoundForcePerPoundMassPerG;
    for (int s = 0; s < kMainSegmentCount; ++s) {
        const CBodyPart& part = *figure.GetSegment(s);
        const Matrix4& frame = loads.frame[s];
        const Vec3 origin = TranslationOf(frame);
        const Vec3 weight = weightPerPound * part.mass;
        loads.ownForce[s] = weight;
        loads.ownMoment[s] = Cross(TransformPoint(frame, part.massCentre) - origin, weight);
    }
    for (const CForce* load : figure.forces) {
        if (load->segment >= kMainSegmentCount || (load->IsFootPrediction() && !includeFeet))
            continue;
        const int s = load->segment;
        const Matrix4& frame = loads.frame[s];
        const Vec3 force = TransformDirection(frame, load->force);
        loads.ownForce[s] = loads.ownForce[s] + force;
        loads.ownMoment[s] =
            loads.ownMoment[s] + TransformDirection(frame, load->torque) +
            Cross(TransformPoint(frame, load->location) - TranslationOf(frame), force);
    }
    SumDistal(kChest, loads);
    SumDistal(kAbdomen, loads);
}
