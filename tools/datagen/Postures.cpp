#include "Postures.h"

#include "Format.h"

#include <cmath>

namespace {

// Sets a left limb joint and its right twin to the mirror image.
void Both(MainPosture& p, int leftSegment, const Vec3& angles) {
    p[leftSegment] = angles;
    p[Counterpart(leftSegment)] = MirrorAngles(angles);
}

// Relaxed standing: arms a little away from the body, forearms turned so that the palms face
// the thighs.
MainPosture Standing() {
    MainPosture p{};
    Both(p, kLeftArm, {0, 0, 4});
    Both(p, kLeftForearm, {0, -90, 0});
    return p;
}

MainPosture Sitting() {
    MainPosture p = Standing();
    Both(p, kLeftLeg, {-90, 0, 0});
    Both(p, kLeftLowerLeg, {90, 0, 0});
    return p;
}

NamedPosture Make(const char* name, const MainPosture& angles) {
    return {name, angles};
}

std::string Integer(double v) {
    return std::to_string(static_cast<int>(std::lround(v)));
}

} // namespace

Vec3 MirrorAngles(const Vec3& a) {
    return {a.x, -a.y, -a.z};
}

std::vector<NamedPosture> StandardPostures() {
    std::vector<NamedPosture> list;
    MainPosture p = Standing();
    list.push_back(Make("Standing, arms at the sides", p));

    p = Standing();
    Both(p, kLeftArm, {-90, 0, 0});
    list.push_back(Make("Standing, arms forward", p));

    p = Standing();
    Both(p, kLeftArm, {-170, 0, 0});
    list.push_back(Make("Standing, arms raised overhead", p));

    p = Standing();
    Both(p, kLeftArm, {0, 0, 90});
    list.push_back(Make("Standing, arms out to the sides", p));

    p = Standing();
    Both(p, kLeftArm, {-20, 0, 0});
    Both(p, kLeftForearm, {-80, -180, 0});
    list.push_back(Make("Standing at a work surface", p));

    p = Standing();
    p[kRightArm] = {-80, 0, 0};
    p[kRightForearm] = {-10, 90, 0};
    p[kChest] = {10, 0, 0};
    list.push_back(Make("Standing, right hand reaching forward", p));

    p = Standing();
    p[kAbdomen] = {30, 0, 0};
    p[kChest] = {15, 0, 0};
    Both(p, kLeftArm, {-45, 0, 0});
    list.push_back(Make("Standing, bent forward 45 degrees", p));

    p = Standing();
    p[kAbdomen] = {60, 0, 0};
    p[kChest] = {30, 0, 0};
    p[kNeck] = {-20, 0, 0};
    p[kHead] = {-20, 0, 0};
    Both(p, kLeftArm, {-45, 0, 8}); // hands back by the shins, to balance the trunk
    list.push_back(Make("Stoop lift, trunk bent 90 degrees", p));

    p = Standing();
    p[kAbdomen] = {40, 0, 0};
    p[kNeck] = {-15, 0, 0};
    Both(p, kLeftLeg, {-75, 0, 0});
    Both(p, kLeftLowerLeg, {95, 0, 0});
    Both(p, kLeftFoot, {-20, 0, 0});
    Both(p, kLeftArm, {-80, 0, 5});
    list.push_back(Make("Squat lift", p));

    p = Standing();
    Both(p, kLeftArm, {-30, 0, 0});
    Both(p, kLeftForearm, {-70, -90, 0});
    list.push_back(Make("Holding a box at waist height", p));

    p = Standing();
    p[kChest] = {0, 0, -8};
    p[kLeftArm] = {0, 0, 15};
    list.push_back(Make("Carrying a load in the right hand", p));

    p = Standing();
    p[kAbdomen] = {15, 0, 0};
    Both(p, kLeftArm, {-70, 0, 0});
    Both(p, kLeftForearm, {-20, -180, 0});
    Both(p, kLeftPalm, {60, 0, 0});
    p[kLeftLeg] = {-12, 0, 0};
    p[kLeftLowerLeg] = {12, 0, 0};
    p[kRightLeg] = {10, 0, 0};
    p[kRightFoot] = {-10, 0, 0};
    list.push_back(Make("Pushing", p));

    p = Standing();
    p[kAbdomen] = {-10, 0, 0};
    Both(p, kLeftArm, {-60, 0, 0});
    Both(p, kLeftForearm, {-30, -90, 0});
    p[kRightLeg] = {-12, 0, 0};
    p[kRightLowerLeg] = {12, 0, 0};
    p[kLeftLeg] = {10, 0, 0};
    p[kLeftFoot] = {-10, 0, 0};
    list.push_back(Make("Pulling", p));

    p = Standing();
    Both(p, kLeftArm, {-150, 0, 0});
    Both(p, kLeftForearm, {-30, -90, 0});
    p[kNeck] = {-25, 0, 0};
    p[kHead] = {-20, 0, 0};
    list.push_back(Make("Overhead work, looking up", p));

    p = Standing();
    p[kChest] = {0, 0, 30};
    p[kRightArm] = {0, 0, -40};
    p[kAbdomen] = {0, 0, 10};
    list.push_back(Make("Reaching down to the right side", p));

    p = Standing();
    // Found by trying whole degrees: knee, toes and the other sole within 0.5 cm of the floor
    // on the 50th percentile man and woman alike.
    p[kLeftLeg] = {-89, 0, 0};
    p[kLeftLowerLeg] = {81, 0, 0};
    p[kLeftFoot] = {8, 0, 0};
    p[kRightLeg] = {2, 0, 0};
    p[kRightLowerLeg] = {94, 0, 0};
    p[kRightFoot] = {38, 0, 0};
    list.push_back(Make("Kneeling on the right knee", p));

    p = Standing();
    Both(p, kLeftLowerLeg, {92, 0, 0});
    Both(p, kLeftFoot, {50, 0, 0});
    list.push_back(Make("Kneeling on both knees", p));

    p = Standing();
    p[kAbdomen] = {38, 0, 0}; // knees wide apart, the trunk between the thighs
    Both(p, kLeftLeg, {-95, 0, 35});
    Both(p, kLeftLowerLeg, {115, 0, 0});
    Both(p, kLeftFoot, {-20, 0, 0});
    Both(p, kLeftArm, {-80, 0, 0});
    Both(p, kLeftForearm, {-10, -90, 0});
    list.push_back(Make("Deep squat", p));

    p = Sitting();
    Both(p, kLeftArm, {-20, 0, 0});
    Both(p, kLeftForearm, {-60, -180, 0});
    list.push_back(Make("Sitting upright, hands on the thighs", p));

    p = Sitting();
    Both(p, kLeftArm, {-15, 0, 0});
    Both(p, kLeftForearm, {-80, -180, 0});
    Both(p, kLeftPalm, {10, 0, 0});
    list.push_back(Make("Sitting at a keyboard", p));

    p = Sitting();
    p[kAbdomen] = {20, 0, 0};
    Both(p, kLeftArm, {-80, 0, 0});
    list.push_back(Make("Sitting, reaching forward", p));

    p = Sitting();
    Both(p, kLeftLeg, {-80, 0, 0});
    Both(p, kLeftLowerLeg, {70, 0, 0});
    p[kAbdomen] = {-15, 0, 0};
    Both(p, kLeftArm, {-10, 0, 0});
    Both(p, kLeftForearm, {-50, -180, 0});
    list.push_back(Make("Sitting, leaning back", p));

    p = Sitting();
    Both(p, kLeftLeg, {-75, 0, 0});
    Both(p, kLeftLowerLeg, {50, 0, 0});
    Both(p, kLeftFoot, {10, 0, 0});
    p[kAbdomen] = {-10, 0, 0};
    Both(p, kLeftArm, {-45, 0, 0});
    Both(p, kLeftForearm, {-40, -90, 0});
    list.push_back(Make("Driving", p));

    p = Sitting();
    p[kAbdomen] = {15, 0, 0};
    p[kNeck] = {25, 0, 0};
    p[kHead] = {10, 0, 0};
    Both(p, kLeftArm, {-30, 0, 0});
    Both(p, kLeftForearm, {-90, -180, 0});
    list.push_back(Make("Sitting, writing at a desk", p));

    p = Standing();
    p[kRightLeg] = {-25, 0, 0};
    p[kRightLowerLeg] = {5, 0, 0};
    p[kLeftLeg] = {12, 0, 0};
    p[kLeftLowerLeg] = {15, 0, 0};
    p[kLeftFoot] = {15, 0, 0};
    p[kLeftArm] = {-15, 0, 0};
    p[kRightArm] = {15, 0, 0};
    list.push_back(Make("Walking, right leg forward", p));

    p = Standing();
    p[kLeftLeg] = {-25, 0, 0};
    p[kLeftLowerLeg] = {5, 0, 0};
    p[kRightLeg] = {12, 0, 0};
    p[kRightLowerLeg] = {15, 0, 0};
    p[kRightFoot] = {15, 0, 0};
    p[kRightArm] = {-15, 0, 0};
    p[kLeftArm] = {15, 0, 0};
    list.push_back(Make("Walking, left leg forward", p));

    p = Standing();
    p[kAbdomen] = {10, 0, 0};
    p[kRightLeg] = {-50, 0, 0};
    p[kRightLowerLeg] = {80, 0, 0};
    p[kLeftLeg] = {15, 0, 0};
    p[kLeftLowerLeg] = {30, 0, 0};
    p[kLeftFoot] = {30, 0, 0};
    p[kLeftArm] = {-40, 0, 0};
    p[kRightArm] = {30, 0, 0};
    Both(p, kLeftForearm, {-90, -90, 0});
    list.push_back(Make("Running", p));

    p = Standing();
    p[kRightLeg] = {-60, 0, 0};
    p[kRightLowerLeg] = {70, 0, 0};
    p[kAbdomen] = {10, 0, 0};
    list.push_back(Make("Climbing a step, right foot up", p));

    p = Standing();
    p[kNeck] = {30, 0, 0};
    p[kHead] = {15, 0, 0};
    list.push_back(Make("Standing, looking down", p));

    p = Standing();
    p[kNeck] = {0, 30, 0};
    p[kHead] = {0, 30, 0};
    list.push_back(Make("Standing, head turned left", p));

    p = Standing();
    p[kChest] = {0, -40, 0};
    list.push_back(Make("Standing, trunk twisted right", p));

    p = Standing();
    p[kChest] = {0, 0, -30};
    p[kLeftArm] = {0, 0, 34}; // hanging straight down beside the bent trunk
    list.push_back(Make("Standing, bending to the left", p));

    p = Standing();
    Both(p, kLeftArm, {0, 0, 40});
    Both(p, kLeftForearm, {-100, -90, 0});
    list.push_back(Make("Standing, hands on the hips", p));

    p = Standing();
    p[kRightArm] = {-30, 0, -20};
    p[kRightForearm] = {-150, 90, 0};
    list.push_back(Make("Standing, telephone at the right ear", p));

    p = Standing();
    p[kRightArm] = {-90, 0, 0};
    list.push_back(Make("Standing, pointing forward with the right arm", p));

    p = Standing();
    p[kRightArm] = {0, 0, -150};
    p[kRightForearm] = {-30, 90, 0};
    list.push_back(Make("Standing, waving with the right arm", p));

    p = Standing();
    // On the balls of the feet, leaning forward over them.
    Both(p, kLeftLeg, {7, 0, 0});
    p[kAbdomen] = {9, 0, 0};
    Both(p, kLeftFoot, {23, 0, 0});
    Both(p, kLeftArm, {-175, 0, 0});
    list.push_back(Make("Standing on tiptoe, reaching up", p));

    p = Sitting();
    Both(p, kLeftLowerLeg, {75, 0, 0});
    Both(p, kLeftFoot, {15, 0, 0}); // soles flat on the footrests
    p[kAbdomen] = {-5, 0, 0};
    Both(p, kLeftArm, {-25, 0, 6}); // elbows forward and out, over the armrests
    Both(p, kLeftForearm, {-50, -90, 0});
    list.push_back(Make("Seated in a wheelchair", p));
    return list;
}

std::vector<NamedHandPosture> HandPostures() {
    // Per posture: thumb (A, B, C) then the four fingers' (MCP, PIP, DIP) flexions.
    auto curl = [](double mcp, double pip, double dip, double spread = 0.0) {
        return std::array<Vec3, 3>{Vec3{mcp, 0, spread}, Vec3{pip, 0, 0}, Vec3{dip, 0, 0}};
    };
    struct Entry {
        const char* name;
        std::array<Vec3, 3> thumb;
        std::array<std::array<Vec3, 3>, 4> fingers;
    };
    const Entry entries[] = {
        {"flat",
         {Vec3{0, 0, 0}, Vec3{0, 0, 0}, Vec3{0, 0, 0}},
         {curl(0, 0, 0), curl(0, 0, 0), curl(0, 0, 0), curl(0, 0, 0)}},
        {"relaxed",
         {Vec3{-20, 0, -10}, Vec3{0, 0, -10}, Vec3{0, 0, -10}},
         {curl(-20, -30, -15), curl(-22, -32, -15), curl(-24, -36, -18), curl(-25, -40, -20)}},
        {"fist",
         {Vec3{-20, 0, -12}, Vec3{0, 0, -30}, Vec3{0, 0, -30}},
         {curl(-90, -100, -60), curl(-90, -100, -60), curl(-90, -100, -60), curl(-90, -100, -60)}},
        {"cylindrical power grip",
         {Vec3{-40, 0, -30}, Vec3{0, 0, -30}, Vec3{0, 0, -20}},
         {curl(-60, -70, -40), curl(-62, -72, -40), curl(-64, -75, -42), curl(-66, -78, -45)}},
        {"tip pinch",
         {Vec3{-24, 0, 16}, Vec3{0, 0, -20}, Vec3{0, 0, -20}},
         {curl(-55, -50, -30), curl(-30, -40, -20), curl(-30, -40, -20), curl(-30, -40, -20)}},
        {"lateral key pinch",
         {Vec3{-4, 0, 8}, Vec3{0, 0, -20}, Vec3{0, 0, -20}},
         {curl(-40, -50, -30), curl(-70, -90, -50), curl(-75, -95, -50), curl(-80, -95, -50)}},
        {"tripod",
         {Vec3{-24, 0, 8}, Vec3{0, 0, -30}, Vec3{0, 0, 0}},
         {curl(-55, -50, -30), curl(-55, -50, -50), curl(-70, -80, -40), curl(-70, -80, -40)}},
        {"pointing",
         {Vec3{-10, 0, -35}, Vec3{0, 0, -50}, Vec3{0, 0, -40}},
         {curl(0, 0, 0), curl(-90, -100, -60), curl(-90, -100, -60), curl(-90, -100, -60)}},
        {"spherical grip",
         {Vec3{-40, 0, -20}, Vec3{0, 0, -20}, Vec3{0, 0, -20}},
         {curl(-30, -40, -25, 15), curl(-30, -40, -25), curl(-30, -40, -25, -10),
          curl(-30, -40, -25, -20)}}};
    std::vector<NamedHandPosture> list;
    for (const Entry& e : entries) {
        NamedHandPosture h;
        h.name = e.name;
        for (int k = 0; k < 3; ++k) {
            h.leftHand[k] = e.thumb[k];
        }
        for (int f = 0; f < 4; ++f) {
            for (int k = 0; k < 3; ++k) {
                h.leftHand[(f + 1) * 3 + k] = e.fingers[f][k];
            }
        }
        list.push_back(h);
    }
    return list;
}

std::string StandardPostureText(const std::vector<NamedPosture>& postures) {
    std::string text;
    for (const NamedPosture& p : postures) {
        for (int s = 0; s < kMainSegmentCount; ++s) {
            const Vec3& a = p.angles[s];
            text += std::to_string(s) + " " + Integer(a.x) + " " + Integer(a.z) + " " +
                    Integer(a.y) + "\n";
        }
        text += "0\n";
    }
    return text;
}

std::string StandardPostureNamesText(const std::vector<NamedPosture>& postures) {
    std::string text;
    for (size_t i = 0; i < postures.size(); ++i) {
        text += std::to_string(i + 1) + "\t" + postures[i].name + "\n";
    }
    return text;
}

std::string HandPostureText(const std::vector<NamedHandPosture>& postures, bool rightHand) {
    std::string text;
    const int first = rightHand ? kFirstRightFinger : kFirstLeftFinger;
    for (size_t k = 0; k < postures.size(); ++k) {
        text += std::to_string(k + 1) + "\n";
        for (int i = 0; i < kFingers * kPhalanges; ++i) {
            const Vec3& left = postures[k].leftHand[i];
            const Vec3 a = rightHand ? MirrorAngles(left) : left;
            text += std::to_string(first + i) + " " + Fixed(a.x, 1) + " " + Fixed(a.y, 1) + " " +
                    Fixed(a.z, 1) + "\n";
        }
        text += "0\n";
    }
    return text;
}

std::vector<std::string> PosturesOutsideLimits(const std::vector<NamedPosture>& standard,
                                               const std::vector<NamedHandPosture>& hands,
                                               const JointLimits& limits) {
    std::vector<std::string> outside;
    for (const NamedPosture& p : standard) {
        for (int s = 0; s < kMainSegmentCount; ++s) {
            if (!limits.Contains(s, p.angles[s])) {
                outside.push_back(p.name + ": " + SegmentName(s));
            }
        }
    }
    for (const NamedHandPosture& h : hands) {
        for (int i = 0; i < kFingers * kPhalanges; ++i) {
            if (!limits.Contains(kFirstLeftFinger + i, h.leftHand[i]) ||
                !limits.Contains(kFirstRightFinger + i, MirrorAngles(h.leftHand[i]))) {
                outside.push_back(h.name + ": " + SegmentName(kFirstLeftFinger + i));
            }
        }
    }
    return outside;
}
