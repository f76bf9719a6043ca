#pragma once

#include "io/ExchangeProgress.h"

#include <memory>
#include <string>
#include <vector>

class CObjectList;
class CSceneObject;

// Writes every polyface and body segment of the list (with more than 2 vertices and a face)
// as one 3DS mesh named after it, in world coordinates (inches), with one material per object
// named after its packed colour value. Each quadrilateral face (a, b, c, d) gives the
// triangles (a, b, c) and, after all first triangles, (a, c, d). A mesh of more than 65535
// points or triangles, which the format cannot index, goes out as several meshes of the same
// name. On failure or Cancel the file is deleted (no message: the caller says what it needs).
ExchangeStatus Export3ds(const CObjectList& objects, const std::string& path,
                         CExchangeProgress* progress);

// Reads every mesh of a 3DS file as a polyface (type 1) named after it, its points times
// ImportUnitScale(unitCode), each triangle (p0, p1, p2) as the face (p0, p1, p2, p2), coloured
// by the ambient colour of the material of its first triangle (grey 0x7F7F7F without one). The
// meshes' own matrices and the keyframe data are not applied. kExchangeFailed, nothing read,
// when the file does not load, or when its chunks do not fit in one another or its faces name
// points (or its material groups faces) that do not exist.
ExchangeStatus Import3ds(const std::string& path, int unitCode,
                         std::vector<std::unique_ptr<CSceneObject>>& created);
