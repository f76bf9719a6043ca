#include "human/Mannequin.h"

#include "core/BoundingBox.h"
#include "core/ByteReader.h"
#include "core/ColourPalette.h"
#include "core/DataDirectory.h"
#include "core/UserReporter.h"
#include "human/BodyFiles.h"
#include "human/Representation.h"

namespace {

// Palette index of each segment's colour: trunk cyan, upper arms light red, forearms red,
// lower legs, feet and head blue, everything else light blue.
int SegmentPaletteIndex(int segment) {
    switch (segment) {
    case kChest:
    case kNeck:
        return 3;
    case kLeftArm:
    case kRightArm:
        return 12;
    case kLeftForearm:
    case kRightForearm:
        return 4;
    case kLeftLowerLeg:
    case kRightLowerLeg:
    case kLeftFoot:
    case kRightFoot:
    case kHead:
        return 1;
    default:
        return 9;
    }
}

// Vertex normals: each face's unit normal is added to its first three corners' normals (the
// fourth gets nothing), renormalising after each face; degenerate faces add nothing.
void ComputeNormals(CBodyPart& part) {
    part.normals.assign(part.vertices.size(), Vec3());
    for (const Quad& face : part.faces) {
        const Vec3 n =
            TriangleNormal(part.vertices[face[0]], part.vertices[face[1]], part.vertices[face[2]]);
        if (!(Length(n) > 0.0))
            continue;
        const Vec3 unit = Normalize(n);
        for (int k = 0; k < 3; ++k)
            part.normals[face[k]] = Normalize(part.normals[face[k]] + unit);
    }
}

void SetBoxCorners(CBodyPart& part) {
    BoundingBox box;
    for (const Vec3& v : part.vertices)
        box.Extend(v);
    const Vec3& lo = box.min;
    const Vec3& hi = box.max;
    part.boxCorners = {Vec3(lo.x, lo.y, lo.z), Vec3(hi.x, lo.y, lo.z), Vec3(hi.x, hi.y, lo.z),
                       Vec3(lo.x, hi.y, lo.z), Vec3(lo.x, lo.y, hi.z), Vec3(hi.x, lo.y, hi.z),
                       Vec3(hi.x, hi.y, hi.z), Vec3(lo.x, hi.y, hi.z)};
}

} // namespace

std::string CMannequin::MeshFileName(int representation) const {
    return DataPath(RepresentationMeshFile(representation, anthropometry.gender == kMale));
}

int CMannequin::LoadMesh(int newRepresentation, CUserReporter& reporter) {
    representation = newRepresentation;
    const std::string path = MeshFileName(representation);
    std::vector<unsigned char> bytes;
    auto mesh = std::make_unique<FigureMeshData>();
    // A file that is cut short or inconsistent is treated like a missing one: nothing changes.
    if (RepresentationMeshFile(representation, true)[0] == '\0' ||
        !ReadFileBytes(path, kMaxMeshFileSize, bytes) ||
        !ParseMeshFile(bytes.data(), bytes.size(), *mesh)) {
        reporter.Message("Cannot open HUMAN MESH file: " + path);
        return 0;
    }

    ApplyMesh(*mesh);
    return 1;
}

void CMannequin::ApplyMesh(FigureMeshData& mesh) {
    for (int n = 0; n < kSegmentCount; ++n) {
        CBodyPart& part = *segments[n];
        part.colour = PaletteColour(SegmentPaletteIndex(n));
        part.vertices = std::move(mesh[n].vertices);
        part.faces = std::move(mesh[n].faces);
        ComputeNormals(part);
        SetBoxCorners(part);
    }

    // Joint points as read: a segment's first vertex; the pelvis turns about the midpoint of
    // the hip joints.
    Vec3 origins[kSegmentCount];
    for (int n = 0; n < kSegmentCount; ++n)
        origins[n] = segments[n]->vertices.front();
    origins[kAbdomen] =
        (segments[kLeftLeg]->vertices.front() + segments[kRightLeg]->vertices.front()) / 2.0;
    for (int n = 0; n < kSegmentCount; ++n) {
        CBodyPart& part = *segments[n];
        part.childOffsets.resize(part.childSegments.size());
        for (std::size_t c = 0; c < part.childSegments.size(); ++c)
            part.childOffsets[c] = part.childSegments[c]->vertices.front() - origins[n];
    }
    // Move every mesh into its segment frame (origin at the joint).
    for (int n = 0; n < kSegmentCount; ++n) {
        CBodyPart& part = *segments[n];
        if (n != kAbdomen)
            part.meshOrigin = origins[n];
        for (Vec3& v : part.vertices)
            v = v - origins[n];
        for (Vec3& corner : part.boxCorners)
            corner = corner - origins[n];
        part.massCentre = part.vertices.back();
        part.Invalidate();
    }
}
