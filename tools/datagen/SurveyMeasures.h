#pragma once

#include "Body.h"
#include "Sources.h"

#include <string>
#include <vector>

// One of the 1988 US Army survey's measures taken on a generated US figure, as the survey took
// it on its soldiers: standing, arms held out for the span, or seated upright with the thighs
// level and knees and elbows at right angles.
struct SurveyMeasurement {
    Sex sex = Sex::Male;
    int percentile = 50;     // 5, 50 or 95
    std::string measure;     // the survey's name, e.g. "chest_depth"
    double survey = 0.0;     // cm
    double figure = 0.0;     // cm
    double tolerance = 0.03; // largest allowed |figure / survey - 1|
    // Whether the tolerance applies to this figure: some measures are checked at the median
    // only, one is only shown (see SurveyMeasures.cpp).
    bool checked = true;

    double Difference() const { return figure / survey - 1.0; }
};

// Builds the 5th, 50th and 95th percentile US man and woman from the data directory
// (DataDirectory()) as New Mannequin builds them and takes every measure, in a fixed order
// (men before women, rows 5, 50, 95, measures in table order). Empty when a figure cannot be
// built.
std::vector<SurveyMeasurement> MeasureUsFigures(const CSources& sources);

// The measurements as a Markdown section: one table per sex, a row per measure with its target
// and, for each percentile, the survey's value, the figure's and their difference.
std::string SurveyMeasureTable(const std::vector<SurveyMeasurement>& measurements);
