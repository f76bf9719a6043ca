#include "human/Posture.h"

#include "human/JointAngles.h"
#include "human/Mannequin.h"

void CapturePosture(const CMannequin& figure, CPosture& posture) {
    for (int i = 0; i < CPosture::kSegments; ++i) {
        const CBodyPart& segment = *figure.GetSegment(i);
        posture.upperLimits[i] = segment.upperLimits;
        posture.lowerLimits[i] = segment.lowerLimits;
        posture.angles[i] = segment.angles;
        posture.orientation[i] = DecomposeJointRotation(segment.jointRotation);
    }
}

void ApplyPosture(CMannequin& figure, const CPosture& posture) {
    for (int i = 0; i < CPosture::kSegments; ++i) {
        CBodyPart& segment = *figure.GetSegment(i);
        segment.upperLimits = posture.upperLimits[i];
        segment.lowerLimits = posture.lowerLimits[i];
        segment.angles = posture.angles[i];
        segment.jointRotation = JointRotationFromAngles(posture.orientation[i]);
        segment.Invalidate();
    }
}

void InterpolatePosture(CMannequin& figure, double percent, const CPosture& initial,
                        const CPosture& final) {
    const double w = percent * 0.01;
    auto blend = [w](const Vec3& a, const Vec3& b) { return (1.0 - w) * a + w * b; };
    for (int i = 0; i < CPosture::kSegments; ++i) {
        CBodyPart& segment = *figure.GetSegment(i);
        segment.upperLimits = blend(initial.upperLimits[i], final.upperLimits[i]);
        segment.lowerLimits = blend(initial.lowerLimits[i], final.lowerLimits[i]);
        segment.angles = blend(initial.angles[i], final.angles[i]);
        segment.jointRotation = JointRotationFromAngles(segment.angles);
        segment.Invalidate();
    }
}
