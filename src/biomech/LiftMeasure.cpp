#include "biomech/LiftMeasure.h"

#include "biomech/Niosh.h"
#include "human/Mannequin.h"

#include <cmath>

namespace {

Vec3 JointOrigin(const CMannequin& figure, int segment) {
    Matrix4 frame;
    figure.GetSegmentLocalFrame(segment, frame);
    return TranslationOf(frame);
}

} // namespace

LiftPoint MeasureLiftPoint(const CMannequin& figure) {
    const Vec3 feet = (JointOrigin(figure, kLeftFoot) + JointOrigin(figure, kRightFoot)) * 0.5;
    const Vec3 hands = (JointOrigin(figure, kRightPalm) + JointOrigin(figure, kLeftPalm)) * 0.5;
    LiftPoint point;
    point.h = static_cast<float>(std::hypot(hands.x - feet.x, hands.z - feet.z));
    point.v = static_cast<float>(hands.y - feet.y);
    return point;
}

void MeasureLift(CMannequin& figure, const CPosture& initial, const CPosture& final,
                 NioshInputs& inputs) {
    CPosture saved;
    CapturePosture(figure, saved);
    ApplyPosture(figure, initial);
    const LiftPoint origin = MeasureLiftPoint(figure);
    ApplyPosture(figure, final);
    const LiftPoint destination = MeasureLiftPoint(figure);
    ApplyPosture(figure, saved);
    figure.UpdatePosture();
    inputs.hOrigin = origin.h;
    inputs.vOrigin = origin.v;
    inputs.hDestination = destination.h;
    inputs.vDestination = destination.v;
    inputs.asymmetryOrigin = inputs.asymmetryDestination = 0.0f;
}
