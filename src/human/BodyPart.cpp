#include "human/BodyPart.h"

#include "human/Mannequin.h"
#include "human/PointPlacement.h"

CBodyPart::CBodyPart() {
    type = kTypeBodyPart;
    SetName("Bodypart");
}

CBodyPart::CBodyPart(const CBodyPart& source, bool keepId)
    : CSceneObject(source, keepId), segmentIndex(source.segmentIndex), vertices(source.vertices),
      normals(source.normals), faces(source.faces), worldVertices(source.worldVertices),
      jointRotation(source.jointRotation), upperLimits(source.upperLimits),
      lowerLimits(source.lowerLimits), limitsEnabled(source.limitsEnabled), angles(source.angles),
      childOffsets(source.childOffsets), boxCorners(source.boxCorners),
      massCentre(source.massCentre), meshOrigin(source.meshOrigin), inertia(source.inertia),
      mass(source.mass), volume(source.volume) {
    parent = nullptr;
    for (int i = 0; i < 3; ++i) {
        motionNames[i] = source.motionNames[i];
        forceNames[i] = source.forceNames[i];
        momentNames[i] = source.momentNames[i];
    }
}

int CBodyPart::IsLinkedSelected() const {
    return counterpart ? counterpart->selected : 0;
}

void CBodyPart::ExtendBounds(BoundingBox& box, const Matrix4& world) const {
    // The segment's geometry as drawn: its base frame followed by its own joint rotation.
    Matrix4 base(true);
    if (figure)
        figure->GetSegmentFrame(segmentIndex, base);
    const Matrix4 placed = base * jointRotation;
    for (const Vec3& v : vertices)
        box.Extend(TransformPoint(placed, v));
}

void CBodyPart::SaveTransform() {
    if (figure)
        figure->SavePosture();
}

void CBodyPart::RestoreTransform() {
    if (figure)
        figure->RestoreSavedPosture();
}

void CBodyPart::UpdateWorld(const Matrix4& base) {
    const Matrix4 world = base * jointRotation;
    transform = world;
    PlacePoints(world, vertices, worldVertices);
    for (std::size_t c = 0; c < childSegments.size(); ++c) {
        CBodyPart* child = childSegments[c];
        child->UpdateWorld(ChildBase(static_cast<int>(c), base, world));
    }
}

Matrix4 CBodyPart::ChildBase(int childNumber, const Matrix4& base, const Matrix4& world) const {
    const Matrix4 offset = Translation(childOffsets[childNumber]);
    return IsLegSegment(childSegments[childNumber]->segmentIndex) ? base * offset : world * offset;
}
