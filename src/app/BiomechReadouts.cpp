#include "app/BiomechReadouts.h"

#include "biomech/Units.h"
#include "core/GlobalSettings.h"
#include "core/Matrix4.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "human/SegmentTable.h"

#include <cmath>
#include <cstdio>

namespace {

// A value the model could not compute (no weight, no vertical load) shows as "--", never as
// "nan" or "inf".
std::string Fixed(double value, int decimals) {
    if (!std::isfinite(value))
        return "--";
    char text[64];
    std::snprintf(text, sizeof text, "%-.*f", decimals, value);
    return text;
}

double MomentInUnit(double poundForceInches, int forceUnit) {
    return forceUnit == kNewton ? MomentToNewtonMetres(poundForceInches) : poundForceInches;
}

const char* const kAxisSuffix[3] = {" /X", " /Y", " /Z"};

// Adds three rows "<name> /X" .. "/Z".
void AddAxisRows(std::vector<PropertyRow>& rows, const char* name, const Vec3& values, int decimals,
                 const std::string& unit, const std::string* words) {
    for (int i = 0; i < 3; ++i)
        rows.push_back({std::string(name) + kAxisSuffix[i], Fixed(values[i], decimals), unit,
                        words ? words[i] : std::string()});
}

std::string Trimmed(double value) {
    return std::isfinite(value) ? FormatTrimmed(value, 1) : "--";
}

} // namespace

std::vector<PropertyRow> SegmentPropertyRows(const CBodyPart& part,
                                             const CGlobalSettings& settings) {
    const int lengthUnit = settings.lengthUnit;
    const int forceUnit = settings.forceUnit;
    const SegmentInfo& info = SegmentInfoOf(part.segmentIndex);
    std::vector<PropertyRow> rows;
    rows.push_back({"Segment name", info.name, "", ""});
    rows.push_back({"Joint name", info.jointName, "", ""});
    rows.push_back({"Mass", Fixed(part.GetMass(), 2), kMassLabel, ""});
    rows.push_back({"Volume", Fixed(part.GetVolume(), 2), kVolumeLabel, ""});

    // The joint frame in the figure's own coordinates (its placement left out).
    Matrix4 frame(true);
    if (part.figure)
        part.figure->GetSegmentLocalFrame(part.segmentIndex, frame);
    const auto inLengthUnit = [lengthUnit](const Vec3& inches) {
        return Vec3(ConvertLength(kInches, inches.x, lengthUnit),
                    ConvertLength(kInches, inches.y, lengthUnit),
                    ConvertLength(kInches, inches.z, lengthUnit));
    };
    const std::string lengthLabel = LengthUnitLabel(lengthUnit);
    AddAxisRows(rows, "Position", inLengthUnit(TransformPoint(frame, Vec3())), 2, lengthLabel,
                nullptr);
    AddAxisRows(rows, "Rotation", part.angles, 2, kAngleLabel, part.motionNames);

    if (!part.figure || !part.figure->IsBiomechanicsEnabled())
        return rows;
    AddAxisRows(rows, "Mass Center", inLengthUnit(TransformPoint(frame, part.massCentre)), 2,
                lengthLabel, nullptr);
    const Vec3 force = part.GetJointForce(1, 0);
    const Vec3 moment = part.GetJointMoment(1, 1, 1);
    Vec3 shownForce, shownMoment;
    for (int i = 0; i < 3; ++i) {
        shownForce[i] = ConvertForce(kPoundForce, force[i], forceUnit);
        shownMoment[i] = MomentInUnit(moment[i], forceUnit);
    }
    AddAxisRows(rows, "Force", shownForce, 1, ForceUnitLabel(forceUnit), part.forceNames);
    AddAxisRows(rows, "Moment", shownMoment, 1, MomentUnitLabel(forceUnit), part.momentNames);
    AddAxisRows(rows, "Moment of Inertia", part.GetInertia(), 1, kInertiaLabel, nullptr);
    return rows;
}

std::vector<SummaryRow> JointSummaryRows(const CMannequin& figure, int forceUnit) {
    static const int kOrder[15] = {kHead,     kNeck,          kLeftArm,      kLeftForearm,
                                   kLeftPalm, kRightArm,      kRightForearm, kRightPalm,
                                   kChest,    kLeftLeg,       kLeftLowerLeg, kLeftFoot,
                                   kRightLeg, kRightLowerLeg, kRightFoot};
    std::vector<SummaryRow> rows;
    rows.push_back({"Joint", "Rotation/X", "Rotation/Y", "Rotation/Z", "Force", "Moment"});
    rows.push_back({"Unit", kSummaryAngleLabel, kSummaryAngleLabel, kSummaryAngleLabel,
                    SummaryForceUnitLabel(forceUnit), SummaryMomentUnitLabel(forceUnit)});
    for (int index : kOrder) {
        const CBodyPart& part = *figure.GetSegment(index);
        const double force = Length(part.GetJointForce(1, 1));
        const double moment = Length(part.GetJointMoment(1, 1, 1));
        rows.push_back({SegmentInfoOf(index).jointName, Trimmed(part.angles.x),
                        Trimmed(part.angles.y), Trimmed(part.angles.z),
                        Trimmed(ConvertForce(kPoundForce, force, forceUnit)),
                        Trimmed(MomentInUnit(moment, forceUnit))});
    }
    return rows;
}

std::string TabSeparatedText(const std::vector<PropertyRow>& rows) {
    std::string text;
    for (const PropertyRow& row : rows)
        text += row.name + '\t' + row.value + '\t' + row.unit + '\t' + row.word + '\n';
    return text;
}

std::string TabSeparatedText(const std::vector<SummaryRow>& rows) {
    std::string text;
    for (const SummaryRow& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            text += row[i] + (i + 1 < row.size() ? "\t" : "\n");
    }
    return text;
}
