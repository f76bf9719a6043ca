#include "Body.h"

namespace {

const char* const kNames[kSegments] = {
    "CHEST",   "NECK",    "LARM",    "RARM",    "ABDOMEN", "LLEG",    "RLEG",   "LFARM",
    "RFARM",   "LLOWLEG", "RLOWLEG", "LFOOT",   "RPALM",   "LPALM",   "RFOOT",  "HEAD",
    "LTHUMBA", "LTHUMBB", "LTHUMBC", "LINDEXA", "LINDEXB", "LINDEXC", "LMIDA",  "LMIDB",
    "LMIDC",   "LRINGA",  "LRINGB",  "LRINGC",  "LLITTA",  "LLITTB",  "LLITTC", "RTHUMBA",
    "RTHUMBB", "RTHUMBC", "RINDEXA", "RINDEXB", "RINDEXC", "RMIDA",   "RMIDB",  "RMIDC",
    "RRINGA",  "RRINGB",  "RRINGC",  "RLITTA",  "RLITTB",  "RLITTC"};

const int kParents[kMainSegments] = {ABDOMEN, CHEST, CHEST, CHEST,   -1,    ABDOMEN, ABDOMEN, LARM,
                                     RARM,    LLEG,  RLEG,  LLOWLEG, RFARM, LFARM,   RLOWLEG, NECK};

const int kCounterparts[kMainSegments] = {-1,    -1,    RARM,  LARM,    -1,      RLEG,
                                          LLEG,  RFARM, LFARM, RLOWLEG, LLOWLEG, RFOOT,
                                          LPALM, RPALM, LFOOT, -1};

// width, length, depth in cm per main segment.
const float kMale[kMainSegments][3] = {
    {35.1f, 36.6f, 22.2f},  {11.7f, 7.0f, 11.7f},  {9.9f, 28.2f, 9.7f},   {9.9f, 28.2f, 9.7f},
    {33.12f, 18.5f, 20.1f}, {19.3f, 42.4f, 18.0f}, {19.3f, 42.4f, 18.0f}, {9.4f, 25.4f, 9.6f},
    {9.4f, 25.4f, 9.6f},    {12.0f, 41.1f, 11.7f}, {12.0f, 41.1f, 11.7f}, {9.9f, 9.3f, 26.7f},
    {7.55f, 19.0f, 6.1f},   {7.55f, 19.0f, 6.1f},  {9.9f, 9.3f, 26.7f},   {15.5f, 19.7f, 20.23f}};
const float kFemale[kMainSegments][3] = {
    {35.0f, 37.0f, 27.7f},  {11.9f, 9.2f, 11.9f},  {9.9f, 28.2f, 9.3f},   {9.9f, 28.2f, 9.3f},
    {37.59f, 17.7f, 21.1f}, {20.6f, 42.1f, 20.0f}, {20.6f, 42.1f, 20.0f}, {8.9f, 25.4f, 8.9f},
    {8.9f, 25.4f, 8.89f},   {12.4f, 41.0f, 12.2f}, {12.4f, 41.0f, 12.2f}, {9.9f, 8.8f, 26.4f},
    {7.55f, 18.32f, 5.9f},  {7.55f, 18.32f, 5.9f}, {9.9f, 8.8f, 26.4f},   {15.7f, 18.3f, 19.6f}};

} // namespace

const char* SegmentName(int segment) {
    return segment >= 0 && segment < kSegments ? kNames[segment] : "";
}

int ParentSegment(int segment) {
    if (segment < kMainSegments) {
        return kParents[segment];
    }
    const bool right = segment >= kFirstRightFinger;
    const int local = segment - (right ? kFirstRightFinger : kFirstLeftFinger);
    if (local % kPhalanges == 0) {
        return right ? RPALM : LPALM;
    }
    return segment - 1;
}

int Counterpart(int segment) {
    if (segment < kMainSegments) {
        return kCounterparts[segment];
    }
    return segment < kFirstRightFinger ? segment + 15 : segment - 15;
}

bool IsRightSide(int segment) {
    switch (segment) {
    case RARM:
    case RLEG:
    case RFARM:
    case RLOWLEG:
    case RPALM:
    case RFOOT:
        return true;
    default:
        return segment >= kFirstRightFinger;
    }
}

Vec3 ReferenceDimensions(Sex sex, int segment) {
    const float(*table)[3] = sex == Sex::Male ? kMale : kFemale;
    return {table[segment][0], table[segment][1], table[segment][2]};
}

double ReferenceChainStature(Sex sex) {
    double sum = 0.0;
    for (int s : {HEAD, NECK, CHEST, ABDOMEN, LLEG, LLOWLEG, LFOOT}) {
        sum += ReferenceDimensions(sex, s).y;
    }
    return sum;
}

double SemiAutomaticStature(Sex sex) {
    return sex == Sex::Male ? 174.8 : 175.84;
}
double SemiAutomaticWeight(Sex sex) {
    return sex == Sex::Male ? 78.0 : 71.2;
}
