#include "Body.h"

#include "anthro/PopulationTables.h"

#include <cmath>
#include <initializer_list>

bool IsRightSide(int segment) {
    switch (segment) {
    case kRightArm:
    case kRightLeg:
    case kRightForearm:
    case kRightLowerLeg:
    case kRightPalm:
    case kRightFoot:
        return true;
    default:
        return segment >= kFirstRightFinger;
    }
}

Vec3 ReferenceDimensions(Sex sex, int segment) {
    return ::ReferenceDimensions(sex == Sex::Male ? kMale : kFemale, segment);
}

double ReferenceChainStature(Sex sex) {
    double sum = 0.0;
    for (int s : {kHead, kNeck, kChest, kAbdomen, kLeftLeg, kLeftLowerLeg, kLeftFoot}) {
        sum += ReferenceDimensions(sex, s).y;
    }
    return sum;
}

double SemiAutomaticStature(Sex sex) {
    return sex == Sex::Male ? 174.8 : 175.84;
}
double SemiAutomaticWeight(Sex sex) {
    return sex == Sex::Male ? 78.0 : 71.2;
}

double BreadthFactor(Sex sex, double statureCm, double weightKg) {
    return std::sqrt(weightKg / statureCm * SemiAutomaticStature(sex) / SemiAutomaticWeight(sex));
}
