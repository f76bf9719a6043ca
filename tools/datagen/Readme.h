#pragma once

#include "MassTable.h"
#include "ScaleTables.h"
#include "Sources.h"
#include "SurveyMeasures.h"

#include <string>
#include <vector>

// data/README.md: every file of the data directory, where its numbers come from, and which
// numbers are derived or estimated and how, and how the US figures measure against the survey.
std::string DataReadme(const CSources& sources, const std::vector<ScaleFile>& scaleFiles,
                       const MassTable& massTable,
                       const std::vector<SurveyMeasurement>& measurements);
