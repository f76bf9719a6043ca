#include "human/NaturalColours.h"

#include "core/SceneObject.h"
#include "human/Representation.h"
#include "human/SegmentTable.h"

namespace {

enum Garment { kSkin, kTop, kTrousers, kShoes };

struct Outfit {
    int top;
    int trousers;
    int shoes;
};

constexpr int kSkinTone = PackRGB(224, 172, 138);
constexpr int kBoneTone = PackRGB(226, 218, 196);
constexpr Outfit kMenswear{PackRGB(86, 120, 160), PackRGB(68, 74, 88), PackRGB(70, 46, 34)};
constexpr Outfit kWomenswear{PackRGB(160, 86, 108), PackRGB(50, 60, 92), PackRGB(56, 38, 36)};

Garment GarmentOf(int segment) {
    switch (segment) {
    case kChest:
    case kLeftArm:
    case kRightArm:
        return kTop;
    case kAbdomen:
    case kLeftLeg:
    case kRightLeg:
    case kLeftLowerLeg:
    case kRightLowerLeg:
        return kTrousers;
    case kLeftFoot:
    case kRightFoot:
        return kShoes;
    default: // head, neck, forearms, palms and fingers
        return kSkin;
    }
}

} // namespace

int NaturalSegmentColour(int segment, bool male, int representation) {
    if (representation == kRepresentationSkeleton)
        return kBoneTone;
    const Outfit& outfit = male ? kMenswear : kWomenswear;
    switch (GarmentOf(segment)) {
    case kTop:
        return outfit.top;
    case kTrousers:
        return outfit.trousers;
    case kShoes:
        return outfit.shoes;
    default:
        return kSkinTone;
    }
}
