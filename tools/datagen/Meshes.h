#pragma once

#include "MeshFile.h"
#include "Sources.h"

#include <string>
#include <vector>

// The records of one mesh file ("usa_m.per" ... "usa_f4.per").
struct FigureMesh {
    std::string fileName;
    Sex sex = Sex::Male;
    int representation = 0;
    std::array<MeshRecord, kSegmentCount> records;
};

// All ten mesh files: five representations of each sex.
std::vector<FigureMesh> BuildFigureMeshes(const CSources& sources);
// Problems with a figure's meshes: faces that leave a vertex without a normal, inward faces,
// landmark vertices that differ from the skeleton's.
std::vector<std::string> CheckFigureMesh(const FigureMesh& mesh);
