#pragma once

#include "core/Vec3.h"

// Fixed tables of the anthropometric populations: display names, scale file names, size rows,
// reference segment dimensions and the body part selections of a database reload.

inline constexpr int kScaledSegmentCount = 16;   // main segments 0..15, each with a scale vector
inline constexpr int kSizeRowCount = 5;          // 2.5 %, 5 %, 50 %, 95 %, 97.5 %
inline constexpr int kCustomSizeRow = 999;       // a size not taken from a database row
inline constexpr int kChildTableCount = 10;      // ages 3 .. 12
inline constexpr int kFirstChildPopulation = 33; // population code of 3-year-olds; 42 is 12 years
inline constexpr int kDatabaseCount = 13;        // adult populations 1..13 of the "Database:" list

enum BodyType : int { kThin = 0, kAverage = 1, kHeavy = 2 };
enum Gender : int { kFemale = 0, kMale = 1 };
enum SizeMode : int { kSizeAutomatic = 0, kSizeSemiAutomatic = 1, kSizeManual = 2 };

// Country shown for a population code; "USA" for the child codes 33..42, "" for unused codes.
const char* PopulationDisplayName(int population);
// Scale file of an adult population and gender ("usa2.dat"), or "" when it has none (5, 7, codes
// outside 1..13).
const char* AdultScaleFileName(int population, int gender);
// Child scale file of table 0..9 ("mch2_35.dat" .. "mc115125.dat"), "" outside 0..9.
const char* ChildScaleFileName(int childTable);
// "3 yrs" .. "12 yrs" for population codes 33..42, otherwise "Adult".
const char* AgeLabel(int population);
// Whether a population code is one of the child age groups 33..42.
bool IsChildPopulation(int population);
// The population code of child table 0..9 (age 3..12): 33..42.
int ChildPopulation(int childTable);
// "2.5%", "5.0%", "50%", "95%", "97.5%" for rows 0..4; "" otherwise (999 included).
const char* SizeRowLabel(int sizeRow);

// Width (x), length (y), depth (z) in cm of main segment `index` at scale (1, 1, 1), from the
// male table for gender 1 and the female table otherwise. Single-precision values.
Vec3 ReferenceDimensions(int gender, int index);

// Whether a database reload with body part selection 0..10 replaces the scale of main
// segment `index` (0 whole body, 1 head, 2 neck, 3 chest, 4 upper arms, 5 fore arms, 6 hands,
// 7 abdomen, 8 upper legs, 9 lower legs, 10 feet). An unknown selection replaces nothing.
bool SelectionIncludes(int selection, int index);

// Segments whose length adds to the stature: HEAD, NECK, CHEST, ABDOMEN, legs, lower legs, feet.
bool IsStatureChainSegment(int index);
