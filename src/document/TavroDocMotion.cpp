// The figure commands that move a figure from the view: reaching a picked point and walking a
// drawn path.
#include "document/TavroDoc.h"

#include "core/ViewModes.h"
#include "document/DocumentViews.h"
#include "human/Mannequin.h"

namespace {

// Whether any joint of the two figures differs.
bool SamePosture(const CMannequin& a, const CMannequin& b) {
    for (int n = 0; n < kSegmentCount; ++n) {
        const CBodyPart& p = *a.GetSegment(n);
        const CBodyPart& q = *b.GetSegment(n);
        if (p.angles != q.angles || p.jointRotation != q.jointRotation)
            return false;
    }
    return true;
}

} // namespace

void CTavroDoc::OnReach(int mode) {
    if (mode != MODE_REACH_LEFT && mode != MODE_REACH_RIGHT)
        return;
    if (!RequireCurrentMannequin())
        return;
    CancelPending();
    pendingOperation = kPendingReach;
    reachMode = mode;
    views.SetActiveViewMode(mode);
}

void CTavroDoc::ReachPicked(const Vec3& point, const Vec3& direction) {
    ReachWith(reachMode == MODE_REACH_LEFT ? kLeftPalm : kRightPalm, point, direction);
}

int CTavroDoc::ReachWith(int hand, const Vec3& point, const Vec3& direction) {
    CMannequin* figure = RequireCurrentMannequin();
    if (!figure)
        return 0;
    auto record = std::make_unique<CUndoRecord>(kUndoChanged, *figure);
    const int reached = figure->Reach(hand, point, direction, reporter);
    if (!reached)
        return 0;
    figure->UpdatePosture();
    if (!SamePosture(*figure, static_cast<const CMannequin&>(*record->entries.front().copy)))
        PushUndoRecord(std::move(record));
    Changed();
    return 1;
}

void CTavroDoc::OnWalkPath(bool record) {
    if (!RequireCurrentMannequin())
        return;
    // The path is a new object: whatever an earlier tool drew stays as it is.
    drawnObjectId = 0;
    views.SetActiveViewMode(record ? MODE_WALK_RECORD_PATH : MODE_WALK_PATH);
}

CMannequin* CTavroDoc::WalkingFigure() const {
    CSceneObject* figure = walkingFigureId ? FindById(walkingFigureId) : nullptr;
    return figure && figure->type == kTypeMannequin ? static_cast<CMannequin*>(figure) : nullptr;
}

int CTavroDoc::BeginWalk(const std::vector<Vec3>& path) {
    CMannequin* figure = CurrentMannequin();
    if (!figure || path.size() < 2)
        return 0;
    PushUndo(kUndoChanged, *figure);
    figure->StartWalk(path);
    walkingFigureId = figure->id;
    return 1;
}

int CTavroDoc::WalkStep() {
    CMannequin* figure = WalkingFigure();
    if (!figure || !figure->WalkStep())
        return 0;
    figure->UpdatePosture();
    views.RedrawAllViews();
    return 1;
}

void CTavroDoc::EndWalk() {
    if (CMannequin* figure = WalkingFigure())
        figure->EndWalk();
    walkingFigureId = 0;
    Changed();
}
