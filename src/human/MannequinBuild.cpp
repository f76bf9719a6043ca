#include "human/Mannequin.h"

#include "biomech/Force.h"
#include "core/UserReporter.h"
#include "human/BodyMesh.h"

#include <string>

namespace {

// Scales a segment's geometry in its own frame (the mesh is centred on the joint); its
// vertices are those of `mesh`, shared with every figure of the same scale.
void ScaleSegment(CBodyPart& segment, const CBodyMesh& mesh, const Vec3& scale,
                  bool withMassCentre) {
    const Matrix4 s = Scaling(scale);
    segment.vertices = mesh.ScaledVertices(segment.segmentIndex, scale);
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
    std::string postureFailure;
    const auto applyPosture = [&] {
        if (ApplyStandardPosture(posture, &postureFailure))
            return true;
        if (!postureFailure.empty())
            reporter.Message(postureFailure);
        return false;
    };
    if (!LoadMesh(representation, reporter) || !ReadLimits(reporter) || !applyPosture() ||
        !anthropometry.Customize(sex, population, childAge, size, bodyType, 0, sizeMode, context) ||
        !ChangeBody(-1, reporter))
        return;
    ApplyFacing(facing);
    UpdateLoadLabels();
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
    // A copy keeping the figure's id keeps its segments' and loads' ids too: undo records of a
    // segment find it again after the figure was restored from a copy.
    for (int n = 0; n < kSegmentCount; ++n)
        segments[n] = std::make_unique<CBodyPart>(*source.segments[n], keepId);
    LinkSegments();
    settings = source.settings;
    bodyMesh = source.bodyMesh;
    valid = source.valid;
    representation = source.representation;
    anthropometry = source.anthropometry;
    leftFootprint = source.leftFootprint;
    rightFootprint = source.rightFootprint;
    gaitFrame = source.gaitFrame;
    for (const CForce* f : source.forces) {
        auto* copy = new CForce(*f, keepId);
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
        ScaleSegment(*segments[n], *bodyMesh, anthropometry.scale[n], true);
    for (int n = kFirstLeftFinger; n < kSegmentCount; ++n) {
        const int palm = n < kFirstRightFinger ? kLeftPalm : kRightPalm;
        ScaleSegment(*segments[n], *bodyMesh, anthropometry.scale[palm], false);
    }
    ComputeMassProperties(reporter);
    // Shown shapes take the new eyes and limb lengths.
    if (viewConeMode != kViewConeNone)
        BuildViewConeTemplates();
    for (int number = 0; number < kRangeVolumeCount; ++number)
        if (rangeVolumeShown[number])
            BuildRangeVolumeTemplate(number);
    UpdatePosture();
    UpdateLoadLabels();
    return 1;
}
