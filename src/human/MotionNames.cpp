#include "human/BodyPart.h"

#include "human/SegmentTable.h"

namespace {

constexpr const char* kNoMotion = "--";

// Words for a negative and a positive angle about one axis.
struct AxisWords {
    const char* negative;
    const char* positive;
};
using JointWords = AxisWords[3];

constexpr JointWords kTrunkWords = {{"Extension", "Flexion"},
                                    {"Twisting right", "Twisting left"},
                                    {"Bending left", "Bending right"}};
constexpr JointWords kRightLimbWords = {{"Flexion", "Extension"},
                                        {"External rotation", "Internal rotation"},
                                        {"Abduction", "Adduction"}};
constexpr JointWords kLeftLimbWords = {{"Flexion", "Extension"},
                                       {"Internal rotation", "External rotation"},
                                       {"Adduction", "Abduction"}};
constexpr JointWords kLeftKneeWords = {{"Extension", "Flexion"},
                                       {"Internal rotation", "External rotation"},
                                       {"Adduction", "Abduction"}};
constexpr JointWords kRightKneeWords = {{"Extension", "Flexion"},
                                        {"External rotation", "Internal rotation"},
                                        {"Adduction", "Abduction"}};

// Words of a main segment's joint; null for the pelvis, which has no named motions.
const JointWords* WordsOf(int segment) {
    switch (segment) {
    case kChest:
    case kNeck:
    case kHead:
        return &kTrunkWords;
    case kRightArm:
    case kRightLeg:
    case kRightForearm:
    case kRightPalm:
    case kRightFoot:
        return &kRightLimbWords;
    case kLeftArm:
    case kLeftLeg:
    case kLeftForearm:
    case kLeftFoot:
    case kLeftPalm:
        return &kLeftLimbWords;
    case kLeftLowerLeg:
        return &kLeftKneeWords;
    case kRightLowerLeg:
        return &kRightKneeWords;
    default:
        return nullptr;
    }
}

} // namespace

void CBodyPart::UpdateMotionNames() {
    for (std::string& motion : motionNames)
        motion = kNoMotion;
    const JointWords* words = WordsOf(segmentIndex);
    if (!words)
        return;
    for (int axis = 0; axis < 3; ++axis) {
        if (angles[axis] < 0.0)
            motionNames[axis] = (*words)[axis].negative;
        else if (angles[axis] > 0.0)
            motionNames[axis] = (*words)[axis].positive;
    }
}
