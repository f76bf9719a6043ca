#include "human/Mannequin.h"

#include "core/ColourPalette.h"
#include "core/DataDirectory.h"
#include "core/UserReporter.h"
#include "human/BodyMesh.h"
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

} // namespace

std::string CMannequin::MeshFileName(int representation) const {
    return DataPath(RepresentationMeshFile(representation, anthropometry.gender == kMale));
}

int CMannequin::LoadMesh(int newRepresentation, CUserReporter& reporter) {
    representation = newRepresentation;
    const std::string path = MeshFileName(representation);
    // A file that is cut short or inconsistent is treated like a missing one: nothing changes.
    std::shared_ptr<const CBodyMesh> mesh;
    if (RepresentationMeshFile(representation, true)[0] == '\0' || !(mesh = LoadBodyMesh(path))) {
        reporter.Message("Cannot open HUMAN MESH file: " + path);
        return 0;
    }
    UseMesh(std::move(mesh));
    return 1;
}

void CMannequin::ApplyMesh(FigureMeshData& mesh) {
    UseMesh(std::make_shared<const CBodyMesh>(mesh));
}

void CMannequin::UseMesh(std::shared_ptr<const CBodyMesh> mesh) {
    bodyMesh = std::move(mesh);
    for (int n = 0; n < kSegmentCount; ++n) {
        CBodyPart& part = *segments[n];
        const SegmentMesh& s = bodyMesh->Segment(n);
        part.colour = PaletteColour(SegmentPaletteIndex(n));
        part.vertices = s.vertices;
        part.normals = s.normals;
        part.faces = s.faces;
        part.childOffsets = s.childOffsets;
        part.boxCorners = s.boxCorners;
        part.massCentre = s.massCentre;
        // The pelvis's joint is no vertex of its own mesh.
        if (n != kAbdomen)
            part.meshOrigin = s.meshOrigin;
        part.Invalidate();
    }
}
