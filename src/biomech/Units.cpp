#include "biomech/Units.h"

#include <cstdio>
#include <cstring>

namespace {

// kLengthFactors[from][to]; the program's own rounded factors.
constexpr double kLengthFactors[5][5] = {
    {1.0, 0.083333, 0.0254, 2.54, 25.4},
    {12.0, 1.0, 0.3048, 30.48, 304.8},
    {39.370079, 3.28083989501, 1.0, 100.0, 1000.0},
    {0.393701, 0.0328083989501, 0.01, 1.0, 10.0},
    {0.0393701, 0.003281, 0.001, 0.1, 1.0},
};

bool IsLengthUnit(int code) {
    return code >= 0 && code <= 4;
}

const char* Pick(int code, const char* first, const char* second) {
    return code == 0 ? first : (code == 1 ? second : "");
}

} // namespace

double ConvertLength(int fromUnit, double value, int toUnit) {
    if (!IsLengthUnit(fromUnit) || !IsLengthUnit(toUnit) || fromUnit == toUnit)
        return value;
    return value * kLengthFactors[fromUnit][toUnit];
}

double ConvertForce(int fromUnit, double value, int toUnit) {
    if (fromUnit == kPoundForce && toUnit == kNewton)
        return value * 4.44822161526;
    if (fromUnit == kNewton && toUnit == kPoundForce)
        return value * 0.2248089431;
    return value;
}

double MomentToNewtonMetres(double poundForceInches) {
    return poundForceInches * 0.1129848;
}
double MomentFromNewtonMetres(double newtonMetres) {
    return newtonMetres * 8.850748031;
}

const char* LengthUnitLabel(int lengthUnit) {
    static constexpr const char* kLabels[5] = {"[in]", "[ft]", "[m]", "[cm]", "[mm]"};
    return IsLengthUnit(lengthUnit) ? kLabels[lengthUnit] : "";
}

const char* ForceUnitLabel(int forceUnit) {
    return Pick(forceUnit, "[LbF]", "[N]");
}
const char* MomentUnitLabel(int forceUnit) {
    return Pick(forceUnit, "[LbF.in]", "[N.m]");
}
const char* SummaryForceUnitLabel(int forceUnit) {
    return Pick(forceUnit, "(LbF)", "(N)");
}
const char* SummaryMomentUnitLabel(int forceUnit) {
    return Pick(forceUnit, "(LbF.in)", "(N.m)");
}

std::string FormatTrimmed(double value, int decimals) {
    char text[512];
    if (decimals < 0) {
        std::snprintf(text, sizeof text, "%-g", value);
        return text;
    }
    std::snprintf(text, sizeof text, "%.*f", decimals > 60 ? 60 : decimals, value);
    std::string result = text;
    if (result.find('.') != std::string::npos && result.find('e') == std::string::npos) {
        while (result.size() >= 2 && result.back() == '0')
            result.pop_back();
        if (!result.empty() && result.back() == '.')
            result.pop_back();
    }
    if (result == "-0")
        result = "0";
    return result;
}
