#pragma once

#include "MassTable.h"
#include "ScaleTables.h"
#include "Sources.h"

#include <string>
#include <vector>

// data/README.md: every file of the data directory, where its numbers come from, and which
// numbers are derived or estimated and how.
std::string DataReadme(const CSources& sources, const std::vector<ScaleFile>& scaleFiles,
                       const MassTable& massTable);
