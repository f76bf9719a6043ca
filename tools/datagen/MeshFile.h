#pragma once

#include "MeshBuilder.h"
#include "Skeleton.h"

#include <array>
#include <string>

// The surfaces of all 46 segments of one figure in one representation (cm, common frame).
using FigureSurfaces = std::array<SurfaceMesh, kSegmentCount>;

// One record of a mesh file: the landmark vertices first (joint, end, eyes or sole points),
// then the surface, then the mass centre as the last vertex.
struct MeshRecord {
    std::vector<Vec3> vertices; // cm
    std::vector<std::array<int, 4>> faces;
};
std::array<MeshRecord, kSegmentCount> AssembleRecords(const Skeleton& skeleton,
                                                      const FigureSurfaces& surfaces);

// The binary ".per" file: per segment its number, vertex and face counts, six zero bytes, the
// vertices in units of 0.02 inch as int16 and the faces as four int16 indices. Returns "" and
// sets `problem` when a coordinate or count does not fit an int16.
std::string MeshFileBytes(const std::array<MeshRecord, kSegmentCount>& records,
                          std::string& problem);
// A Wavefront OBJ of the figure (inches), one group per segment, for looking at the meshes.
std::string MeshObj(const std::array<MeshRecord, kSegmentCount>& records);

// The surfaces of the right limbs and right-hand fingers as mirror images of the left ones.
void MirrorLeftToRight(FigureSurfaces& surfaces);
