#include "human/BodyFiles.h"

#include "core/ByteReader.h"

#include <cmath>

namespace {

int ParseMeshRecord(CByteReader& in, SegmentMeshData& record) {
    int vertexCount = 0;
    int faceCount = 0;
    if (!in.ReadInt16(vertexCount) || !in.ReadInt16(faceCount) || !in.Skip(6))
        return 0;
    // Every segment needs its joint (first vertex) and mass centre (last vertex).
    if (vertexCount < 1 || faceCount < 0)
        return 0;
    if (in.Remaining() < std::size_t(vertexCount) * 6 + std::size_t(faceCount) * 8)
        return 0;
    record.vertices.resize(vertexCount);
    for (Vec3& v : record.vertices) {
        int x = 0, y = 0, z = 0;
        in.ReadInt16(x);
        in.ReadInt16(y);
        in.ReadInt16(z);
        v = Vec3(x * kMeshUnit, y * kMeshUnit, z * kMeshUnit);
    }
    record.faces.resize(faceCount);
    for (Quad& face : record.faces)
        for (int& corner : face) {
            in.ReadInt16(corner);
            if (corner < 0 || corner >= vertexCount)
                return 0;
        }
    return 1;
}

} // namespace

int ParseMeshFile(const unsigned char* data, std::size_t size, FigureMeshData& mesh) {
    CByteReader in(data, size);
    bool seen[kSegmentCount] = {};
    for (int r = 0; r < kSegmentCount; ++r) {
        int segment = -1;
        if (!in.ReadInt16(segment) || !IsValidSegmentIndex(segment) || seen[segment])
            return 0;
        seen[segment] = true;
        if (!ParseMeshRecord(in, mesh[segment]))
            return 0;
    }
    return 1;
}

int ParseFootprintFile(const unsigned char* data, std::size_t size, Footprint& right,
                       Footprint& left) {
    CByteReader in(data, size);
    for (Footprint* outline : {&right, &left})
        for (Vec3& p : *outline) {
            float x = 0.0f, ignored = 0.0f, z = 0.0f;
            if (!in.ReadFloat(x) || !in.ReadFloat(ignored) || !in.ReadFloat(z))
                return 0;
            if (!std::isfinite(x) || !std::isfinite(z))
                return 0;
            p = Vec3(x, 0.0, z);
        }
    return 1;
}
