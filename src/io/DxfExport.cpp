#include "io/DxfExport.h"

#include "core/ColourPalette.h"
#include "core/ObjectList.h"
#include "core/SceneObject.h"
#include "core/UserReporter.h"
#include "draw/Polyline.h"
#include "io/DxfGroups.h"
#include "io/ExportGeometry.h"

#include <cstdio>

int DxfColourNumber(int colour) {
    for (int number = 1; number < 16; ++number)
        if (PaletteColour(number) == colour)
            return number;
    return 16;
}

int DxfColourValue(int number) {
    return number >= 1 && number <= 15 ? PaletteColour(number) : 0;
}

namespace {

void Common(CDxfGroupWriter& out, const char* entity, const CSceneObject& object) {
    out.String(0, entity);
    out.String(8, object.name);
    out.Integer(62, DxfColourNumber(object.colour));
}

void WritePolyline(CDxfGroupWriter& out, const CSceneObject& object,
                   const std::vector<Vec3>& points, int closed) {
    Common(out, "POLYLINE", object);
    out.Point(10, 0.0, 0.0, 0.0);
    out.Integer(66, 1);
    // Flag 8 makes it a 3D polyline; without it CAD programs flatten the points to the
    // polyline's elevation.
    out.Integer(70, closed ? 9 : 8);
    for (const Vec3& p : points) {
        Common(out, "VERTEX", object);
        out.Point(10, p.x, p.y, p.z);
    }
    Common(out, "SEQEND", object);
}

void WriteLines(CDxfGroupWriter& out, const CSceneObject& object, const std::vector<Vec3>& points) {
    for (std::size_t i = 0; i + 1 < points.size(); i += 2) {
        Common(out, "LINE", object);
        out.Point(10, points[i].x, points[i].y, points[i].z);
        out.Point(11, points[i + 1].x, points[i + 1].y, points[i + 1].z);
    }
}

void WritePolyfaceMesh(CDxfGroupWriter& out, const CSceneObject& object,
                       const std::vector<Vec3>& vertices, const std::vector<Quad>& faces) {
    Common(out, "POLYLINE", object);
    out.Integer(66, 1);
    out.Integer(70, 64);
    out.Integer(71, static_cast<long>(vertices.size()));
    out.Integer(72, static_cast<long>(faces.size()));
    for (const Vec3& v : vertices) {
        Common(out, "VERTEX", object);
        out.Point(10, v.x, v.y, v.z);
        out.Integer(70, 192);
    }
    for (const Quad& f : faces) {
        Common(out, "VERTEX", object);
        out.Point(10, 0.0, 0.0, 0.0);
        out.Integer(70, 128);
        out.Integer(71, f[0] + 1);
        out.Integer(72, f[1] + 1);
        out.Integer(73, f[2] + 1);
        if (f[2] != f[3])
            out.Integer(74, f[3] + 1);
    }
    Common(out, "SEQEND", object);
}

void WriteEntity(CDxfGroupWriter& out, const CSceneObject& object) {
    std::vector<Vec3> points;
    if (const std::vector<Quad>* faces = WorldMesh(object, points)) {
        WritePolyfaceMesh(out, object, points, *faces);
    } else if (WorldPolyline(object, points)) {
        if (object.type == kTypeDashedPolyline)
            WriteLines(out, object, points);
        else
            WritePolyline(out, object, points, static_cast<const CPolyline&>(object).closed);
    }
}

} // namespace

ExchangeStatus ExportDxf(const CObjectList& objects, const std::string& path,
                         CUserReporter& reporter, CExchangeProgress* progress, bool binary) {
    auto phase = [progress](const char* caption) {
        if (progress)
            progress->SetPhase(caption);
    };
    phase("Opening DXF file...");
    std::FILE* file = std::fopen(path.c_str(), binary ? "wb" : "w");
    if (!file) {
        reporter.Message("Cannot open DXF file.");
        return kExchangeFailed;
    }
    CDxfGroupWriter out(file, binary, reporter);
    bool cancelled = false;

    phase("Writing header section...");
    out.String(0, "SECTION");
    out.String(2, "HEADER");
    out.String(0, "ENDSEC");

    phase("Writing tables section...");
    out.String(0, "SECTION");
    out.String(2, "TABLES");
    out.String(0, "TABLE");
    out.String(2, "LAYER");
    out.Integer(70, static_cast<long>(objects.size()));
    for (const CSceneObject* object : objects) {
        if (!out.Ok())
            break;
        if (!IsExportedObject(*object))
            continue;
        out.String(0, "LAYER");
        out.String(2, object->name);
        out.Integer(70, 64);
        out.Integer(62, DxfColourNumber(object->colour));
        out.String(6, "CONTINUOUS");
    }
    out.String(0, "ENDTAB");
    out.String(0, "ENDSEC");

    phase("Writing blocks section...");
    phase("Writing entities section...");
    out.String(0, "SECTION");
    out.String(2, "ENTITIES");
    std::size_t done = 0;
    for (const CSceneObject* object : objects) {
        if (!out.Ok())
            break;
        if (IsExportedObject(*object))
            WriteEntity(out, *object);
        ++done;
        if (progress && progress->Update(static_cast<int>(done * 100 / objects.size()))) {
            cancelled = true;
            break;
        }
    }
    if (!cancelled) {
        out.String(0, "ENDSEC");
        out.String(0, "EOF");
    }
    const bool closed = std::fclose(file) == 0;
    if (cancelled) {
        std::remove(path.c_str());
        return kExchangeCancelled;
    }
    if (!out.Ok())
        return kExchangeFailed;
    if (!closed) {
        ReportDxfError(reporter, out.Line(), 0);
        return kExchangeFailed;
    }
    return kExchangeDone;
}
