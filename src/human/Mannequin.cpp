#include "human/Mannequin.h"

#include <algorithm>

CMannequin::CMannequin() {
    type = kTypeMannequin;
    SetName("Human");
    attributeB = 1;
    colour = id;
    for (auto& segment : segments)
        segment = std::make_unique<CBodyPart>();
    LinkSegments();
}

CMannequin::~CMannequin() {
    // The segments die with `segments`; the base destructor must not see them in the list.
    for (auto& segment : segments)
        children.Remove(segment.get());
}

void CMannequin::LinkSegments() {
    for (int n = 0; n < kSegmentCount; ++n) {
        CBodyPart* segment = segments[n].get();
        const SegmentInfo& info = SegmentInfoOf(n);
        segment->figure = this;
        segment->segmentIndex = n;
        segment->SetName(info.name);
        segment->parentSegment = info.parent == kNoSegment ? nullptr : segments[info.parent].get();
        segment->counterpart =
            info.counterpart == kNoSegment ? nullptr : segments[info.counterpart].get();
        segment->childSegments.clear();
        AddChild(segment);
    }
    for (int n = 0; n < kSegmentCount; ++n)
        if (CBodyPart* up = segments[n]->parentSegment)
            up->childSegments.push_back(segments[n].get());
    for (auto& segment : segments)
        segment->childOffsets.resize(segment->childSegments.size());
}

void CMannequin::Deselect() {
    CSceneObject::Deselect();
    for (auto& segment : segments)
        segment->Deselect();
}

void CMannequin::UpdatePosture() {
    Invalidate();
    segments[kAbdomen]->UpdateWorld(transform);
    PlaceShapes();
}

CBodyPart* CMannequin::GetSegment(int index) {
    return IsValidSegmentIndex(index) ? segments[index].get() : nullptr;
}

const CBodyPart* CMannequin::GetSegment(int index) const {
    return IsValidSegmentIndex(index) ? segments[index].get() : nullptr;
}

int CMannequin::SegmentFrameFrom(const Matrix4& root, int index, Matrix4& out) const {
    if (!IsValidSegmentIndex(index))
        return 0;
    // Path from the pelvis down to the segment, then the same composition as UpdateWorld.
    const CBodyPart* path[kSegmentCount];
    int depth = 0;
    for (const CBodyPart* s = segments[index].get(); s; s = s->parentSegment)
        path[depth++] = s;
    Matrix4 base = root;
    for (int k = depth - 1; k > 0; --k) {
        const CBodyPart* up = path[k];
        const auto& kids = up->childSegments;
        const int childNumber =
            static_cast<int>(std::find(kids.begin(), kids.end(), path[k - 1]) - kids.begin());
        base = up->ChildBase(childNumber, base, base * up->jointRotation);
    }
    out = base;
    return 1;
}

int CMannequin::GetSegmentFrame(int index, Matrix4& out) const {
    return SegmentFrameFrom(transform, index, out);
}

int CMannequin::GetSegmentLocalFrame(int index, Matrix4& out) const {
    return SegmentFrameFrom(Matrix4(true), index, out);
}

int CMannequin::RotateSegment(int index, double angle, int axis) {
    if (!IsValidSegmentIndex(index) || axis < 0 || axis > 2)
        return kWithinLimits;
    return segments[index]->RotateAxis(axis, angle);
}

int CMannequin::ShowsMassCentres() const {
    return representation == 0 && anthropometry.gender == kMale &&
           !IsChildPopulation(anthropometry.population);
}

void CMannequin::SavePosture() {
    CapturePosture(*this, savedPosture);
}

void CMannequin::RestoreSavedPosture() {
    ApplyPosture(*this, savedPosture);
}
