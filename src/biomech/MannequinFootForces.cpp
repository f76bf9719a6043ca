#include "human/Mannequin.h"

#include "biomech/Force.h"

CForce* CMannequin::FootPredictionForce(int footSegment) const {
    for (CForce* load : forces)
        if (load->IsFootPrediction() && load->segment == footSegment)
            return load;
    return nullptr;
}

bool CMannequin::HasFootPredictionForces() const {
    for (const CForce* load : forces)
        if (load->IsFootPrediction())
            return true;
    return false;
}

int CMannequin::AddFootPredictionForces() {
    if (HasFootPredictionForces() || !IsBiomechanicsEnabled())
        return kFeetNothingToDo;
    const Vec3 placeholder(1.0, 1.0, 1.0);
    for (int foot : {kLeftFoot, kRightFoot})
        AddForce(foot, kForceFootPrediction, placeholder, placeholder, Vec3(), nullptr, false);
    return UpdateFootPredictionForces();
}

int CMannequin::UpdateFootPredictionForces() {
    CForce* left = FootPredictionForce(kLeftFoot);
    CForce* right = FootPredictionForce(kRightFoot);
    if (!IsBiomechanicsEnabled() || !left || !right)
        return kFeetNothingToDo;
    left->torque = right->torque = Vec3();
    Vec3 force[2], point[2];
    const bool balanced = PredictFootForces(force[0], point[0], force[1], point[1]);
    CForce* pair[2] = {left, right};
    for (int i = 0; i < 2; ++i) {
        if (balanced) {
            Matrix4 frame;
            GetSegmentLocalFrame(pair[i]->segment, frame);
            const Matrix4 own = frame * GetSegment(pair[i]->segment)->jointRotation;
            const Matrix4 inverse = Inverse(own);
            pair[i]->location = TransformPoint(inverse, point[i]);
            pair[i]->force = TransformDirection(inverse, force[i]);
        } else {
            pair[i]->location = pair[i]->force = Vec3();
        }
        GetSegment(pair[i]->segment)->Invalidate();
    }
    UpdateLoadLabels();
    return balanced ? kFeetUpdated : kFeetUnbalanced;
}
