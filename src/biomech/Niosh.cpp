#include "biomech/Niosh.h"

#include "biomech/Units.h"

#include <cmath>

namespace {

// Frequency multipliers of the published table, rows F <= 0.2, 0.5, 1, 2, ..., 15 lifts/min;
// columns: <= 1 h with V < 30 in and V >= 30 in, <= 2 h likewise, <= 8 h likewise.
constexpr int kFrequencyRows = 17;
constexpr float kFrequencyTable[kFrequencyRows][6] = {
    {1.00f, 1.00f, 0.95f, 0.95f, 0.85f, 0.85f}, // <= 0.2
    {0.97f, 0.97f, 0.92f, 0.92f, 0.81f, 0.81f}, // 0.5
    {0.94f, 0.94f, 0.88f, 0.88f, 0.75f, 0.75f}, // 1
    {0.91f, 0.91f, 0.84f, 0.84f, 0.65f, 0.65f}, // 2
    {0.88f, 0.88f, 0.79f, 0.79f, 0.55f, 0.55f}, // 3
    {0.84f, 0.84f, 0.72f, 0.72f, 0.45f, 0.45f}, // 4
    {0.80f, 0.80f, 0.60f, 0.60f, 0.35f, 0.35f}, // 5
    {0.75f, 0.75f, 0.50f, 0.50f, 0.27f, 0.27f}, // 6
    {0.70f, 0.70f, 0.42f, 0.42f, 0.22f, 0.22f}, // 7
    {0.60f, 0.60f, 0.35f, 0.35f, 0.18f, 0.18f}, // 8
    {0.52f, 0.52f, 0.30f, 0.30f, 0.00f, 0.15f}, // 9
    {0.45f, 0.45f, 0.26f, 0.26f, 0.00f, 0.13f}, // 10
    {0.41f, 0.41f, 0.00f, 0.23f, 0.00f, 0.00f}, // 11
    {0.37f, 0.37f, 0.00f, 0.21f, 0.00f, 0.00f}, // 12
    {0.00f, 0.34f, 0.00f, 0.00f, 0.00f, 0.00f}, // 13
    {0.00f, 0.31f, 0.00f, 0.00f, 0.00f, 0.00f}, // 14
    {0.00f, 0.28f, 0.00f, 0.00f, 0.00f, 0.00f}, // 15
};

constexpr float kVerticalBand = 30.0f;      // in; the table and coupling split here
constexpr float kMaximumHorizontal = 25.0f; // in
constexpr float kMaximumVertical = 70.0f;   // in
constexpr float kMaximumTravel = 70.0f;     // in
constexpr float kMaximumAsymmetry = 135.0f; // degrees
constexpr float kMaximumFrequency = 15.0f;  // lifts/min

bool Finite(float value) {
    return std::isfinite(value);
}

// Row of the band holding F: each band takes the row of its upper bound.
int FrequencyRow(float frequency) {
    if (frequency <= 0.2f)
        return 0;
    if (frequency <= 0.5f)
        return 1;
    if (frequency <= 1.0f)
        return 2;
    return static_cast<int>(std::ceil(frequency)) + 1;
}

NioshEnd ComputeEnd(float h, float v, float asymmetry, float travel, const NioshInputs& in) {
    NioshEnd end;
    end.h = h;
    end.v = v;
    end.hm = NioshHorizontalMultiplier(h);
    end.vm = NioshVerticalMultiplier(v);
    end.dm = NioshDistanceMultiplier(travel);
    end.am = NioshAsymmetryMultiplier(asymmetry);
    end.fm = NioshFrequencyMultiplier(in.frequency, in.duration, v);
    end.cm = NioshCouplingMultiplier(in.coupling, v);
    end.rwl = kNioshLoadConstant * end.hm * end.vm * end.dm * end.am * end.fm * end.cm;
    if (!Finite(in.weight) || in.weight == 0.0f)
        end.li = 0.0f;
    else if (end.rwl > 0.0f)
        end.li = in.weight / end.rwl;
    else
        end.liDefined = false;
    return end;
}

} // namespace

float NioshFrequencyMultiplier(float frequency, float duration, float vertical) {
    if (!Finite(frequency) || !Finite(duration) || !Finite(vertical) ||
        frequency > kMaximumFrequency || duration > kNioshMaximumDuration)
        return 0.0f;
    const int durationColumn = duration <= 1.0f ? 0 : (duration <= 2.0f ? 2 : 4);
    const int column = durationColumn + (vertical < kVerticalBand ? 0 : 1);
    return kFrequencyTable[FrequencyRow(frequency)][column];
}

float NioshCouplingMultiplier(int coupling, float vertical) {
    switch (coupling) {
    case kCouplingGood:
        return 1.0f;
    case kCouplingFair:
        return vertical < kVerticalBand ? 0.95f : 1.0f;
    case kCouplingPoor:
        return 0.90f;
    default:
        return 0.0f;
    }
}

float NioshHorizontalMultiplier(float horizontal) {
    if (!Finite(horizontal) || horizontal > kMaximumHorizontal)
        return 0.0f;
    return 10.0f / (horizontal < kNioshMinimumHorizontal ? kNioshMinimumHorizontal : horizontal);
}

float NioshVerticalMultiplier(float vertical) {
    if (!Finite(vertical) || vertical > kMaximumVertical)
        return 0.0f;
    const float vm = 1.0f - 0.0075f * std::fabs(vertical - kVerticalBand);
    return vm > 0.0f ? vm : 0.0f; // far below the feet
}

float NioshDistanceMultiplier(float travel) {
    const float d = std::fabs(travel);
    if (!Finite(d) || d > kMaximumTravel)
        return 0.0f;
    if (d == 0.0f)
        return 1.0f;
    const float dm = 0.82f + 1.8f / d;
    return dm > 1.0f ? 1.0f : dm;
}

float NioshAsymmetryMultiplier(float angle) {
    const float a = std::fabs(angle);
    if (!Finite(a) || a > kMaximumAsymmetry)
        return 0.0f;
    return 1.0f - 0.0032f * a;
}

NioshResult ComputeNiosh(NioshInputs& in) {
    for (float* field :
         {&in.weight, &in.hOrigin, &in.hDestination, &in.vOrigin, &in.vDestination,
          &in.asymmetryOrigin, &in.asymmetryDestination, &in.frequency, &in.duration})
        if (!Finite(*field))
            *field = 0.0f;
    if (in.hOrigin < kNioshMinimumHorizontal)
        in.hOrigin = kNioshMinimumHorizontal;
    if (in.hDestination < kNioshMinimumHorizontal)
        in.hDestination = kNioshMinimumHorizontal;
    const float travel = in.vOrigin - in.vDestination;
    NioshResult result;
    result.origin = ComputeEnd(in.hOrigin, in.vOrigin, in.asymmetryOrigin, travel, in);
    result.destination =
        ComputeEnd(in.hDestination, in.vDestination, in.asymmetryDestination, travel, in);
    return result;
}

std::string FormatLiftingIndex(const NioshEnd& end) {
    return end.liDefined ? FormatTrimmed(end.li, 4) : "--";
}

namespace {

const char* CouplingName(int coupling) {
    switch (coupling) {
    case kCouplingFair:
        return "Fair";
    case kCouplingPoor:
        return "Poor";
    default:
        return "Good";
    }
}

std::string Number(float value) {
    return FormatTrimmed(value, 4);
}

} // namespace

std::string NioshReportText(const NioshInputs& in, const NioshResult& result) {
    std::string text = "NIOSH Refised Lifting Equation Report :\n";
    text += "Measure\tUnit\twhen\tValue\n";
    text += "Weight\tLb\t\t" + Number(in.weight) + "\n";
    text += "Frequency lift\tLifts/mn\t\t" + Number(in.frequency) + "\n";
    text += "duration\tHours\t\t" + Number(in.duration) + "\n";
    text += std::string("Hand to object coupling\t\t\t") + CouplingName(in.coupling) + "\n";
    text += "Horizontal Distance\tInch\tOrigin\t" + Number(in.hOrigin) + "\n";
    text += "Horizontal Distance\tInch\tDestination\t" + Number(in.hDestination) + "\n";
    text += "Vertical Distance\tInch\tOrigin\t" + Number(in.vOrigin) + "\n";
    text += "Vertical Distance\tInch\tDestination\t" + Number(in.vDestination) + "\n";
    text += "Angle of asymmetry\tDegrees\tOrigin\t" + Number(in.asymmetryOrigin) + "\n";
    text += "Angle of asymmetry\tDegrees\tDestination\t" + Number(in.asymmetryDestination) + "\n";
    text += "Recommended weigth limits\tLb\tOrigin\t" + Number(result.origin.rwl) + "\n";
    text += "Recommended weigth limits\tLb\tDestination\t" + Number(result.destination.rwl) + "\n";
    text += "Lifting index\t\tOrigin\t" + FormatLiftingIndex(result.origin) + "\n";
    text += "Lifting index\t\tDestination\t" + FormatLiftingIndex(result.destination) + "\n";
    return text;
}
