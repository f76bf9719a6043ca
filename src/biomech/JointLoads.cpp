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

// Frames of `part` and its distal segments from `base`, its base frame, composed as the figure
// places its segments (the figure's placement left out); marks them in `inTree`.
void PlaceFrames(const CBodyPart& part, const Matrix4& base, FigureJointLoads& loads,
                 bool inTree[kMainSegmentCount]) {
    const Matrix4 own = base * part.jointRotation;
    loads.frame[part.segmentIndex] = own;
    inTree[part.segmentIndex] = true;
    const DistalChildren children = DistalChildrenOf(part.segmentIndex);
    for (int i = 0; i < children.count; ++i)
        for (std::size_t c = 0; c < part.childSegments.size(); ++c)
            if (part.childSegments[c]->segmentIndex == children.index[i])
                PlaceFrames(*part.childSegments[c], part.ChildBase(static_cast<int>(c), base, own),
                            loads, inTree);
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

// Own loads of the segments marked in `inTree`, then the sums from `root` down.
void LoadTree(const CMannequin& figure, int root, bool includeFeet, const bool inTree[],
              FigureJointLoads& loads) {
    const Vec3 weightPerPound = figure.GravityInFigure() * kPoundForcePerPoundMassPerG;
    for (int s = 0; s < kMainSegmentCount; ++s) {
        if (!inTree[s])
            continue;
        const CBodyPart& part = *figure.GetSegment(s);
        const Matrix4& frame = loads.frame[s];
        const Vec3 weight = weightPerPound * part.mass;
        loads.ownForce[s] = weight;
        loads.ownMoment[s] =
            Cross(TransformPoint(frame, part.massCentre) - TranslationOf(frame), weight);
    }
    for (const CForce* load : figure.forces) {
        if (load->segment >= kMainSegmentCount || !inTree[load->segment] ||
            (load->IsFootPrediction() && !includeFeet))
            continue;
        const int s = load->segment;
        const Matrix4& frame = loads.frame[s];
        const Vec3 force = TransformDirection(frame, load->force);
        loads.ownForce[s] = loads.ownForce[s] + force;
        loads.ownMoment[s] =
            loads.ownMoment[s] + TransformDirection(frame, load->torque) +
            Cross(TransformPoint(frame, load->location) - TranslationOf(frame), force);
    }
    SumDistal(root, loads);
}

} // namespace

void ComputeSegmentJointLoads(const CMannequin& figure, int segment, bool includeFeet,
                              FigureJointLoads& loads) {
    Matrix4 base;
    figure.GetSegmentLocalFrame(segment, base);
    bool inTree[kMainSegmentCount] = {};
    PlaceFrames(*figure.GetSegment(segment), base, loads, inTree);
    LoadTree(figure, segment, includeFeet, inTree, loads);
}

void ComputeFigureJointLoads(const CMannequin& figure, bool includeFeet, FigureJointLoads& loads) {
    // The pelvis carries the legs; the chest hangs from the pelvis but is a root of its own.
    const CBodyPart& pelvis = *figure.GetSegment(kAbdomen);
    bool inTree[kMainSegmentCount] = {};
    PlaceFrames(pelvis, Matrix4(true), loads, inTree);
    for (std::size_t c = 0; c < pelvis.childSegments.size(); ++c)
        if (pelvis.childSegments[c]->segmentIndex == kChest)
            PlaceFrames(*pelvis.childSegments[c],
                        pelvis.ChildBase(static_cast<int>(c), Matrix4(true), loads.frame[kAbdomen]),
                        loads, inTree);
    LoadTree(figure, kAbdomen, includeFeet, inTree, loads);
    SumDistal(kChest, loads);
}
