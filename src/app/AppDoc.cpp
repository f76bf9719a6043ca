#include "app/AppDoc.h"

#include "app/ChildFrame.h"
#include "app/CommandIds.h"
#include "app/MainFrame.h"
#include "app/TavroApp.h"
#include "draw/Polyface.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "human/Representation.h"
#include "model/BoundingBox.h"
#include "model/GlobalSettings.h"
#include "model/SceneObject.h"
#include "view/TavroView.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>

CAppDoc::CAppDoc(CTavroApp& app, const QString& untitledName) : app(app), title(untitledName) {}

CAppDoc::~CAppDoc() {
    while (!objects.empty())
        objects.front()->RemoveAndDelete(objects);
}

CMainFrame& CAppDoc::Frame() {
    return *app.MainFrame();
}

void CAppDoc::SetPathName(const QString& path) {
    pathName = QFileInfo(path).absoluteFilePath();
    title = QFileInfo(path).fileName();
    Q_EMIT TitleChanged();
}

void CAppDoc::SetModifiedFlag(bool value) {
    if (modified == value)
        return;
    modified = value;
    Q_EMIT TitleChanged();
}

void CAppDoc::AddView(CTavroView* view) {
    views.append(view);
    Q_EMIT TitleChanged();
}

void CAppDoc::RemoveView(CTavroView* view) {
    views.removeAll(view);
    Q_EMIT TitleChanged();
}

void CAppDoc::UpdateAllViews(CTavroView* sender) {
    for (CTavroView* view : views) {
        if (view != sender)
            view->update();
    }
}

void CAppDoc::InvalidateAllObjects() {}

bool CAppDoc::OpenScene(const QString& path) {
    QMessageBox::warning(&Frame(), "Error", "Failed to read file.");
    return false;
}

bool CAppDoc::SaveModified() {
    if (!modified)
        return true;
    const auto answer = QMessageBox::question(
        &Frame(), CTavroApp::kAppTitle, QString("Save changes to %1?").arg(title),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::No)
        return true;
    OnCommand(ID_FILE_SAVE);
    return !modified;
}

void CAppDoc::SetLayout(int windowCount) {
    CMainFrame& frame = Frame();
    QMdiArea* area = frame.MdiArea();
    changingLayout = true;
    for (QMdiSubWindow* w : area->subWindowList()) {
        auto* child = qobject_cast<CChildFrame*>(w);
        if (child && child->View()->Document() == this)
            delete child;
    }
    const QSize client = area->viewport()->size();
    const int w = client.width(), h = client.height();
    if (windowCount == 1) {
        CChildFrame* child = frame.CreateChildFrame(this);
        child->showNormal();
        child->setGeometry(0, 0, w, h);
        child->View()->SetViewType(VIEW_USER);
    } else {
        const ViewType types[4] = {VIEW_LEFT, VIEW_RIGHT, VIEW_TOP, VIEW_USER};
        for (int i = 0; i < 4; ++i) {
            CChildFrame* child = frame.CreateChildFrame(this);
            child->showNormal();
            child->setGeometry((i % 2) * (w / 2), (i / 2) * (h / 2), w / 2, h / 2);
            child->View()->SetViewType(types[i]);
        }
    }
    changingLayout = false;
    UpdateAllViews();
}

bool CAppDoc::BuildDemoScene() {
    CGlobalSettings& settings = Frame().Settings();
    CAnthropometryContext context{Frame().Reporter(), nullptr, settings.lengthUnit};
    constexpr double kHalfSpacing = 12.0; // inches between the figures' centre lines, halved
    for (int sex : {kMale, kFemale}) {
        auto figure = std::make_unique<CMannequin>(kRepresentationHuman, sex, -1, 2, kAverage, 1, 1,
                                                   2, kSizeAutomatic, context);
        if (!figure->valid)
            return false;
        figure->settings = &settings;
        figure->UpdatePosture();
        // Side by side, the soles on the floor (y = 0).
        BoundingBox box;
        figure->CollectBounds(box);
        const double x = sex == kMale ? -kHalfSpacing : kHalfSpacing;
        figure->transform =
            Translation(Vec3(x, box.valid ? -box.min.y : 0.0, 0.0)) * figure->transform;
        figure->UpdatePosture();
        AddObject(figure.release());
    }
    settings.showSceneFloor = 1;
    SetModifiedFlag(false);
    // Seen from the front, a little from the right and above, so that the floor shows.
    for (CTavroView* view : views) {
        view->SetUserVectors(Vec3(0.35, 0.25, 1.0), Vec3(0.0, 1.0, 0.0));
        view->SetViewType(VIEW_USER);
        view->RequestZoomExtents();
    }
    return true;
}

bool CAppDoc::OnCommand(int id) {
    switch (id) {
    case ID_WINDOW_ONE_VIEW:
        SetLayout(1);
        return true;
    case ID_WINDOW_FOUR_VIEWS:
        SetLayout(4);
        return true;
    case ID_WINDOW_NEW:
        Frame().CreateChildFrame(this);
        return true;
    case ID_FILE_CLOSE:
        app.CloseDocument(this);
        return true;
    default:
        return false;
    }
}

bool CAppDoc::OnUpdateCommand(int id, CommandState& state) {
    switch (id) {
    case ID_WINDOW_ONE_VIEW:
    case ID_WINDOW_FOUR_VIEWS:
    case ID_WINDOW_NEW:
    case ID_FILE_CLOSE:
        return true;
    default:
        return false;
    }
}

// --- Scene access. The scene list is the document's own until the model document takes it. ---

const CObjectList& CAppDoc::Objects() const {
    return objects;
}
CObjectList& CAppDoc::Objects() {
    return objects;
}

void CAppDoc::AddObject(CSceneObject* object) {
    object->AddToList(objects);
}

CSceneObject* CAppDoc::SelectedObject() const {
    CSceneObject* result = nullptr;
    for (CSceneObject* object : objects)
        if (object->selected && (!result || !object->parent))
            result = object;
    return result;
}

CMannequin* CAppDoc::CurrentMannequin() const {
    CSceneObject* selected = SelectedObject();
    if (!selected)
        return nullptr;
    if (selected->type == kTypeMannequin)
        return static_cast<CMannequin*>(selected);
    if (selected->type == kTypeBodyPart)
        return static_cast<CBodyPart*>(selected)->figure;
    return nullptr;
}

void CAppDoc::SelectionChanged() {}

void CAppDoc::PointPicked(int result, const Vec3& point, const Vec3& direction) {}

void CAppDoc::RecordDrag(CSceneObject& selected, int rotateMethod) {}

void CAppDoc::FinishDrag(CSceneObject& selected) {
    selected.Invalidate();
    selected.SaveTransform();
    if (selected.type == kTypeBodyPart) {
        if (CMannequin* figure = static_cast<CBodyPart&>(selected).figure)
            figure->UpdatePosture();
    }
    SetModifiedFlag();
}

bool CAppDoc::ScaleVertices(CSceneObject& object, double factor) {
    if (object.type == kTypePolyface) {
        for (Vec3& v : static_cast<CPolyface&>(object).vertices)
            v = v * factor;
    } else {
        return false;
    }
    object.Invalidate();
    SetModifiedFlag();
    return true;
}

void CAppDoc::DrawingStep(int kind, int shape, const std::vector<Vec3>& points) {}
void CAppDoc::FinishDrawnObject(bool recordUndo) {}
void CAppDoc::RemoveDrawnObject() {}
bool CAppDoc::IsAngleDimensionUnderConstruction() const {
    return false;
}
void CAppDoc::PlaceText(const std::vector<Vec3>& points) {}
bool CAppDoc::CopySelection() {
    return false;
}
