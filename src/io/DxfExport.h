#pragma once

#include "io/ExchangeProgress.h"

#include <string>

class CObjectList;
class CUserReporter;

// The DXF colour number of a packed colour: the palette index 1..15 of the exact colour, 16
// for black and for every colour outside the palette.
int DxfColourNumber(int colour);
// The packed colour of a DXF colour number: the palette colour for 1..15, black otherwise.
int DxfColourValue(int number);

// Writes the geometry of every exported object (ExportGeometry.h) as DXF: one layer per object
// named after it; polylines as 3D polylines, polyfaces and body segments as polyface meshes,
// dashed polylines as lines. ASCII unless `binary`. Failures are reported ("Cannot open DXF
// file.", or the line and group code of a failed write, the file then kept as far as written);
// on Cancel the file is deleted.
ExchangeStatus ExportDxf(const CObjectList& objects, const std::string& path,
                         CUserReporter& reporter, CExchangeProgress* progress, bool binary = false);
