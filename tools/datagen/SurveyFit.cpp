#include "SurveyFit.h"

SurveyFit FitToSurvey(const CSources& src, Sex sex) {
    auto median = [&](const char* measure) {
        return src.Population("USA_Army_ANSUR1988", sex == Sex::Male ? "male" : "female", measure,
                              "p50");
    };
    SurveyFit fit;
    const double stature = ReferenceChainStature(sex);
    const double ansurStature = median("stature") / 10.0;
    fit.medianBreadth = BreadthFactor(sex, ansurStature, median("weight"));
    fit.medianLength = ansurStature / stature;
    auto length = [&](const char* measure) { return median(measure) / 10.0 / fit.medianLength; };
    auto breadth = [&](const char* measure) { return median(measure) / 10.0 / fit.medianBreadth; };
    auto reference = [&](int segment) { return ReferenceDimensions(sex, segment); };
    fit.biacromialBreadth = breadth("biacromial_breadth");
    fit.sittingHeight = length("sitting_height");
    fit.buttockKnee = length("buttock_knee_length");

    std::array<Vec3, kMainSegmentCount>& c = fit.correction;
    c.fill({1, 1, 1});
    auto both = [&](int left, const Vec3& factor) {
        c[left] = factor;
        c[Counterpart(left)] = factor;
    };
    // The Human chest and head are modelled with their reference breadth and depth where the
    // survey measures them (nipples; above the ears and from the brow ridges).
    c[kChest].x = breadth("chest_breadth") / reference(kChest).x;
    c[kChest].z = breadth("chest_depth") / reference(kChest).z;
    c[kHead].x = breadth("head_breadth") / reference(kHead).x;
    c[kHead].z = breadth("head_length") / reference(kHead).z;
    // Pelvis as wide as the standing hip breadth; the thighs, whose joints lie a quarter of the
    // pelvis width out, fill its outer halves, so that nothing sticks out beyond the hips.
    const double hips = breadth("hip_breadth_standing");
    c[kAbdomen].x = hips / reference(kAbdomen).x;
    // The knee axis half-way up the thigh's thickness at the knee, seated: between popliteal
    // height and knee height; the thigh takes what the lower leg gives up.
    const double knee = 0.5 * (length("popliteal_height_sitting") + length("knee_height_sitting")) -
                        reference(kLeftFoot).y;
    both(kLeftLeg,
         {0.5 * hips / reference(kLeftLeg).x,
          (reference(kLeftLeg).y + reference(kLeftLowerLeg).y - knee) / reference(kLeftLeg).y,
          1.0});
    both(kLeftLowerLeg, {1.0, knee / reference(kLeftLowerLeg).y, 1.0});
    // Upper arm: shoulder-elbow length (acromion to the underside of the elbow, forearm level)
    // less the acromion's height above the shoulder joint and the arm's reach below the elbow.
    both(kLeftArm, {1.0,
                    (length("shoulder_elbow_length") - 0.022 * stature - kElbowBelowJoint) /
                        reference(kLeftArm).y,
                    1.0});
    // Hand breadth across the knuckles and hand length; the hand's thickness stays.
    both(kLeftPalm, {breadth("hand_breadth") / reference(kLeftPalm).x,
                     length("hand_length") / reference(kLeftPalm).y, 1.0});
    // The foot's length follows its depth scale.
    both(kLeftFoot, {breadth("foot_breadth") / reference(kLeftFoot).x, 1.0,
                     breadth("foot_length") / reference(kLeftFoot).z});
    return fit;
}
