#pragma once

#include "Body.h"
#include "Limits.h"

#include <array>
#include <string>
#include <vector>

// Joint angles (degrees about x, y, z) of the 16 main segments.
using MainPosture = std::array<Vec3, kMainSegmentCount>;
// Joint angles of the 15 finger segments of one hand, thumb A first.
using HandPosture = std::array<Vec3, kFingers * kPhalanges>;

struct NamedPosture {
    std::string name;
    MainPosture angles{};
};

struct NamedHandPosture {
    std::string name;
    HandPosture leftHand{};
};

// The 37 standard postures and the seated wheelchair posture (number 38), in dialog order.
std::vector<NamedPosture> StandardPostures();
// The nine hand postures, as angles of the left hand; the right hand is their mirror image.
std::vector<NamedHandPosture> HandPostures();
// The right-hand twin of left-hand finger angles: x keeps its sense, y and z change sign.
Vec3 MirrorAngles(const Vec3& angles);

// "perpost.dat": 17 lines per posture, the angles as integers in the order x, z, y.
std::string StandardPostureText(const std::vector<NamedPosture>& postures);
// The posture names, one "number<TAB>name" line each, for the posture dialog's tooltips.
std::string StandardPostureNamesText(const std::vector<NamedPosture>& postures);
// "lhand.dat" / "rhand.dat": 17 lines per posture, the 15 finger angles as x, y, z.
std::string HandPostureText(const std::vector<NamedHandPosture>& postures, bool rightHand);

// Names of every posture angle outside the joint limits (empty when all are inside).
std::vector<std::string> PosturesOutsideLimits(const std::vector<NamedPosture>& standard,
                                               const std::vector<NamedHandPosture>& hands,
                                               const JointLimits& limits);
