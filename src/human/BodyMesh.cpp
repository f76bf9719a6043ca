#include "human/BodyMesh.h"

#include "core/BoundingBox.h"
#include "core/ByteReader.h"
#include "core/Matrix4.h"

#include <cstring>

namespace {

// Vertex normals: each face's unit normal is added to its first three corners' normals (the
// fourth gets nothing), renormalising after each face; degenerate faces add nothing.
std::vector<Vec3> ComputeNormals(const std::vector<Vec3>& vertices,
                                 const std::vector<Quad>& faces) {
    std::vector<Vec3> normals(vertices.size(), Vec3());
    for (const Quad& face : faces) {
        const Vec3 n = TriangleNormal(vertices[face[0]], vertices[face[1]], vertices[face[2]]);
        if (!(Length(n) > 0.0))
            continue;
        const Vec3 unit = Normalize(n);
        for (int k = 0; k < 3; ++k)
            normals[face[k]] = Normalize(normals[face[k]] + unit);
    }
    return normals;
}

std::array<Vec3, 8> BoxCorners(const std::vector<Vec3>& vertices) {
    BoundingBox box;
    for (const Vec3& v : vertices)
        box.Extend(v);
    const Vec3& lo = box.min;
    const Vec3& hi = box.max;
    return {Vec3(lo.x, lo.y, lo.z), Vec3(hi.x, lo.y, lo.z), Vec3(hi.x, hi.y, lo.z),
            Vec3(lo.x, hi.y, lo.z), Vec3(lo.x, lo.y, hi.z), Vec3(hi.x, lo.y, hi.z),
            Vec3(hi.x, hi.y, hi.z), Vec3(lo.x, hi.y, hi.z)};
}

std::uint64_t Bits(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Drops the entries whose array is gone, once they outnumber a small table.
template <class Map> void ForgetExpired(Map& map) {
    if (map.size() < 64)
        return;
    for (auto it = map.begin(); it != map.end();)
        it = it->second.expired() ? map.erase(it) : std::next(it);
}

} // namespace

CBodyMesh::CBodyMesh(FigureMeshData& records, std::vector<unsigned char> fileBytes)
    : fileBytes(std::move(fileBytes)) {
    // Normals and boxes from the coordinates as read.
    std::array<std::vector<Vec3>, kSegmentCount> normals;
    for (int n = 0; n < kSegmentCount; ++n) {
        normals[n] = ComputeNormals(records[n].vertices, records[n].faces);
        segments[n].boxCorners = BoxCorners(records[n].vertices);
    }
    // Joint points as read: a segment's first vertex; the pelvis turns about the midpoint of
    // the hip joints. A segment's children are the segments naming it as parent, in number order.
    Vec3 origins[kSegmentCount];
    for (int n = 0; n < kSegmentCount; ++n)
        origins[n] = records[n].vertices.front();
    origins[kAbdomen] =
        (records[kLeftLeg].vertices.front() + records[kRightLeg].vertices.front()) / 2.0;
    for (int child = 0; child < kSegmentCount; ++child)
        if (const int up = SegmentInfoOf(child).parent; up != kNoSegment)
            segments[up].childOffsets.push_back(records[child].vertices.front() - origins[up]);
    // Every mesh into its segment frame (origin at the joint).
    for (int n = 0; n < kSegmentCount; ++n) {
        SegmentMesh& s = segments[n];
        s.meshOrigin = origins[n];
        std::vector<Vec3>& vertices = records[n].vertices;
        for (Vec3& v : vertices)
            v = v - origins[n];
        for (Vec3& corner : s.boxCorners)
            corner = corner - origins[n];
        s.massCentre = vertices.back();
        s.vertices = std::move(vertices);
        s.normals = std::move(normals[n]);
        s.faces = std::move(records[n].faces);
    }
}

SharedArray<Vec3> CBodyMesh::ScaledVertices(int index, const Vec3& scale) const {
    const ScaleKey key{index, Bits(scale.x), Bits(scale.y), Bits(scale.z)};
    const std::lock_guard<std::mutex> lock(scaledMutex);
    if (auto shared = scaled[key].lock())
        return SharedArray<Vec3>(std::move(shared));
    const Matrix4 s = Scaling(scale);
    std::vector<Vec3> vertices;
    vertices.reserve(segments[index].vertices.size());
    for (const Vec3& v : segments[index].vertices)
        vertices.push_back(TransformPoint(s, v));
    SharedArray<Vec3> result(std::move(vertices));
    scaled[key] = result.Shared();
    ForgetExpired(scaled);
    return result;
}

std::shared_ptr<const CBodyMesh> LoadBodyMesh(const std::string& path) {
    std::vector<unsigned char> bytes;
    if (!ReadFileBytes(path, kMaxMeshFileSize, bytes))
        return nullptr;
    // Meshes in use by some figure, by file; a file whose bytes changed is read anew.
    static std::mutex mutex;
    static std::map<std::string, std::weak_ptr<const CBodyMesh>> inUse;
    const std::lock_guard<std::mutex> lock(mutex);
    if (auto mesh = inUse[path].lock(); mesh && mesh->FileBytes() == bytes)
        return mesh;
    auto records = std::make_unique<FigureMeshData>();
    if (!ParseMeshFile(bytes.data(), bytes.size(), *records))
        return nullptr;
    auto mesh = std::make_shared<const CBodyMesh>(*records, std::move(bytes));
    inUse[path] = mesh;
    ForgetExpired(inUse);
    return mesh;
}
