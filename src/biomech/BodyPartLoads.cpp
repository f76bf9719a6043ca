#include "human/BodyPart.h"

#include "biomech/JointLoads.h"
#include "human/Mannequin.h"

namespace {

struct LoadPair {
    Vec3 force;  // figure coordinates
    Vec3 moment; // about the joint, figure coordinates
};

bool HasLoads(const CBodyPart& part) {
    return part.figure && part.segmentIndex >= 0 && part.segmentIndex < kMainSegmentCount;
}

LoadPair Loads(const CBodyPart& part, bool recursive, bool includeFeet, Matrix4& frame) {
    FigureJointLoads loads;
    ComputeSegmentJointLoads(*part.figure, part.segmentIndex, includeFeet, loads);
    const int s = part.segmentIndex;
    frame = loads.frame[s];
    return recursive ? LoadPair{loads.force[s], loads.moment[s]}
                     : LoadPair{loads.ownForce[s], loads.ownMoment[s]};
}

} // namespace

Vec3 CBodyPart::GetJointForce(bool recursive, bool includeFeet) const {
    if (!HasLoads(*this))
        return {};
    Matrix4 frame;
    const LoadPair loads = Loads(*this, recursive, includeFeet, frame);
    return IntoFrame(frame, loads.force);
}

Vec3 CBodyPart::GetJointMoment(bool recursive, bool includeFeet, bool includeWeight) const {
    if (!HasLoads(*this))
        return {};
    Matrix4 frame;
    const LoadPair loads = Loads(*this, recursive, includeFeet, frame);
    Vec3 moment = loads.moment;
    if (!includeWeight) // about the mass centre instead of the joint
        moment =
            moment - Cross(TransformPoint(frame, massCentre) - TranslationOf(frame), loads.force);
    return IntoFrame(frame, moment);
}
