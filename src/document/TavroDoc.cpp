#include "document/TavroDoc.h"

#include "core/SceneObject.h"
#include "core/UserReporter.h"
#include "core/ViewModes.h"
#include "document/CloneObject.h"
#include "document/DocumentViews.h"
#include "document/SceneClipboard.h"
#include "human/Mannequin.h"
#include "human/Posture.h"

CTavroDoc::CTavroDoc(CDocumentViews& views, CUserReporter& reporter, CSceneClipboard& clipboard,
                     const CGlobalSettings& settings)
    : views(views), reporter(reporter), clipboard(clipboard), settings(settings) {}

CTavroDoc::~CTavroDoc() {
    Close();
}

int CTavroDoc::AddObject(CSceneObject* object) {
    if (!object->AddToList(objects)) {
        delete object;
        return 0;
    }
    return 1;
}

CSceneObject* CTavroDoc::SelectedObject() const {
    CSceneObject* result = nullptr;
    for (CSceneObject* o : objects)
        if (o->selected && (!result || !o->parent))
            result = o;
    return result;
}

CSceneObject* CTavroDoc::SelectedTopObject() const {
    CSceneObject* selected = SelectedObject();
    if (selected && selected->type == kTypeBodyPart && selected->parent)
        return selected->parent;
    return selected;
}

CSceneObject* CTavroDoc::FindById(int id) const {
    return objects.FindId(id);
}

CSceneObject* CTavroDoc::TopmostOf(CSceneObject* object) const {
    while (object && object->parent)
        object = object->parent;
    return object;
}

SceneReadContext CTavroDoc::ReadContext() const {
    return {&reporter, &settings, figureBuilder};
}

void CTavroDoc::ReportError(const std::string& text) const {
    reporter.Message(text, "Error");
}

void CTavroDoc::Changed() {
    modified = true;
    views.RedrawAllViews();
}

// --- Undo --------------------------------------------------------------------------------------

void CTavroDoc::PushUndo(int kind, const CSceneObject& object) {
    PushUndoRecord(std::make_unique<CUndoRecord>(kind, object));
}

void CTavroDoc::PushUndoRecord(std::unique_ptr<CUndoRecord> record) {
    undoStack.push_back(std::move(record));
    modified = true;
}

void CTavroDoc::OnUndo() {
    views.SetActiveViewMode(MODE_SELECT);
    if (undoStack.empty()) {
        ReportError("Nothing to Undo!");
        return;
    }
    std::unique_ptr<CUndoRecord> record = std::move(undoStack.back());
    undoStack.pop_back();
    if (undoStack.empty())
        undoStack.shrink_to_fit();
    UndoRecord(*record);
    Changed();
}

namespace {

// Takes a live object out of the list and out of its parent's child list, then deletes it.
void DeleteLive(CSceneObject* live, CObjectList& objects) {
    if (live->parent)
        live->parent->DetachChild(live);
    live->RemoveAndDelete(objects);
}

// Lists `copy` under `parent` (null for top level); deletes it when its id is already listed.
void Relist(CSceneObject* copy, CSceneObject* parent, CObjectList& objects) {
    copy->parent = nullptr;
    if (parent)
        parent->AddChild(copy);
    copy->Invalidate();
    if (!copy->AddToList(objects)) {
        if (parent)
            parent->DetachChild(copy);
        delete copy;
    }
}

} // namespace

void CTavroDoc::UndoRecord(CUndoRecord& record) {
    for (CUndoRecord::Entry& entry : record.entries) {
        const CSceneObject& stored = *entry.copy;
        CSceneObject* live = objects.FindId(stored.id);
        switch (entry.kind) {
        case kUndoAdded:
            if (live)
                DeleteLive(live, objects);
            break;
        case kUndoRemoved:
            Relist(CloneObject(stored, true), nullptr, objects);
            break;
        case kUndoChanged:
            if (!live)
                break;
            if (live->type == kTypeBodyPart) {
                RestoreBodyPart(*live, stored);
            } else {
                CSceneObject* parent = live->parent;
                DeleteLive(live, objects);
                Relist(CloneObject(stored, true), parent, objects);
            }
            break;
        default:
            break;
        }
    }
}

// --- Clipboard and deletion --------------------------------------------------------------------

int CTavroDoc::OnCopy() {
    CSceneObject* top = SelectedTopObject();
    if (!top)
        return 0;
    CSceneObject* source = TopmostOf(objects.FindId(top->id));
    if (!source)
        return 0;
    CSceneObject* copy = CloneObject(*source, false);
    copy->parent = nullptr;
    copy->Deselect();
    clipboard.Store(copy);
    return 1;
}

void CTavroDoc::OnCut() {
    CSceneObject* top = SelectedTopObject();
    CSceneObject* source = top ? TopmostOf(objects.FindId(top->id)) : nullptr;
    if (!source || top->type == kTypeForce)
        return;
    PushUndo(kUndoRemoved, *source);
    source->RemoveFromList(objects);
    clipboard.Store(source);
    Changed();
}

void CTavroDoc::OnPaste() {
    if (clipboard.IsEmpty())
        return;
    pendingOperation = kPendingPaste;
    views.SetActiveViewMode(MODE_PICK_POINT);
}

void CTavroDoc::PasteAt(const Vec3& point) {
    CSceneObject* object = clipboard.Take();
    if (!object)
        return;
    // A cut object whose removal was undone is listed again under its id: paste a copy.
    if (objects.ContainsId(object->id)) {
        CSceneObject* fresh = CloneObject(*object, false);
        delete object;
        object = fresh;
    }
    object->parent = nullptr;
    object->transform.m[3] = object->transform.m[7] = object->transform.m[11] = 0.0;
    object->transform = Translation(point) * object->transform;
    object->Invalidate();
    object->AddToList(objects);
    PushUndo(kUndoAdded, *object);
    CSceneObject* next = CloneObject(*object, false);
    next->parent = nullptr;
    next->Deselect();
    clipboard.Store(next);
    Changed();
}

void CTavroDoc::OnDelete() {
    CSceneObject* top = SelectedTopObject();
    if (!top || top->type == kTypeForce)
        return;
    CSceneObject* object = TopmostOf(objects.FindId(top->id));
    if (!object)
        return;
    PushUndo(kUndoRemoved, *object);
    object->RemoveAndDelete(objects);
    Changed();
}

// --- Pending operation -------------------------------------------------------------------------

void CTavroDoc::PointPicked(int result, const Vec3& point, const Vec3& second) {
    const int operation = pendingOperation;
    if (result != 1) {
        CancelPending();
        return;
    }
    switch (operation) {
    case kPendingPlaceMannequin:
        PlacePendingMannequin(point);
        break;
    case kPendingPlaceWheelchair:
        PlaceWheelchair(point);
        break;
    case kPendingPaste:
        PasteAt(point);
        break;
    case kPendingReach:
        // The view stays in its reach mode for the next point.
        ReachPicked(point, second);
        return;
    default:
        break;
    }
    pendingOperation = kPendingNone;
}

// --- Closing -----------------------------------------------------------------------------------

void CTavroDoc::ClearObjects() {
    while (!objects.empty()) {
        CSceneObject* head = objects.front();
        // Child objects (segments, forces, wheelchairs, group members) belong to their owner.
        if (head->parent)
            head->RemoveFromList(objects);
        else
            head->RemoveAndDelete(objects);
    }
}

void CTavroDoc::Close() {
    ClearObjects();
    undoStack.clear();
    undoStack.shrink_to_fit();
    initialPosture.reset();
    finalPosture.reset();
    CancelPending();
}
