#include "biomech/SegmentReadouts.h"

#include "biomech/JointLoads.h"
#include "biomech/LoadWords.h"
#include "biomech/Units.h"
#include "human/Mannequin.h"

#include <cmath>
#include <cstdio>

namespace {

// "%-.2f" or "%-.1f"; a value that rounds to zero prints as 0, never "-0.0".
std::string Fixed(double value, int decimals) {
    if (std::fabs(value) < (decimals == 2 ? 0.005 : 0.05))
        value = 0.0;
    char text[512];
    std::snprintf(text, sizeof text, decimals == 2 ? "%-.2f" : "%-.1f", value);
    return text;
}

const char* const kAxes[3] = {" /X", " /Y", " /Z"};

void AddVector(std::vector<SegmentPropertyRow>& rows, const char* name, const Vec3& v, int decimals,
               const std::string& unit, const std::string* words) {
    for (int i = 0; i < 3; ++i)
        rows.push_back({std::string(name) + kAxes[i], Fixed(v[i], decimals), unit,
                        words ? words[i] : std::string()});
}

Vec3 LengthShown(const Vec3& v, int unit) {
    return {ConvertLength(kInches, v.x, unit), ConvertLength(kInches, v.y, unit),
            ConvertLength(kInches, v.z, unit)};
}

Vec3 ForceShown(const Vec3& v, int unit) {
    return {ConvertForce(kPoundForce, v.x, unit), ConvertForce(kPoundForce, v.y, unit),
            ConvertForce(kPoundForce, v.z, unit)};
}

Vec3 MomentShown(const Vec3& v, int forceUnit) {
    return forceUnit == kNewton ? Vec3(MomentToNewtonMetres(v.x), MomentToNewtonMetres(v.y),
                                       MomentToNewtonMetres(v.z))
                                : v;
}

} // namespace

SegmentReadout ReadSegment(const CBodyPart& segment) {
    SegmentReadout r;
    r.segmentIndex = segment.segmentIndex;
    if (IsValidSegmentIndex(segment.segmentIndex)) {
        r.segmentName = SegmentInfoOf(segment.segmentIndex).name;
        r.jointName = SegmentInfoOf(segment.segmentIndex).jointName;
    }
    r.mass = segment.mass;
    r.volume = segment.volume;
    r.angles = segment.angles;
    for (int i = 0; i < 3; ++i)
        r.motionNames[i] = segment.motionNames[i];
    const CMannequin* figure = segment.figure;
    if (!figure)
        return r;
    Matrix4 base;
    figure->GetSegmentLocalFrame(segment.segmentIndex, base);
    r.position = TranslationOf(base);
    r.biomechanics = figure->IsBiomechanicsEnabled();
    r.massCentre = TransformPoint(base * segment.jointRotation, segment.massCentre);
    r.force = segment.GetJointForce(true, false);
    r.moment = segment.GetJointMoment(true, true, true);
    r.inertia = segment.inertia;
    // The words of the loads shown, so that they always agree with the numbers.
    std::string unusedWords[3];
    LoadWordsFor(segment.segmentIndex, r.force, {}, r.forceNames, unusedWords);
    LoadWordsFor(segment.segmentIndex, {}, r.moment, unusedWords, r.momentNames);
    return r;
}

std::vector<SegmentPropertyRow> FormatSegmentProperties(const SegmentReadout& r, int lengthUnit,
                                                        int forceUnit) {
    std::vector<SegmentPropertyRow> rows;
    rows.push_back({"Segment name", r.segmentName, "", ""});
    rows.push_back({"Joint name", r.jointName, "", ""});
    rows.push_back({"Mass", Fixed(r.mass, 2), kMassLabel, ""});
    rows.push_back({"Volume", Fixed(r.volume, 2), kVolumeLabel, ""});
    const std::string lengthLabel = LengthUnitLabel(lengthUnit);
    AddVector(rows, "Position", LengthShown(r.position, lengthUnit), 2, lengthLabel, nullptr);
    AddVector(rows, "Rotation", r.angles, 2, kAngleLabel, r.motionNames);
    if (!r.biomechanics)
        return rows;
    AddVector(rows, "Mass Center", LengthShown(r.massCentre, lengthUnit), 2, lengthLabel, nullptr);
    AddVector(rows, "Force", ForceShown(r.force, forceUnit), 1, ForceUnitLabel(forceUnit),
              r.forceNames);
    AddVector(rows, "Moment", MomentShown(r.moment, forceUnit), 1, MomentUnitLabel(forceUnit),
              r.momentNames);
    AddVector(rows, "Moment of Inertia", r.inertia, 1, kInertiaLabel, nullptr);
    return rows;
}

std::vector<SegmentPropertyRow> FillSegmentProperties(const CBodyPart& segment, int lengthUnit,
                                                      int forceUnit) {
    return FormatSegmentProperties(ReadSegment(segment), lengthUnit, forceUnit);
}

std::string SegmentPropertiesText(const std::vector<SegmentPropertyRow>& rows) {
    std::string text;
    for (const SegmentPropertyRow& row : rows)
        text += row.name + "\t" + row.value + "\t" + row.unit + "\t" + row.word + "\n";
    return text;
}

namespace {

constexpr int kSummaryOrder[15] = {kHead,     kNeck,          kLeftArm,      kLeftForearm,
                                   kLeftPalm, kRightArm,      kRightForearm, kRightPalm,
                                   kChest,    kLeftLeg,       kLeftLowerLeg, kLeftFoot,
                                   kRightLeg, kRightLowerLeg, kRightFoot};

} // namespace

BiomechSummary BuildBiomechSummary(const CMannequin& figure, int forceUnit) {
    BiomechSummary summary;
    summary.balanced = figure.IsBalanced();
    summary.balanceText = summary.balanced ? "Balanced" : "Unbalanced";
    summary.rows.push_back({"Joint", "Rotation/X", "Rotation/Y", "Rotation/Z", "Force", "Moment"});
    summary.rows.push_back({"Unit", kSummaryAngleLabel, kSummaryAngleLabel, kSummaryAngleLabel,
                            SummaryForceUnitLabel(forceUnit), SummaryMomentUnitLabel(forceUnit)});
    FigureJointLoads loads;
    ComputeFigureJointLoads(figure, true, loads);
    for (int s : kSummaryOrder) {
        const CBodyPart& part = *figure.GetSegment(s);
        const double force = Length(loads.force[s]);
        const double moment = Length(loads.moment[s]);
        summary.rows.push_back(
            {SegmentInfoOf(s).jointName, FormatTrimmed(part.angles.x, 1),
             FormatTrimmed(part.angles.y, 1), FormatTrimmed(part.angles.z, 1),
             FormatTrimmed(ConvertForce(kPoundForce, force, forceUnit), 1),
             FormatTrimmed(forceUnit == kNewton ? MomentToNewtonMetres(moment) : moment, 1)});
    }
    return summary;
}

std::string BiomechSummaryText(const BiomechSummary& summary) {
    std::string text;
    for (const auto& row : summary.rows)
        text += row[0] + "\t" + row[1] + "\t" + row[2] + "\t" + row[3] + "\t" + row[4] + "\t" +
                row[5] + "\n";
    return text;
}
