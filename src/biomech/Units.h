#pragma once

#include <string>

// Display units and their conversions. The model itself works in inches, pound-force,
// pound-force-inches, pounds and degrees; dialogs and panels convert when they show or read a
// value, with the fixed factors below (used exactly, e.g. 0.083333 for inches to feet).

enum LengthUnit : int { kInches = 0, kFeet = 1, kMetres = 2, kCentimetres = 3, kMillimetres = 4 };
enum ForceUnit : int { kPoundForce = 0, kNewton = 1 };

// Converts a length between unit codes; a code outside 0..4 leaves the value unchanged.
double ConvertLength(int fromUnit, double value, int toUnit);
// Converts a force between unit codes (lbf <-> N); any other pair leaves the value unchanged.
double ConvertForce(int fromUnit, double value, int toUnit);
// lbf.in -> N.m and back; used only when the force unit is newton.
double MomentToNewtonMetres(double poundForceInches);
double MomentFromNewtonMetres(double newtonMetres);

// Pounds per kilogram, as shown by the semi-automatic dialog, and its reverse.
inline constexpr double kPoundsPerKilogram = 2.204623;
inline constexpr double kKilogramsPerPound = 0.4535923;

// Field labels: "[in]" .. "[mm]", "[LbF]"/"[N]", "[LbF.in]"/"[N.m]"; "" for an unknown code.
const char* LengthUnitLabel(int lengthUnit);
const char* ForceUnitLabel(int forceUnit);
const char* MomentUnitLabel(int forceUnit);
// Unit row of summary tables: "(LbF)"/"(N)" and "(LbF.in)"/"(N.m)".
const char* SummaryForceUnitLabel(int forceUnit);
const char* SummaryMomentUnitLabel(int forceUnit);
inline constexpr const char* kMassLabel = "[Lb]";
inline constexpr const char* kVolumeLabel = "[cu. in]";
inline constexpr const char* kAngleLabel = "[deg]";
inline constexpr const char* kInertiaLabel = "[Lb.in^2]";
inline constexpr const char* kSummaryAngleLabel = "(degree)";

// Combo box items of the preferences, in code order.
inline constexpr const char* kLengthUnitNames[5] = {"inches", "feet", "m", "cm", "mm"};
inline constexpr const char* kForceUnitNames[2] = {"Pound force", "Newton"};

// Report number format. decimals < 0: "%-g". Otherwise fixed notation rounded to `decimals`
// places, then trailing zeros and a trailing point are dropped (51.0000 -> "51", 0.0500 ->
// "0.05"). A value that rounds to zero prints as "0", never "-0".
std::string FormatTrimmed(double value, int decimals);
