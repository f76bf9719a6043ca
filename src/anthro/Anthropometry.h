#pragma once

#include "anthro/AnthropometryDialogs.h"
#include "anthro/PopulationTables.h"
#include "core/Vec3.h"

#include <cstdint>
#include <string>

class CUserReporter;

// Which population a figure was taken from and the resulting size: a scale vector per main
// segment (x width, y length, z depth, relative to the reference dimensions), the stature and
// the body weight. A plain value owned by its figure and copied whole.
class CAnthropometry {
public:
    Vec3 scale[kScaledSegmentCount];       // dimensionless, main segments 0..15
    std::uint8_t gender = kMale;           // 0 female, 1 male
    std::uint8_t bodyType = kAverage;      // 0 thin, 1 average, 2 heavy
    std::uint8_t population = 1;           // population code (PopulationDisplayName)
    std::int32_t sizeRow = kCustomSizeRow; // 0..4, or 999 for a custom size
    float stature = 0.0f;                  // cm
    float weight = 0.0f;                   // kg
    std::int32_t childTable = 0;           // child scale file 0..9; -1 on input selects adults

    // The data directory plus the scale file of the record's child table (when >= 0) or of its
    // population and gender; the directory alone for a population without files.
    std::string GetScaleFilePath() const;

    // Stores the choice, then reads size row `sizeRow` of the scale file: stature, weight (times
    // the body-type factor) and the scales of the segments in `selection` (BodyPartSelection),
    // widths and depths times the body-type factor. On an unreadable file shows "Cannot open
    // Scale data file." and returns 0 with scales, stature and weight unchanged.
    int LoadFromDatabase(int gender, int population, int childTable, int sizeRow, int bodyType,
                         int selection, CUserReporter& reporter);

    // The size management of New Mannequin and Change Body (`mode` a SizeMode): stores the
    // choice; loads the database row in Automatic mode or when the record was never loaded;
    // then opens the semi-automatic or manual dialog of the mode. 0 when the load failed.
    int Customize(int gender, int population, int childTable, int sizeRow, int bodyType,
                  int selection, int mode, const CAnthropometryContext& context);

    // Width, length, depth (cm) of main segment `index`; (1, 1, 1) for an index outside 0..15.
    Vec3 GetSegmentDimensions(int index) const;
    // Gives segment `index` exactly these dimensions, in the display length unit `lengthUnit`.
    // Returns the new dimensions in cm.
    Vec3 SetSegmentDimensions(int index, double width, double length, double depth, int lengthUnit);
    // Stature (cm) as the longer of the left and right head-to-foot chains of segment lengths;
    // stored and returned.
    float ComputeStature();
    // A custom male or female figure from measured segment lengths (cm, main segment order;
    // lengths <= 0 leave that segment's scale): uniform scale length / reference length.
    void ScaleFromSegmentLengths(int gender, float statureCm, float weightKg,
                                 const float lengthsCm[kScaledSegmentCount]);
    // A custom figure of this stature (cm) and weight (kg), scaled alike on all segments.
    void ScaleFromStatureAndWeight(int gender, int population, int childTable, int bodyType,
                                   float statureCm, float weightKg);

private:
    void StoreChoice(int gender, int population, int childTable, int sizeRow, int bodyType);
    int ReadDatabaseRow(int selection, CUserReporter& reporter);
    void ApplySemiAutomaticScale();
    void EditSemiAutomatic(const CAnthropometryContext& context);
    void EditManual(const CAnthropometryContext& context);
};
