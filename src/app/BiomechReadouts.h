#pragma once

#include <array>
#include <string>
#include <vector>

class CBodyPart;
class CMannequin;
struct CGlobalSettings;

// The texts of the biomechanical readouts: what the Segment Properties panel and the
// Biomechanical Summary show, in the display units of the settings. The loads themselves come
// from the figure; these functions only choose, convert and format them.

// One row of the Segment Properties panel.
struct PropertyRow {
    std::string name;  // "Mass", "Force /X", ...
    std::string value; // formatted in the row's unit
    std::string unit;  // "[Lb]", "[LbF]", ...
    std::string word;  // rotation, force or moment word; "" for the other rows
};

// The panel's rows for one segment of its figure. The mass centre, force, moment and inertia
// rows are left out when the figure's biomechanics are not enabled.
std::vector<PropertyRow> SegmentPropertyRows(const CBodyPart& part,
                                             const CGlobalSettings& settings);

// The 17 rows of the summary table: the header row, the unit row, then one row per joint
// (head to right ankle, without the pelvis): joint name, three angles, the force and moment
// magnitudes in the force unit.
using SummaryRow = std::array<std::string, 6>;
std::vector<SummaryRow> JointSummaryRows(const CMannequin& figure, int forceUnit);

// Clipboard text of a table: cells separated by tabs, each row ended by "\n".
std::string TabSeparatedText(const std::vector<PropertyRow>& rows);
std::string TabSeparatedText(const std::vector<SummaryRow>& rows);
