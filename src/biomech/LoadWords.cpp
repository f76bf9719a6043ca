#include "biomech/LoadWords.h"

#include "human/BodyPart.h"

#include "biomech/JointLoads.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"

namespace {

// Words for the positive and negative sign of F.x, F.y, F.z, M.x, M.y, M.z.
struct LoadWordRow {
    const char* word[6][2];
};

constexpr LoadWordRow kTrunk = {{{"Shear left", "Shear right"},
                                 {"Extension", "Compression"},
                                 {"Shear forth", "Shear back"},
                                 {"Flexion", "Extension"},
                                 {"Twist left", "Twist right"},
                                 {"Bend right", "Bend left"}}};
constexpr LoadWordRow kLeftArmWords = {{{"Extension", "Compression"},
                                        {"Shear up", "Shear down"},
                                        {"Shear forth", "Shear back"},
                                        {"Extension", "Flexion"},
                                        {"External rotation", "Internal rotation"},
                                        {"Abduction", "Adduction"}}};
constexpr LoadWordRow kRightArmWords = {{{"Compression", "Extension"},
                                         {"Shear up", "Shear down"},
                                         {"Shear forth", "Shear back"},
                                         {"Extension", "Flexion"},
                                         {"Internal rotation", "External rotation"},
                                         {"Adduction", "Abduction"}}};
constexpr LoadWordRow kLeftLimb = {{{"Shear left", "Shear right"},
                                    {"Compression", "Extension"},
                                    {"Shear forth", "Shear back"},
                                    {"Extension", "Flexion"},
                                    {"External rotation", "Internal rotation"},
                                    {"Abduction", "Adduction"}}};
constexpr LoadWordRow kRightLegWords = {{{"Shear left", "Shear right"},
                                         {"Compression", "Extension"},
                                         {"Shear forth", "Shear back"},
                                         {"Extension", "Flexion"},
                                         {"Internal rotation", "External rotation"},
                                         {"Abduction", "Adduction"}}};
constexpr LoadWordRow kRightHand = {{{"Shear left", "Shear right"},
                                     {"Compress", "Extend"},
                                     {"Shear forth", "Shear back"},
                                     {"Extension", "Flexion"},
                                     {"Internal rotation", "External rotation"},
                                     {"Adduction", "Abduction"}}};
constexpr LoadWordRow kLeftLowerLegWords = {{{"Shear left", "Shear right"},
                                             {"Compression", "Extension"},
                                             {"Shear forth", "Shear back"},
                                             {"Flexion", "Extension"},
                                             {"External rotation", "Internal rotation"},
                                             {"Abduction", "Adduction"}}};
constexpr LoadWordRow kRightLowerLegWords = {{{"Shear left", "Shear right"},
                                              {"Compression", "Extension"},
                                              {"Shear forth", "Shear back"},
                                              {"Flexion", "Extension"},
                                              {"Internal rotation", "External rotation"},
                                              {"Adduction", "Abduction"}}};

// Null for ABDOMEN and the fingers.
const LoadWordRow* WordsOf(int segment) {
    switch (segment) {
    case kChest:
    case kNeck:
    case kHead:
        return &kTrunk;
    case kLeftArm:
        return &kLeftArmWords;
    case kRightArm:
        return &kRightArmWords;
    case kLeftLeg:
    case kLeftFoot:
    case kLeftForearm:
    case kLeftPalm:
        return &kLeftLimb;
    case kRightLeg:
    case kRightFoot:
        return &kRightLegWords;
    case kRightForearm:
    case kRightPalm:
        return &kRightHand;
    case kLeftLowerLeg:
        return &kLeftLowerLegWords;
    case kRightLowerLeg:
        return &kRightLowerLegWords;
    default:
        return nullptr;
    }
}

// Components below this (lbf or lbf*in, far under the panel's 0.1) are rounding left over from
// the joint rotations: a load along an axis turned by 90 degrees has nothing across it.
constexpr double kZeroLoad = 1e-4;

const char* WordFor(const char* const pair[2], double value) {
    if (value > kZeroLoad)
        return pair[0];
    if (value < -kZeroLoad)
        return pair[1];
    return "--";
}

} // namespace

void LoadWordsFor(int segment, const Vec3& force, const Vec3& moment, std::string forceWords[3],
                  std::string momentWords[3]) {
    const LoadWordRow* row = WordsOf(segment);
    for (int i = 0; i < 3; ++i) {
        forceWords[i] = row ? WordFor(row->word[i], force[i]) : "--";
        momentWords[i] = row ? WordFor(row->word[3 + i], moment[i]) : "--";
    }
}

void CBodyPart::UpdateLoadLabels() {
    LoadWordsFor(segmentIndex, GetJointForce(true, false), GetJointMoment(true, false, true),
                 forceNames, momentNames);
}

void CMannequin::UpdateLoadLabels() {
    FigureJointLoads loads;
    ComputeFigureJointLoads(*this, false, loads);
    for (int s = 0; s < kSegmentCount; ++s) {
        CBodyPart& part = *GetSegment(s);
        if (s < kMainSegmentCount)
            LoadWordsFor(s, IntoFrame(loads.frame[s], loads.force[s]),
                         IntoFrame(loads.frame[s], loads.moment[s]), part.forceNames,
                         part.momentNames);
        else
            LoadWordsFor(s, {}, {}, part.forceNames, part.momentNames);
    }
}
