#pragma once

#include "core/Vec3.h"

class CObjectList;

// Bounds (inches) of every top-level object of a scene list with its children; an empty scene
// gives the box from (-1000, -1000, -1000) to (1000, 1000, 1000).
void SceneBounds(const CObjectList& objects, Vec3& boxMin, Vec3& boxMax);
