#include "human/BodyPart.h"

#include "human/JointAngles.h"
#include "human/Mannequin.h"

#include <algorithm>

namespace {
// Largest flexion (degrees) of the pelvis over the more extended of the two hips, and of a hip
// under the pelvis.
constexpr double kHipTrunkSpan = 150.0;
} // namespace

int CBodyPart::ClampDelta(int axis, double delta, double& adjusted) const {
    const double target = angles[axis] + delta;
    const double over = target - upperLimits[axis];
    const double under = lowerLimits[axis] - target;
    adjusted = delta;
    if (!limitsEnabled)
        return kAtUpperLimit;
    int code = kWithinLimits;
    if (over > 0.0) {
        adjusted = delta - over;
        code = kAtUpperLimit;
    } else if (under > 0.0) {
        adjusted = delta + under;
        code = kAtLowerLimit;
    }
    if (axis != 0 || !figure)
        return code;
    // Hip and trunk flexion are coupled: the pelvis may not fold further than the span past
    // the legs.
    if (segmentIndex == kAbdomen) {
        const double legs = std::min(
            {0.0, figure->GetSegment(kLeftLeg)->angles.x, figure->GetSegment(kRightLeg)->angles.x});
        if (angles.x + adjusted - legs > kHipTrunkSpan) {
            adjusted = (kHipTrunkSpan - angles.x) + legs;
            code = kAtUpperLimit;
        }
    } else if (IsLegSegment(segmentIndex) && parentSegment) {
        const double pelvis = parentSegment->angles.x;
        if (pelvis - angles.x - adjusted > kHipTrunkSpan) {
            adjusted = -((kHipTrunkSpan - pelvis) + angles.x);
            code = kAtLowerLimit;
        }
    }
    return code;
}

int CBodyPart::RotateAxis(int axis, double delta) {
    double adjusted = 0.0;
    const int code = ClampDelta(axis, delta, adjusted);
    angles[axis] += adjusted;
    RebuildJointRotation();
    Invalidate();
    return code;
}

int CBodyPart::RotateAxisX(double delta) {
    return RotateAxis(0, delta);
}
int CBodyPart::RotateAxisY(double delta) {
    return RotateAxis(1, delta);
}
int CBodyPart::RotateAxisZ(double delta) {
    return RotateAxis(2, delta);
}

void CBodyPart::RebuildJointRotation() {
    jointRotation = JointRotationFromAngles(angles);
}

namespace {

// Takes the candidate rotation only when every resulting angle stays within its limits.
int AcceptFreeRotation(CBodyPart& part, const Matrix4& candidate) {
    const Vec3 decomposed = DecomposeJointRotation(candidate);
    for (int axis = 0; axis < 3; ++axis) {
        double adjusted = 0.0;
        if (part.ClampDelta(axis, decomposed[axis] - part.angles[axis], adjusted) != kWithinLimits)
            return kAtUpperLimit;
    }
    part.jointRotation = candidate;
    part.angles = decomposed;
    part.Invalidate();
    return kWithinLimits;
}

} // namespace

int CBodyPart::FreeRotateX(double delta) {
    return AcceptFreeRotation(*this, jointRotation * RotationX(delta));
}

int CBodyPart::FreeRotateY(double delta) {
    return AcceptFreeRotation(*this, jointRotation * RotationY(delta));
}

void CBodyPart::SetGlobalAngles(const Vec3& target) {
    Vec3 reference = angles;
    if (parentSegment && figure) {
        Matrix4 parentBase(true);
        figure->GetSegmentFrame(parentSegment->segmentIndex, parentBase);
        reference = DecomposeJointRotation(parentBase);
    }
    ResetJoint();
    const Vec3 step = target - reference;
    RotateAxisX(step.x);
    RotateAxisY(step.y);
    RotateAxisZ(step.z);
}

void CBodyPart::ResetJoint() {
    jointRotation = Matrix4(true);
    angles = Vec3();
    Invalidate();
}
