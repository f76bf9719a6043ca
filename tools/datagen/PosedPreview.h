#pragma once

#include <string>

// Builds a figure from the data directory with the program's own loaders (representation 0..4,
// sex 1 male / 0 female), applies standard posture `posture` and writes the posed figure as a
// Wavefront OBJ (inches) for looking at. Returns 1 on success.
int WritePosedPreview(const std::string& dataDir, int representation, int sex, int posture,
                      const std::string& objPath);
