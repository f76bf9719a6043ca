#include "anthro/PopulationTables.h"

namespace {

struct PopulationFiles {
    const char* displayName;
    const char* maleFile;
    const char* femaleFile;
};

// Index = population code 1..13.
constexpr PopulationFiles kPopulations[kDatabaseCount + 1] = {
    {"", "", ""},
    {"USA (1988 US Army)", "usa2.dat", "usa3.dat"},
    {"Britain", "british2.dat", "british3.dat"},
    {"Germany", "germany2.dat", "germany3.dat"},
    {"France", "france2.dat", "france3.dat"},
    {"Sweden", "", ""},
    {"Poland", "poland2.dat", "poland3.dat"},
    {"HongKong", "", ""},
    {"India", "indian2.dat", "indian3.dat"},
    {"Switzerland", "swiss2.dat", "swiss3.dat"},
    {"Japan", "japan2.dat", "japan3.dat"},
    {"South China", "schina2.dat", "schina3.dat"},
    {"North Europe", "neurope2.dat", "neurope3.dat"},
    {"NASA STD-3000", "nasa2.dat", "nasa3.dat"},
};

constexpr const char* kChildFiles[kChildTableCount] = {
    "mch2_35.dat",  "mch35_45.dat", "mch45_55.dat", "mch55_65.dat", "mch65_75.dat",
    "mch75_85.dat", "mch85_95.dat", "mch95105.dat", "mc105115.dat", "mc115125.dat"};

constexpr const char* kAgeLabels[kChildTableCount] = {
    "3 yrs", "4 yrs", "5 yrs", "6 yrs", "7 yrs", "8 yrs", "9 yrs", "10 yrs", "11 yrs", "12 yrs"};

constexpr const char* kSizeLabels[kSizeRowCount] = {"2.5%", "5.0%", "50%", "95%", "97.5%"};

// cm; rows in main segment order, columns width, length, depth.
constexpr float kBaseDimensionsMale[kScaledSegmentCount][3] = {
    {35.1f, 36.6f, 22.2f},  {11.7f, 7.0f, 11.7f},  {9.9f, 28.2f, 9.7f},   {9.9f, 28.2f, 9.7f},
    {33.12f, 18.5f, 20.1f}, {19.3f, 42.4f, 18.0f}, {19.3f, 42.4f, 18.0f}, {9.4f, 25.4f, 9.6f},
    {9.4f, 25.4f, 9.6f},    {12.0f, 41.1f, 11.7f}, {12.0f, 41.1f, 11.7f}, {9.9f, 9.3f, 26.7f},
    {7.55f, 19.0f, 6.1f},   {7.55f, 19.0f, 6.1f},  {9.9f, 9.3f, 26.7f},   {15.5f, 19.7f, 20.23f},
};

constexpr float kBaseDimensionsFemale[kScaledSegmentCount][3] = {
    {35.0f, 37.0f, 27.7f},  {11.9f, 9.2f, 11.9f},  {9.9f, 28.2f, 9.3f},   {9.9f, 28.2f, 9.3f},
    {37.59f, 17.7f, 21.1f}, {20.6f, 42.1f, 20.0f}, {20.6f, 42.1f, 20.0f}, {8.9f, 25.4f, 8.9f},
    {8.9f, 25.4f, 8.89f},   {12.4f, 41.0f, 12.2f}, {12.4f, 41.0f, 12.2f}, {9.9f, 8.8f, 26.4f},
    {7.55f, 18.32f, 5.9f},  {7.55f, 18.32f, 5.9f}, {9.9f, 8.8f, 26.4f},   {15.7f, 18.3f, 19.6f},
};

bool IsAdultDatabase(int population) {
    return population >= 1 && population <= kDatabaseCount;
}

} // namespace

bool IsChildPopulation(int population) {
    return population >= kFirstChildPopulation &&
           population < kFirstChildPopulation + kChildTableCount;
}

int ChildPopulation(int childTable) {
    return kFirstChildPopulation + childTable;
}

const char* PopulationDisplayName(int population) {
    if (IsAdultDatabase(population))
        return kPopulations[population].displayName;
    return IsChildPopulation(population) ? "USA" : "";
}

const char* AdultScaleFileName(int population, int gender) {
    if (!IsAdultDatabase(population))
        return "";
    return gender == kMale ? kPopulations[population].maleFile
                           : kPopulations[population].femaleFile;
}

const char* ChildScaleFileName(int childTable) {
    return childTable >= 0 && childTable < kChildTableCount ? kChildFiles[childTable] : "";
}

const char* AgeLabel(int population) {
    return IsChildPopulation(population) ? kAgeLabels[population - kFirstChildPopulation] : "Adult";
}

const char* SizeRowLabel(int sizeRow) {
    return sizeRow >= 0 && sizeRow < kSizeRowCount ? kSizeLabels[sizeRow] : "";
}

Vec3 ReferenceDimensions(int gender, int index) {
    if (index < 0 || index >= kScaledSegmentCount)
        return {1.0, 1.0, 1.0};
    const float* row = gender == kMale ? kBaseDimensionsMale[index] : kBaseDimensionsFemale[index];
    return {row[0], row[1], row[2]};
}

bool SelectionIncludes(int selection, int index) {
    // Main segments replaced by selections 1..10 (a second entry of -1 means one segment only).
    static constexpr int kSelectionSegments[11][2] = {{-1, -1}, {15, -1}, {1, -1},  {0, -1},
                                                      {2, 3},   {7, 8},   {12, 13}, {4, -1},
                                                      {5, 6},   {9, 10},  {11, 14}};
    if (selection == 0)
        return index >= 0 && index < kScaledSegmentCount;
    if (selection < 0 || selection > 10 || index < 0)
        return false;
    return kSelectionSegments[selection][0] == index || kSelectionSegments[selection][1] == index;
}

bool IsStatureChainSegment(int index) {
    // HEAD, NECK, CHEST, ABDOMEN, both thighs, lower legs and feet.
    static constexpr int kChain[] = {15, 1, 0, 4, 5, 6, 9, 10, 11, 14};
    for (int segment : kChain)
        if (segment == index)
            return true;
    return false;
}
