#pragma once

#include <string>
#include <vector>

// One file of the data directory: its name and its exact bytes.
struct GeneratedFile {
    std::string name;
    std::string bytes;
};

// Builds every data file from the source tables in `sourcesDir`. Returns 1 on success; on
// failure returns 0 with the reasons in `problems` (missing source values, postures outside the
// joint limits, meshes that break their own conventions).
int GenerateDataFiles(const std::string& sourcesDir, std::vector<GeneratedFile>& files,
                      std::vector<std::string>& problems);

// Writes every mesh file as a Wavefront OBJ (inches) into `dir`, for looking at; 1 on success.
int WriteMeshPreviews(const std::string& sourcesDir, const std::string& dir);

// Writes the files into `dir` (which must exist); 1 on success.
int WriteDataFiles(const std::string& dir, const std::vector<GeneratedFile>& files);
