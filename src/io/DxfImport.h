#pragma once

#include "io/ExchangeProgress.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CSceneObject;
class CUserReporter;

// Reads the geometry of an ASCII or binary DXF file (binary when it starts with the binary
// sentinel, whatever its name) into new polyline and polyface objects, in drawing units,
// appended to `created` in file order: 3DFACE, SOLID, TRACE, LINE, 3DLINE, POINT, CIRCLE,
// ARC, ELLIPSE, POLYLINE (3D, 2D, polygon and polyface meshes), LWPOLYLINE (with bulges) and
// SPLINE, and INSERTs of blocks, nested or not. Each object is named after its layer (first 11
// characters), takes the layer's index as its group number and the colour of its DXF colour
// number (by layer and by block resolved). Paper space and entities on layers that are off or
// frozen are left out.
//
// Every read is bounded: a malformed, truncated or hostile file is reported with its line
// ("Error in DXF file on line N." then "Group code = C."), and what was read before stays in
// `created` (kExchangeFailed). On Cancel the status is kExchangeCancelled.
ExchangeStatus ReadDxfFile(const std::string& path,
                           std::vector<std::unique_ptr<CSceneObject>>& created,
                           CUserReporter& reporter, CExchangeProgress* progress);
// The same from bytes in memory.
ExchangeStatus ReadDxfData(const std::uint8_t* data, std::size_t size,
                           std::vector<std::unique_ptr<CSceneObject>>& created,
                           CUserReporter& reporter, CExchangeProgress* progress = nullptr);

// Limits that keep hostile files from exhausting the machine: points made in all, and blocks
// inserted within one another.
inline constexpr std::size_t kDxfMaxPoints = 20'000'000;
inline constexpr int kDxfMaxInsertDepth = 32;
