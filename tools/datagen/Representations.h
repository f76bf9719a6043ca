#pragma once

#include "MeshFile.h"
#include "Skeleton.h"

// The surfaces of each representation around the shared skeleton (cm, common frame). Human and
// HumanForm and Robot main segments have the reference widths and depths as their extents.
FigureSurfaces HumanSurfaces(const Skeleton& skeleton);
FigureSurfaces RobotSurfaces(const Skeleton& skeleton);
FigureSurfaces StickSurfaces(const Skeleton& skeleton);
FigureSurfaces BoneSurfaces(const Skeleton& skeleton);
FigureSurfaces FormSurfaces(const Skeleton& skeleton);

// Gives each main segment's surface the reference width and depth of its skeleton.
void FitMainSegmentExtents(const Skeleton& skeleton, FigureSurfaces& surfaces);
// A vertical frame at `origin` (axis +y, side +x, front +z).
Frame Upright(const Vec3& origin);
