#include "human/Mannequin.h"

#include "biomech/Force.h"
#include "core/UserReporter.h"

namespace {

// Scales a segment's geometry in its own frame (the mesh is centred on the joint).
void ScaleSegment(CBodyPart& segment, const Vec3& scale, bool withMassCentre) {
    const Matrix4 s = Scaling(scale);
    for (Vec3& v : segment.vertices)
        v = TransformPoint(s, v);
    for (Vec3& offset : segment.childOffsets)
        offset = TransformPoint(s, offset);
    for (Vec3& corner : segment.boxCorners)
        corner = TransformPoint(s, corner);
    if (withMassCentre)
        segment.massCentre = TransformPoint(s, segment.massCentre);
}

} // namespace

CMannequin::CMannequin(int representation, int sex, int childAge, int size, int bodyType,
                       int population, int posture, int facing, int sizeMode,
                       const CAnthropometryContext& context)
    : CMannequin() {
    CUserReporter& reporter = context.reporter;
    // The mesh file follows the recorded sex: record it first, so that a woman's figure reads
    // the female mesh in both loads and does not depend on the male file.
    anthropometry.gender = static_cast<std::uint8_t>(sex == kMale ? kMale : kFemale);
    if (!LoadMesh(representation, reporter) || !ReadLimits(reporter) ||
        !ApplyStandardPosture(posture) ||
        !anthropometry.Customize(sex, population, childAge, size, bodyType, 0, sizeMode, context) ||
        !ChangeBody(-1, reporter))
        return;
    ApplyFacing(facing);
    valid = 1;
}

CMannequin::CMannequin(int representation, const CAnthropometry& stored, CUserReporter& reporter)
    : CMannequin() {
    if (!LoadMesh(representation, reporter))
        return;
    anthropometry = stored;
    valid = ChangeBody(-1, reporter) && ReadLimits(reporter);
}

CMannequin::CMannequin(const CMannequin& source, bool keepId) : CSceneObject(source, keepId) {
    if (!keepId)
        colour = id;
    for (int n = 0; n < kSegmentCount; ++n)
        segments[n] = std::make_unique<CBodyPart>(*source.segments[n], false);
    LinkSegments();
    settings = source.settings;
    valid = source.valid;
    representation = source.representation;
    anthropometry = source.anthropometry;
    leftFootprint = source.leftFootprint;
    rightFootprint = source.rightFootprint;
    gaitFrame = source.gaitFrame;
    for (const CForce* f : source.forces) {
        auto* copy = new CForce(*f, false);
        copy->colour = colour;
        segments[copy->segment]->AddChild(copy);
        copy->parent = this;
        forces.push_back(copy);
    }
}

int CMannequin::ChangeBody(int newRepresentation, CUserReporter& reporter) {
    if (newRepresentation != -1)
        representation = newRepresentation;
    // Always from the file: scaling the freshly read mesh never compounds.
    if (!LoadMesh(representation, reporter))
        return 0;
    for (int n = 0; n < kMainSegmentCount; ++n)
        ScaleSegment(*segments[n], anthropometry.scale[n], true);
    for (int n = kFirstLeftFinger; n < kSegmentCount; ++n) {
        const int palm = n < kFirstRightFinger ? kLeftPalm : kRightPalm;
        ScaleSegment(*segments[n], anthropometry.scale[palm], false);
    }
    ComputeMassProperties(reporter);
    // Shown shapes take the new eyes and limb lengths.
    if (viewConeMode != kViewConeNone)
        BuildViewConeTemplates();
    for (int number = 0; number < kRangeVolumeCount; ++number)
        if (rangeVolumeShown[number])
            BuildRangeVolumeTemplate(number);
    UpdatePosture();
    return 1;
}
