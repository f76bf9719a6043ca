#pragma once

#include "core/Vec3.h"
#include "human/BodyPart.h"
#include "human/SegmentTable.h"

#include <array>
#include <cstddef>
#include <vector>

// Readers of the binary body files: the segment meshes of a representation and the sole
// outlines. They parse a file's bytes and accept only complete, consistent data; what they
// return is then applied to a figure.

// One mesh record: vertices (in, file units already scaled) and quadrilateral faces.
struct SegmentMeshData {
    std::vector<Vec3> vertices;
    std::vector<Quad> faces;
};
using FigureMeshData = std::array<SegmentMeshData, kSegmentCount>;

// Mesh file unit: the single-precision 0.02 (in per file unit), widened to double.
inline constexpr double kMeshUnit = 0.02f;
// No valid mesh file is longer: 46 records of 32767 vertices and 32767 faces.
inline constexpr std::size_t kMaxMeshFileSize = kSegmentCount * (12 + 14 * std::size_t(32767));

// Parses the 46 records of a mesh file. 0 when the data ends early, a segment number is
// outside 0..45 or repeated, a record has no vertex or a negative count, or a face names a
// vertex its record does not have.
int ParseMeshFile(const unsigned char* data, std::size_t size, FigureMeshData& mesh);

inline constexpr int kFootprintPoints = 26;
inline constexpr std::size_t kFootprintFileSize = 2 * kFootprintPoints * 3 * 4;
using Footprint = std::array<Vec3, kFootprintPoints>;

// Parses the two sole outlines (right, then left) of the footprint file; y is 0. 0 when the
// data is shorter than the two blocks or holds a value that is not a finite number.
int ParseFootprintFile(const unsigned char* data, std::size_t size, Footprint& right,
                       Footprint& left);
