#include "app/AppDoc.h"

#include "app/ChildFrame.h"
#include "app/MainFrame.h"
#include "app/TavroApp.h"
#include "app/TextDialog.h"
#include "core/BoundingBox.h"
#include "core/GlobalSettings.h"
#include "core/SceneObject.h"
#include "document/TavroDoc.h"
#include "document/UndoRecord.h"
#include "draw/Dimension.h"
#include "draw/Polyface.h"
#include "draw/Polyline.h"
#include "draw/Text3D.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "human/Representation.h"
#include "view/TavroView.h"

#include "app/ExchangeDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>

namespace {

// "TVR Files (*.tvr)|*.tvr||" -> "TVR Files (*.tvr)".
QString QtFilter(const std::string& filter) {
    return QString::fromStdString(filter).section('|', 0, 0);
}

// The suffix of a pattern such as "*.tvr".
QString Suffix(const std::string& pattern) {
    return QString::fromStdString(pattern).section('.', -1);
}

} // namespace

CAppDoc::CAppDoc(CTavroApp& app, const QString& untitledName)
    : app(app), title(untitledName),
      model(std::make_unique<CTavroDoc>(*this, app.MainFrame()->Reporter(), app.Clipboard(),
                                        app.MainFrame()->Settings())) {}

CAppDoc::~CAppDoc() {
    model->Close();
}

CMainFrame& CAppDoc::Frame() {
    return *app.MainFrame();
}

void CAppDoc::SetPathName(const QString& path) {
    pathName = QFileInfo(path).absoluteFilePath();
    title = QFileInfo(path).fileName();
    model->SetPathName(pathName.toStdString());
    Q_EMIT TitleChanged();
}

bool CAppDoc::IsModified() const {
    return model->IsModified();
}

void CAppDoc::SetModifiedFlag(bool value) {
    model->SetModified(value);
    SyncTitle();
}

void CAppDoc::SyncTitle() {
    const QString path = QString::fromStdString(model->PathName());
    if (!path.isEmpty() && path != pathName) {
        pathName = QFileInfo(path).absoluteFilePath();
        title = QFileInfo(path).fileName();
        shownModified = IsModified();
        Q_EMIT TitleChanged();
    } else if (shownModified != IsModified()) {
        shownModified = IsModified();
        Q_EMIT TitleChanged();
    }
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
            view->Redraw();
    }
    SyncTitle();
    // Whatever was redrawn may have moved or loaded the segment the panel shows.
    if (app.MainFrame() && app.MainFrame()->ActiveDocument() == this)
        app.MainFrame()->RefreshSegmentProperties();
}

void CAppDoc::InvalidateAllObjects() {
    for (CSceneObject* object : model->Objects())
        object->Invalidate();
}

bool CAppDoc::OpenScene(const QString& path) {
    // A body imager file becomes a figure and a 3DS file beside it; the open itself fails, so
    // no window stays open for it.
    if (path.endsWith(".3di", Qt::CaseInsensitive)) {
        model->ConvertImagerFile(path.toStdString());
        return false;
    }
    if (!model->ImportTvr(path.toStdString()))
        return false;
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool CAppDoc::SaveModified() {
    if (!IsModified())
        return true;
    const auto answer = QMessageBox::question(
        &Frame(), CTavroApp::kAppTitle, QString("Save changes to %1?").arg(title),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::No)
        return true;
    model->OnSave();
    SyncTitle();
    return !IsModified();
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
        FrameNewView(child->View());
    } else {
        const ViewType types[4] = {VIEW_LEFT, VIEW_RIGHT, VIEW_TOP, VIEW_USER};
        for (int i = 0; i < 4; ++i) {
            CChildFrame* child = frame.CreateChildFrame(this);
            child->showNormal();
            child->setGeometry((i % 2) * (w / 2), (i / 2) * (h / 2), w / 2, h / 2);
            child->View()->SetViewType(types[i]);
            FrameNewView(child->View());
        }
    }
    changingLayout = false;
    UpdateAllViews();
}

void CAppDoc::FrameNewView(CTavroView* view) {
    // A new window shows the whole scene, as the first one did; an empty one keeps the origin.
    if (!model->Objects().empty())
        view->RequestZoomExtents();
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
        model->AddObject(figure.release());
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

// --- Scene access for the views ----------------------------------------------------------------

const CObjectList& CAppDoc::Objects() const {
    return model->Objects();
}
CObjectList& CAppDoc::Objects() {
    return model->Objects();
}
void CAppDoc::AddObject(CSceneObject* object) {
    model->AddObject(object);
}
CSceneObject* CAppDoc::SelectedObject() const {
    return model->SelectedObject();
}
CMannequin* CAppDoc::CurrentMannequin() const {
    return model->CurrentMannequin();
}

void CAppDoc::SelectionChanged() {
    CSceneObject* selected = SelectedObject();
    Frame().FillSegmentProperties(
        selected && selected->type == kTypeBodyPart ? static_cast<CBodyPart*>(selected) : nullptr);
}

void CAppDoc::PointPicked(int result, const Vec3& point, const Vec3& direction) {
    model->PointPicked(result, point, direction);
    SyncTitle();
}

bool CAppDoc::MovePlacementPreview(const Vec3& point, const Vec3& direction) {
    return model->MovePlacementPreview(point, direction);
}

CSceneObject* CAppDoc::PlacementPreview() const {
    return model->PlacementPreview();
}

void CAppDoc::RecordDrag(CSceneObject& selected, int rotateMethod) {
    auto record = std::make_unique<CUndoRecord>(kUndoChanged, selected);
    if (selected.type == kTypeBodyPart && rotateMethod != kRotateIndependent) {
        if (CBodyPart* twin = static_cast<CBodyPart&>(selected).counterpart)
            record->Add(kUndoChanged, *twin);
    }
    model->PushUndoRecord(std::move(record));
    SyncTitle();
}

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
    } else if (object.type == kTypePolyline || object.type == kTypeDashedPolyline) {
        for (Vec3& v : static_cast<CPolyline&>(object).points)
            v = v * factor;
    } else {
        return false;
    }
    object.Invalidate();
    SetModifiedFlag();
    return true;
}

void CAppDoc::DrawingStep(int kind, int shape, const std::vector<Vec3>& points) {
    model->DrawingStep(kind, shape, points);
}

void CAppDoc::FinishDrawnObject(bool recordUndo) {
    if (recordUndo)
        model->FinishDrawing();
    SetModifiedFlag();
    UpdateAllViews();
}

void CAppDoc::RemoveDrawnObject() {
    model->CancelDrawing();
    UpdateAllViews();
}

bool CAppDoc::IsAngleDimensionUnderConstruction() const {
    const CSceneObject* drawn = model->FindById(model->DrawnObjectId());
    return drawn && drawn->type == kTypeDimension &&
           static_cast<const CDimension*>(drawn)->IsAngle();
}

void CAppDoc::PlaceText(const std::vector<Vec3>& points) {
    auto* text = dynamic_cast<CText3D*>(model->FindById(model->DrawnObjectId()));
    if (!text)
        return;
    CTextDialog dialog(&Frame());
    if (dialog.exec() == QDialog::Accepted) {
        text->text = dialog.Text();
        text->fontName = dialog.FontName();
        text->size = dialog.Size();
        text->fontChosen = 1;
        model->DrawingStep(2, 5, points);
        model->FinishDrawing();
    } else {
        model->CancelDrawing();
    }
    SetModifiedFlag();
    UpdateAllViews();
}

bool CAppDoc::CopySelection() {
    return model->OnCopy() != 0;
}

bool CAppDoc::BeginWalk(const std::vector<Vec3>& path) {
    const bool started = model->BeginWalk(path) != 0;
    SyncTitle();
    return started;
}

bool CAppDoc::WalkStep() {
    return model->WalkStep() != 0;
}

void CAppDoc::EndWalk() {
    model->EndWalk();
    SyncTitle();
}

// --- What the model document asks of the windows ---------------------------------------------

void CAppDoc::RedrawAllViews() {
    UpdateAllViews();
}

CTavroView* CAppDoc::ActiveView() const {
    CTavroView* active = app.MainFrame() ? app.MainFrame()->ActiveView() : nullptr;
    if (active && active->Document() == this)
        return active;
    return views.isEmpty() ? nullptr : views.front();
}

int CAppDoc::ActiveViewMode() const {
    CTavroView* view = ActiveView();
    return view ? view->Mode() : MODE_SELECT;
}

void CAppDoc::SetActiveViewMode(int mode) {
    if (CTavroView* view = ActiveView())
        view->SetMode(mode);
}

bool CAppDoc::ChooseOpenFile(const std::string& filter, const std::string& pattern,
                             std::string& path) {
    const QString chosen =
        QFileDialog::getOpenFileName(&Frame(), "Open", QString(), QtFilter(filter));
    if (chosen.isEmpty())
        return false;
    path = chosen.toStdString();
    return true;
}

bool CAppDoc::ChooseSaveFile(const std::string& filter, const std::string& pattern,
                             std::string& path) {
    QFileDialog dialog(&Frame(), "Save As", QString(), QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(Suffix(pattern));
    if (!pathName.isEmpty())
        dialog.selectFile(pathName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().front().toStdString();
    return true;
}

void CAppDoc::AddToRecentFiles(const std::string& path) {
    Frame().AddRecentFile(QString::fromStdString(path));
}

bool CAppDoc::IsPrinting() const {
    for (CTavroView* view : views)
        if (view->IsPrinting())
            return true;
    return false;
}

bool CAppDoc::ChooseImportUnits(int& unitCode) {
    CUnitsDialog dialog(&Frame());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    unitCode = dialog.UnitCode();
    return true;
}

std::unique_ptr<CExchangeProgress> CAppDoc::BeginProgress(const std::string& title) {
    return std::make_unique<CExchangeProgressDialog>(QString::fromStdString(title), &Frame());
}
