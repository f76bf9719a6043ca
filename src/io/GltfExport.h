#pragma once

#include "io/ExchangeProgress.h"

#include <string>

class CObjectList;

// Writes the scene as binary glTF 2.0 (".glb") for today's viewers and 3D tools, in metres
// with +y up: every polyface and body segment as a triangle mesh, every polyline as a line
// strip and every dashed polyline as lines, each in one node named after its object with a
// material of its colour. A figure is a node named after it whose children follow its
// segment tree (pelvis at the root). Vertices are in world coordinates and every node's
// transform is the identity. kExchangeFailed when the file cannot be written; on Cancel the
// file is not written.
ExchangeStatus ExportGlb(const CObjectList& objects, const std::string& path,
                         CExchangeProgress* progress);
