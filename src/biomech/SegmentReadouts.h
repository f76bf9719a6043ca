#pragma once

#include "core/Vec3.h"

#include <array>
#include <string>
#include <vector>

class CBodyPart;
class CMannequin;

// What the Segment Properties panel and the Biomechanical Summary show, as plain text: the
// panel and dialog classes only put these strings into their lists.

// One row of the Segment Properties panel: value name, value, unit, word.
struct SegmentPropertyRow {
    std::string name;  // "Segment name", "Mass", "Force /X", ...
    std::string value; // formatted ("%-.2f" or "%-.1f")
    std::string unit;  // "[Lb]", "[in]", "[LbF]", ... ("" for the name rows)
    std::string word;  // rotation, force or moment word ("" where none)
};

// The loads and positions of one segment in model units, computed once; the panel's text is
// made from it for any display units without recomputing.
struct SegmentReadout {
    int segmentIndex = 0;
    std::string segmentName; // "CHEST" .. "RLITTC"
    std::string jointName;   // "Lower back" .. ("" for fingers)
    float mass = 0.0f;       // lb
    float volume = 0.0f;     // cubic inches
    Vec3 position;           // joint origin in the figure's own coordinates, in
    Vec3 angles;             // joint angles, degrees
    std::string motionNames[3];
    bool biomechanics = false; // IsBiomechanicsEnabled(): the rows below are shown
    Vec3 massCentre;           // in the figure's own coordinates, in
    Vec3 force;                // GetJointForce(1, 0), lbf
    Vec3 moment;               // GetJointMoment(1, 1, 1), lbf*in
    Vec3 inertia;              // lb*in^2, as stored
    std::string forceNames[3];
    std::string momentNames[3];
};

SegmentReadout ReadSegment(const CBodyPart& segment);
// The panel's rows in order: names, mass, volume, position, rotation, then (biomechanics only)
// mass centre, force, moment and moment of inertia. Lengths in `lengthUnit` (0 in .. 4 mm),
// forces in `forceUnit` (0 lbf, 1 N; moments lbf*in or N*m).
std::vector<SegmentPropertyRow> FormatSegmentProperties(const SegmentReadout& readout,
                                                        int lengthUnit, int forceUnit);
// ReadSegment then FormatSegmentProperties.
std::vector<SegmentPropertyRow> FillSegmentProperties(const CBodyPart& segment, int lengthUnit,
                                                      int forceUnit);
// "Copy to clipboard" of the panel: one line per row, the four cells separated by tabs, each
// line ended by "\n".
std::string SegmentPropertiesText(const std::vector<SegmentPropertyRow>& rows);

// Biomechanical Summary ("Summary of Joint Rotation, Force and Moment").
inline constexpr const char* kSummaryBalanceLabel =
    "Based on the applied loads and current body position the mannequin is : ";
struct BiomechSummary {
    bool balanced = false;
    std::string balanceText; // "Balanced" or "Unbalanced"
    // 17 rows of 6 cells: the heading row, the unit row, then HEAD, NECK, LARM, LFARM, LPALM,
    // RARM, RFARM, RPALM, CHEST, LLEG, LLOWLEG, LFOOT, RLEG, RLOWLEG, RFOOT: joint name, three
    // joint angles, |GetJointForce(1, 1)| and |GetJointMoment(1, 1, 1)| in the force unit, one
    // trimmed decimal.
    std::vector<std::array<std::string, 6>> rows;
};
inline constexpr int kSummaryColumnWidths[6] = {80, 70, 70, 70, 70, 70};
BiomechSummary BuildBiomechSummary(const CMannequin& figure, int forceUnit);
// "Copy to clipboard" of the summary: the 17 rows, cells separated by tabs, rows ended by "\n".
std::string BiomechSummaryText(const BiomechSummary& summary);
