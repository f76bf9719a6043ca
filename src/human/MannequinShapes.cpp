#include "human/Mannequin.h"

#include "draw/DrawingShapes.h"
#include "human/EyePoints.h"

#include <cmath>

void CMannequin::ShowViewCone(int mode) {
    if (ViewConeCount(mode) == 0) {
        HideViewCone();
        return;
    }
    viewConeMode = mode;
    BuildViewConeTemplates();
    UpdatePosture();
}

void CMannequin::HideViewCone() {
    viewConeMode = kViewConeNone;
    UpdatePosture();
}

void CMannequin::ShowRangeVolume(int number) {
    if (number < 0 || number >= kRangeVolumeCount)
        return;
    rangeVolumeShown[number] = 1;
    BuildRangeVolumeTemplate(number);
    UpdatePosture();
}

void CMannequin::HideRangeVolume(int number) {
    if (number < 0 || number >= kRangeVolumeCount)
        return;
    rangeVolumeShown[number] = 0;
    UpdatePosture();
}

Matrix4 CMannequin::HeadWorldFrame() const {
    Matrix4 frame(true);
    GetSegmentFrame(kHead, frame);
    return frame * segments[kHead]->jointRotation;
}

Matrix4 CMannequin::RangeVolumeFrame(int number) const {
    Matrix4 frame(true);
    GetSegmentFrame(RangeVolumeOf(number).baseSegment, frame);
    return frame;
}

void CMannequin::BuildViewConeTemplates() {
    for (auto& cone : viewConeTemplates)
        cone.reset();
    Vec3 first, second;
    const int count = ViewConeCount(viewConeMode);
    if (count == 0 || !EyeVertices(*segments[kHead], first, second))
        return;
    // Every cone of a mode has the same shape; only its placement and colour differ.
    const ViewConeParameters& shape = ViewConeOf(viewConeMode, 0);
    const double apexRadius = std::abs(first.x - second.x) / 2.0;
    const Vec3 eyeCentre = (first + second) / 2.0;
    for (int slot = 0; slot < count; ++slot) {
        const ViewConeParameters& row = ViewConeOf(viewConeMode, slot);
        auto cone = std::make_unique<CPolyface>();
        cone->BuildConeMesh(shape.halfAngleA, shape.halfAngleB, shape.length, apexRadius, kAxisZ,
                            false);
        cone->colour = row.colour;
        viewConeTemplates[slot] = std::move(cone);
        viewConePlacement[slot] =
            Translation(eyeCentre) * RotationX(row.tiltX) * RotationY(row.turnY);
    }
}

void CMannequin::BuildRangeVolumeTemplate(int number) {
    const RangeVolumeParameters& row = RangeVolumeOf(number);
    double radius = 0.0;
    for (int segment : row.chain) {
        const CBodyPart& part = *segments[segment];
        if (part.vertices.size() > 1)
            radius += Length(part.vertices[1]);
    }
    rangeVolumeTemplates[number].reset();
    if (radius == 0.0)
        return;
    auto volume = std::make_unique<CPolyface>();
    BuildRangeVolumeGrid(*volume, radius, row.phiFrom, row.phiTo, row.thetaLimit);
    volume->colour = row.colour;
    rangeVolumeTemplates[number] = std::move(volume);
    const CBodyPart& base = *segments[row.baseSegment];
    rangeVolumePlacement[number] = Translation(base.vertices.empty() ? Vec3() : base.vertices[0]);
}

void CMannequin::PlaceShapes() {
    const Matrix4 head = HeadWorldFrame();
    for (int slot = 0; slot < kViewConeSlots; ++slot) {
        if (slot < ViewConeCount(viewConeMode) && viewConeTemplates[slot])
            PlaceShape(viewCones[slot], *viewConeTemplates[slot], head * viewConePlacement[slot]);
        else
            viewCones[slot].reset();
    }
    for (int number = 0; number < kRangeVolumeCount; ++number) {
        if (rangeVolumeShown[number] && rangeVolumeTemplates[number])
            PlaceShape(rangeVolumes[number], *rangeVolumeTemplates[number],
                       RangeVolumeFrame(number) * rangeVolumePlacement[number]);
        else
            rangeVolumes[number].reset();
    }
}
