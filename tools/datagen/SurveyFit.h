#pragma once

#include "Body.h"
#include "Sources.h"

#include <array>

// How the ANSUR 1988 medians of one sex differ from the program's reference figure. The meshes
// keep the reference sizes (what the program reports as segment dimensions); the scale tables
// multiply their width, length and depth scales by `correction`, so that the 50 % US rows measure
// like the survey's medians and every other row and population keeps those proportions.
struct SurveyFit {
    std::array<Vec3, kMainSegmentCount> correction{}; // 1 where the survey says nothing
    // Scale of the 50 % US row before correction: widths and depths (the semi-automatic breadth
    // factor of the median's stature and weight) and lengths (stature / reference stature).
    double medianBreadth = 1.0, medianLength = 1.0;
    // Survey medians carried to scale 1 (cm): lengths divided by medianLength, breadths by
    // medianBreadth.
    double biacromialBreadth = 0.0;
    double sittingHeight = 0.0, buttockKnee = 0.0;
};

// How far the Human upper arm reaches below the elbow joint (3.5 cm and a 1 cm rounded end):
// the point a seated elbow rests on.
constexpr double kElbowBelowJoint = 4.5;

SurveyFit FitToSurvey(const CSources& sources, Sex sex);
