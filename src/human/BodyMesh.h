#pragma once

#include "core/Quad.h"
#include "core/SharedArray.h"
#include "core/Vec3.h"
#include "human/BodyFiles.h"
#include "human/SegmentTable.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

// What a figure takes from one segment's mesh record before scaling: the mesh moved into the
// segment frame (origin at the joint), its normals and faces, and the joint data derived from
// the record.
struct SegmentMesh {
    SharedArray<Vec3> vertices; // in the segment frame, in
    SharedArray<Vec3> normals;
    SharedArray<Quad> faces;
    std::vector<Vec3> childOffsets; // per child in segment-number order, in
    std::array<Vec3, 8> boxCorners; // bounding box in the segment frame, in
    Vec3 massCentre;                // the last vertex, in the segment frame
    Vec3 meshOrigin;                // the joint as read (not meaningful for ABDOMEN)
};

// The unscaled mesh of one mesh file. It never changes once made, so every figure built from the
// same file shares it, and figures of the same scale share their scaled vertices too: a scene of
// a thousand figures of five body types holds five meshes, each figure only its world vertices.
class CBodyMesh {
public:
    // Derives every segment's data from records accepted by ParseMeshFile (moved out of them).
    explicit CBodyMesh(FigureMeshData& records, std::vector<unsigned char> fileBytes = {});
    CBodyMesh(const CBodyMesh&) = delete;
    CBodyMesh& operator=(const CBodyMesh&) = delete;

    const SegmentMesh& Segment(int index) const { return segments[index]; }
    // Segment `index`'s vertices each transformed by Scaling(scale); figures asking for the same
    // segment and scale get the same array while one of them keeps it.
    SharedArray<Vec3> ScaledVertices(int index, const Vec3& scale) const;
    // The bytes of the file this mesh was read from (empty when it was not read from a file).
    const std::vector<unsigned char>& FileBytes() const { return fileBytes; }

private:
    std::array<SegmentMesh, kSegmentCount> segments;
    std::vector<unsigned char> fileBytes;
    // Scaled vertices by segment and the scale's exact bits; held weakly, so they go with the
    // last figure using them.
    using ScaleKey = std::tuple<int, std::uint64_t, std::uint64_t, std::uint64_t>;
    mutable std::mutex scaledMutex;
    mutable std::map<ScaleKey, std::weak_ptr<const std::vector<Vec3>>> scaled;
};

// The mesh of the file at `path`: the one figures already use when the file still holds the
// same bytes, else read and derived anew. Null when the file cannot be read or is not a
// complete, consistent mesh file. Meshes no figure uses any more are not kept.
std::shared_ptr<const CBodyMesh> LoadBodyMesh(const std::string& path);
