#pragma once

// How a figure is shown: each representation is its own set of segment meshes.
enum Representation : int {
    kRepresentationHuman = 0,
    kRepresentationRobot = 1,
    kRepresentationStickFigure = 2,
    kRepresentationSkeleton = 3,
    kRepresentationHumanForm = 4,
};
inline constexpr int kRepresentationCount = 5;

// Name in the "Figure:" list ("Human", "Robot", ...); "" outside 0..4.
const char* RepresentationName(int representation);
// Mesh file name in the data directory ("usa_m.per", "usa_f3.per", ...); "" outside 0..4.
const char* RepresentationMeshFile(int representation, bool male);
