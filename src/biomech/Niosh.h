#pragma once

#include <string>

// The revised NIOSH lifting equation in U.S. customary units (in, lb, lifts/min, hours):
// RWL = 51 x HM x VM x DM x AM x FM x CM at the origin and at the destination of a lift, with
// the published limits (HM = 0 beyond 25 in, VM = 0 above 70 in, DM = 0 beyond 70 in of travel,
// AM = 0 beyond 135 degrees, FM = 0 beyond the table) and the lifting index LI = weight / RWL.
// All arithmetic is single precision, as the dialog's fields are.

enum NioshCoupling : int { kCouplingGood = 0, kCouplingFair = 1, kCouplingPoor = 2 };

inline constexpr float kNioshLoadConstant = 51.0f;      // lb
inline constexpr float kNioshMinimumHorizontal = 10.0f; // in; smaller H counts as 10
inline constexpr float kNioshMaximumDuration = 8.0f;    // hours; the dialog accepts 0..8

// The dialog's values (its fields).
struct NioshInputs {
    float weight = 0.0f;               // load, lb
    float hOrigin = 0.0f;              // horizontal distance hands-feet at origin, in
    float hDestination = 0.0f;         // in
    float vOrigin = 0.0f;              // vertical distance hands-feet at origin, in
    float vDestination = 0.0f;         // in
    float asymmetryOrigin = 0.0f;      // degrees
    float asymmetryDestination = 0.0f; // degrees
    float frequency = 0.0f;            // lifts per minute
    float duration = 0.0f;             // hours
    int coupling = kCouplingGood;      // NioshCoupling
};

// The multipliers and result at one end of the lift.
struct NioshEnd {
    float h = 0.0f; // in, after raising to 10
    float v = 0.0f; // in
    float hm = 0.0f, vm = 0.0f, dm = 0.0f, am = 0.0f, fm = 0.0f, cm = 0.0f;
    float rwl = 0.0f; // lb
    // Lifting index weight / RWL (0 for no weight). Undefined (false, li 0) when the RWL is 0
    // and the weight is not: no weight is safe; shown as "--", never as infinity.
    float li = 0.0f;
    bool liDefined = true;
};

struct NioshResult {
    NioshEnd origin;
    NioshEnd destination;
};

// Frequency multiplier of the published table for F lifts/min, D hours and V in: bands of F
// (<= 0.2, <= 0.5, <= 1, then whole lifts/min up to 15) take the row of their upper bound;
// D <= 1, <= 2, <= 8 choose the column; V < 30 or >= 30 in where the table distinguishes.
// 0 beyond 15 lifts/min, beyond 8 hours, and for a non-finite input.
float NioshFrequencyMultiplier(float frequency, float duration, float vertical);
// Coupling multiplier: Good 1.0, Fair 0.95 below 30 in else 1.0, Poor 0.90.
float NioshCouplingMultiplier(int coupling, float vertical);
float NioshHorizontalMultiplier(float horizontal); // 10 / max(H, 10); 0 when H > 25
float NioshVerticalMultiplier(float vertical);     // 1 - 0.0075 |V - 30|; 0 when V > 70 (or < 0)
float NioshDistanceMultiplier(float travel);       // 0.82 + 1.8 / |D|, at most 1; 0 when > 70
float NioshAsymmetryMultiplier(float angle);       // 1 - 0.0032 |A|; 0 when |A| > 135

// Computes both ends. A non-finite field counts as an empty one (0) and H below 10 in is
// raised to 10, both written back into `inputs` (the dialog shows what was computed).
NioshResult ComputeNiosh(NioshInputs& inputs);

// "Copy to clipboard": the report text (numbers trimmed to four decimals), then the lifting
// index at origin and destination.
std::string NioshReportText(const NioshInputs& inputs, const NioshResult& result);
// The lifting index as the dialog and report show it: four trimmed decimals, "--" when the
// RWL is 0 and the weight is not.
std::string FormatLiftingIndex(const NioshEnd& end);
