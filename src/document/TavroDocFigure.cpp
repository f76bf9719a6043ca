#include "document/TavroDoc.h"

#include "biomech/Force.h"
#include "biomech/Units.h"
#include "core/BoundingBox.h"
#include "core/DataDirectory.h"
#include "core/GlobalSettings.h"
#include "core/UserReporter.h"
#include "core/ViewModes.h"
#include "document/DocumentViews.h"
#include "document/SceneFileReader.h"
#include "human/Mannequin.h"
#include "io/PostureFile.h"

#include <cmath>

namespace {

constexpr double kStepDegrees = 5.0;

CMannequin* FigureOf(CSceneObject* object) {
    while (object && object->type != kTypeMannequin)
        object = object->parent;
    return static_cast<CMannequin*>(object);
}

} // namespace

CMannequin* CTavroDoc::CurrentMannequin() const {
    CSceneObject* selected = SelectedObject();
    if (!selected)
        return nullptr;
    if (selected->type == kTypeMannequin)
        return static_cast<CMannequin*>(selected);
    if (selected->type == kTypeBodyPart)
        return FigureOf(selected->parent);
    return nullptr;
}

CMannequin* CTavroDoc::RequireCurrentMannequin() const {
    CMannequin* figure = CurrentMannequin();
    if (!figure)
        ReportError("No current mannequin.");
    return figure;
}

void CTavroDoc::RestoreBodyPart(CSceneObject& live, const CSceneObject& stored) {
    auto& part = static_cast<CBodyPart&>(live);
    const auto& saved = static_cast<const CBodyPart&>(stored);
    part.angles = saved.angles;
    part.jointRotation = saved.jointRotation;
    part.Invalidate();
    if (part.figure)
        part.figure->UpdatePosture();
}

// --- Step rotation -----------------------------------------------------------------------------

void CTavroDoc::OnStepRotation(int axis, int direction) {
    if (axis < 0 || axis > 2)
        return;
    const double step = direction < 0 ? -kStepDegrees : kStepDegrees;
    CSceneObject* selected = SelectedObject();
    if (selected && selected->type == kTypeBodyPart) {
        auto* part = static_cast<CBodyPart*>(selected);
        PushUndo(kUndoChanged, *part);
        part->RotateAxis(axis, step);
        if (part->figure)
            part->figure->UpdatePosture();
    } else if (selected && selected->type == kTypeMannequin) {
        PushUndo(kUndoChanged, *selected);
        const Matrix4 turn =
            axis == 0 ? RotationX(step) : (axis == 1 ? RotationY(step) : RotationZ(step));
        selected->transform = selected->transform * turn;
        selected->Invalidate();
    } else {
        return;
    }
    Changed();
}

// --- Placing new figures -----------------------------------------------------------------------

int CTavroDoc::BeginPlaceMannequin(CMannequin* figure, const std::string& postureFile) {
    std::unique_ptr<CMannequin> owned(figure);
    if (!postureFile.empty()) {
        CPosture posture;
        if (!ReadPostureFile(posture, postureFile)) {
            ReportError("Failed to read file.");
            return 0;
        }
        ApplyPosture(*owned, posture);
        owned->UpdatePosture();
    }
    CancelPending();
    pendingFigure = std::move(owned);
    pendingFigureBuilt = pendingFigure->transform;
    pendingOperation = kPendingPlaceMannequin;
    views.SetActiveViewMode(MODE_PICK_POINT);
    modified = true;
    return 1;
}

void CTavroDoc::BeginPlaceWheelchair(int facing, int percentile, int gender) {
    CancelPending();
    wheelchairFacing = facing;
    wheelchairPercentile = percentile;
    wheelchairGender = gender;
    pendingOperation = kPendingPlaceWheelchair;
    views.SetActiveViewMode(MODE_PICK_POINT);
    modified = true;
}

std::string CTavroDoc::WheelchairFileName(int percentile, int gender) {
    const char* size = percentile == 1 ? "5" : (percentile == 3 ? "95" : "50");
    return std::string("whtv") + size + (gender == 1 ? "m" : "f") + ".___";
}

void CTavroDoc::CancelPending() {
    pendingFigure.reset();
    pendingFigureShown = false;
    pendingOperation = kPendingNone;
}

namespace {

// Where a viewing ray through `point` meets the floor (y = 0) within its tiles; false when the
// floor is hidden, seen edge-on or missed.
bool FloorPointOnRay(const CGlobalSettings& settings, const Vec3& point, const Vec3& direction,
                     Vec3& onFloor) {
    if (!settings.showSceneFloor || std::fabs(direction.y) < 1e-9)
        return false;
    onFloor = point - direction * (point.y / direction.y);
    onFloor.y = 0.0;
    const double half =
        ConvertLength(settings.lengthUnit, settings.tileUnit, kInches) * settings.numberOfTiles;
    return std::fabs(onFloor.x) <= half && std::fabs(onFloor.z) <= half;
}

} // namespace

void CTavroDoc::StandPendingFigure(const Vec3& point, const Vec3& direction) {
    CMannequin& figure = *pendingFigure;
    Vec3 onFloor;
    const bool standing = FloorPointOnRay(settings, point, direction, onFloor);
    figure.transform = Translation(standing ? onFloor : point) * pendingFigureBuilt;
    figure.UpdatePosture();
    if (standing) {
        BoundingBox box;
        figure.CollectBounds(box);
        if (box.valid) {
            figure.transform = Translation(Vec3(0.0, -box.min.y, 0.0)) * figure.transform;
            figure.UpdatePosture();
        }
    }
}

bool CTavroDoc::MovePlacementPreview(const Vec3& point, const Vec3& direction) {
    if (pendingOperation != kPendingPlaceMannequin || !pendingFigure)
        return false;
    StandPendingFigure(point, direction);
    pendingFigureShown = true;
    return true;
}

CMannequin* CTavroDoc::PlacementPreview() const {
    return pendingOperation == kPendingPlaceMannequin && pendingFigureShown ? pendingFigure.get()
                                                                            : nullptr;
}

void CTavroDoc::PlacePendingMannequin(const Vec3& point, const Vec3& direction) {
    if (!pendingFigure)
        return;
    StandPendingFigure(point, direction);
    pendingFigureShown = false;
    CMannequin* figure = pendingFigure.release();
    figure->AddToList(objects);
    PushUndo(kUndoAdded, *figure);
    views.RedrawAllViews();
}

void CTavroDoc::PlaceWheelchair(const Vec3& point) {
    CObjectList read;
    CMannequin* figure = nullptr;
    if (ReadSceneFile(DataPath(WheelchairFileName(wheelchairPercentile, wheelchairGender)), read,
                      ReadContext()))
        for (CSceneObject* o : read)
            if (o->type == kTypeMannequin) {
                figure = static_cast<CMannequin*>(o);
                break;
            }
    if (!figure) {
        reporter.Message("Problem loading the wheel chair file.", "Tavrona");
        DeleteTopLevelObjects(read);
        return;
    }
    for (CSceneObject* o : read)
        objects.Append(o);
    for (CSceneObject* o : read)
        if (o->type == kTypeGroup && !o->parent) {
            o->type = kTypeWheelchair;
            figure->AddChild(o);
            for (int i : {3, 7, 11})
                o->transform.m[i] -= figure->transform.m[i];
            break;
        }
    static const double kFacingDegrees[4] = {-90.0, 90.0, 0.0, 180.0};
    const int facing = wheelchairFacing >= 0 && wheelchairFacing < 4 ? wheelchairFacing : 2;
    figure->transform = Translation(point) * RotationY(kFacingDegrees[facing]);
    figure->UpdatePosture();
    PushUndo(kUndoAdded, *figure);
    views.RedrawAllViews();
}

// --- Postures ----------------------------------------------------------------------------------

void CTavroDoc::OnSavePosture() {
    CMannequin* figure = RequireCurrentMannequin();
    std::string path;
    if (!figure || !views.ChooseSaveFile(kFilterPos, "*.pos", path))
        return;
    CPosture posture;
    CapturePosture(*figure, posture);
    std::string failure;
    if (!WritePostureFile(posture, path, &failure))
        ReportError("Failed to save file.\n" + failure);
}

int CTavroDoc::ApplyPostureFile(const std::string& path) {
    CMannequin* figure = RequireCurrentMannequin();
    if (!figure)
        return 0;
    CPosture posture;
    if (!ReadPostureFile(posture, path)) {
        ReportError("Failed to read file.");
        return 0;
    }
    PushUndo(kUndoChanged, *figure);
    ApplyPosture(*figure, posture);
    figure->UpdatePosture();
    Changed();
    return 1;
}

void CTavroDoc::OnSetPosture(bool final) {
    CMannequin* figure = RequireCurrentMannequin();
    if (!figure)
        return;
    std::unique_ptr<CPosture>& posture = final ? finalPosture : initialPosture;
    if (!posture) {
        PushUndo(kUndoChanged, *figure);
        posture = std::make_unique<CPosture>();
    }
    CapturePosture(*figure, *posture);
}

void CTavroDoc::OnViewPosture(bool final) {
    const CPosture* posture = final ? finalPosture.get() : initialPosture.get();
    CMannequin* figure = posture ? RequireCurrentMannequin() : nullptr;
    if (!figure)
        return;
    PushUndo(kUndoChanged, *figure);
    ApplyPosture(*figure, *posture);
    figure->UpdatePosture();
    Changed();
}
