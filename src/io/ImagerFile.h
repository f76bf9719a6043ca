#pragma once

#include "core/Vec3.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CMannequin;
class CUserReporter;

// What a 3D body imager file (".3di") says of a measured person: the gender, how the size is
// obtained (automatic from a population table, semi-automatic from stature and weight, manual
// from sixteen segment lengths) with its values, and one landmark per main segment 0..15.
struct ImagerRecord {
    enum Mode : int { kAutomatic = 0, kSemiAutomatic = 1, kManual = 2 };
    int gender = 1;
    int mode = kAutomatic;
    int population = 1;
    int sizeRow = 2;
    int bodyType = 1;
    int selection = 0; // the segment word: 0 the whole body, 1 HEAD ... 10 FOOT
    int childTable = -1;
    std::vector<double> numbers; // semi-automatic: stature (cm), weight (kg); manual: lengths (cm)
    std::array<Vec3, 16> landmarks{}; // per segment, its angles against the world (degrees)
};

// The tokens of a ".3di" file: gender, mode, the mode's words or numbers, sixteen landmarks
// written "x , y , z". A word outside its list leaves that code as it was; the first missing or
// malformed number (or a number that is not finite) ends the reading, everything after it
// keeping its default.
ImagerRecord ParseImagerText(const std::string& text);

// Reads a ".3di" file. 0, with "Cannot open 3D Imager file: " and the path reported, when it
// cannot be read. Only the first 64 KiB are looked at (the record is a few hundred bytes).
int ReadImagerFile(const std::string& path, ImagerRecord& record, CUserReporter& reporter);

// The figure a record describes: built as New Mannequin builds one (human mesh, no standard
// posture, facing front) from the record's choices, its anthropometry adjusted by the mode, and
// each main segment turned to its landmark angles. Null when the data files do not allow it.
std::unique_ptr<CMannequin> BuildImagerFigure(const ImagerRecord& record, CUserReporter& reporter);
// Adjusts a built figure's anthropometry by the record's mode and values, rebuilds its segments
// and turns them to the landmarks. Stature, weight and lengths outside 0..300 cm or 0..500 kg
// are ignored (the table's values stay), so that a damaged file gives a plausible figure.
void ApplyImagerRecord(CMannequin& figure, const ImagerRecord& record, CUserReporter& reporter);

// The 3DS file written beside a ".3di" input: the extension, in any case, replaced by ".3ds".
std::string ImagerOutputPath(const std::string& path);
