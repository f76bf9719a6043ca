#pragma once

// Small readers of the data files for the tests, written from the file formats alone (scanf
// formats, byte layouts), independent of the generator's own structures.

#include <array>
#include <string>
#include <vector>

namespace datatest {

// Whole file as bytes; empty when missing.
std::string ReadBytes(const std::string& path);
std::vector<std::string> Lines(const std::string& text);

struct Vec {
    double x = 0.0, y = 0.0, z = 0.0;
};

// One size row of a scale file.
struct ScaleRow {
    float stature = 0.0f, weight = 0.0f;
    std::array<Vec, 16> scale{};
};
// Reads the five rows with "%*f %*i %*i %*i %f %f" and "%i %f %f %f"; false when malformed.
bool ReadScaleFile(const std::string& text, std::vector<ScaleRow>& rows);

// limit.dat: upper and lower limits of the 46 segments.
struct Limits {
    std::array<Vec, 46> upper{}, lower{};
    bool Contains(int segment, const Vec& a, double tolerance = 1e-6) const;
};
bool ReadLimits(const std::string& text, Limits& limits);

// Reference segment sizes (cm) that scale (1, 1, 1) stands for: width, length, depth.
Vec ReferenceSize(bool male, int segment);
// Stature from the scaled lengths: the longer of the left and right chains.
double ChainStature(bool male, const std::array<Vec, 16>& scale);

// antro1.dat as floats: 16 densities, then 4 blocks of 16 (a, b, c) triples.
std::vector<float> ReadFloats(const std::string& bytes);

// One record of a ".per" mesh file, coordinates in inches (int16 x 0.02).
struct MeshRecord {
    int segment = -1;
    std::vector<Vec> vertices;
    std::vector<std::array<int, 4>> faces;
};
// Reads the 46 records; false when the bytes end early, are left over or a count is negative.
bool ReadMeshFile(const std::string& bytes, std::vector<MeshRecord>& records);

} // namespace datatest
