#pragma once

#include "core/Quad.h"
#include "core/Vec3.h"

#include <vector>

class CSceneObject;

// Whether the geometry exports write this object: body segments always, any other object
// when its attribute B is 0 (so a figure is written through its segments).
bool IsExportedObject(const CSceneObject& object);

// The mesh of a polyface or body segment in world coordinates (inches). Null for objects of
// other types; otherwise the faces, with `vertices` filled.
const std::vector<Quad>* WorldMesh(const CSceneObject& object, std::vector<Vec3>& vertices);

// The points of a polyline or dashed polyline in world coordinates (inches); false for other
// types.
bool WorldPolyline(const CSceneObject& object, std::vector<Vec3>& points);
