#pragma once

#include "Limits.h"
#include "Postures.h"
#include "Sources.h"

#include <array>
#include <string>

constexpr int kGaitFrames = 7;

// The gait cycle as the walking figure shows it: the absolute joint angles after each of the
// seven frames (the last one is the neutral posture the cycle returns to), and the source phase
// (fraction of the cycle after right heel strike) that each frame stands for.
struct GaitCycle {
    std::array<MainPosture, kGaitFrames> poses{};
    std::array<double, kGaitFrames> phase{};
};

GaitCycle BuildGaitCycle(const CSources& sources);
// "walk.dat": per frame its number, then 18 lines of angle increments (x, y, z); the increments
// add up to each frame's pose when walking starts from the neutral posture.
std::string GaitText(const GaitCycle& cycle);
