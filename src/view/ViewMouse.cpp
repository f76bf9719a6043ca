#include "view/TavroView.h"

#include "biomech/Units.h"
#include "core/BoundingBox.h"
#include "core/GlobalSettings.h"
#include "core/SceneObject.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "view/ConstructionShapes.h"
#include "view/CoordinateDialogs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

namespace {

constexpr double kDegreesPerPixel = 0.25; // rotate mode
constexpr double kScalePerPixel = 0.001;  // scale mode

bool IsDrawingMode(int mode) {
    return mode >= MODE_LINE && mode <= MODE_DIMENSION && mode != MODE_ADD_FORCE;
}

} // namespace

void CTavroView::mousePressEvent(QMouseEvent* event) {
    const QPoint p = DevicePoint(event->position());
    if (BeginNavigation(event->button(), p, event->modifiers()))
        return;
    switch (event->button()) {
    case Qt::LeftButton:
        last = p;
        OnLeftPress(p, event->modifiers());
        break;
    case Qt::RightButton:
        last = p;
        OnRightPress(p);
        break;
    case Qt::MiddleButton:
        last = p;
        OnMiddlePress(p);
        break;
    default:
        break;
    }
}

void CTavroView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && mode == MODE_SELECT) {
        PickAt(DevicePoint(event->position()), PICK_SELECT_GROUP);
        return;
    }
    mousePressEvent(event);
}

void CTavroView::PickAt(QPoint p, int pickMode) {
    renderer.SetViewType(viewType);
    renderer.SetPickPoint(p.x(), p.y());
    renderer.RenderObjectList(doc->Objects(), pickMode, 0, 1);
    doc->SelectionChanged();
    UpdateAllViews();
}

void CTavroView::OnLeftPress(QPoint p, Qt::KeyboardModifiers modifiers) {
    Vec3 point, direction;
    switch (mode) {
    case MODE_SELECT:
        PickAt(p, PICK_SELECT);
        break;
    case MODE_PICK_POINT:
        Placement(p, point, direction);
        SetPrompt("");
        SetMode(MODE_SELECT);
        doc->PointPicked(1, point, direction);
        UpdateAllViews();
        break;
    case MODE_ROTATE:
    case MODE_TRANSLATE:
    case MODE_SCALE:
        if (CSceneObject* selected = Selected())
            doc->RecordDrag(*selected, mode == MODE_ROTATE ? rotateMethod : 0);
        break;
    case MODE_ZOOM_IN:
        Placement(p, point, direction);
        SetPrompt("");
        SetMode(MODE_SELECT);
        renderer.camera.ZoomInAt(point, direction);
        viewChanged = true;
        UpdateAllViews();
        break;
    case MODE_ZOOM_WINDOW_FIRST:
        rubberBand = QRect(p, p);
        SetMode(MODE_ZOOM_WINDOW_SECOND);
        rubberBandActive = true;
        break;
    case MODE_ORBIT:
        orbitStart = p;
        viewType = VIEW_ORBIT;
        renderer.SetViewType(VIEW_ORBIT);
        break;
    case MODE_TEXT:
        Placement(p, point, direction);
        points.push_back(point);
        doc->PlaceText(points);
        SetMode(MODE_SELECT);
        break;
    case MODE_ADD_FORCE:
        AddForceAtPick(p);
        break;
    case MODE_DIMENSION:
    case MODE_WALK_PATH:
    case MODE_WALK_RECORD_PATH:
        Placement(p, point, direction);
        points.push_back(point);
        UpdateConstruction();
        break;
    case MODE_REACH_RIGHT:
    case MODE_REACH_LEFT:
        SetPrompt("Select a point on the screen to reach to.");
        Placement(p, point, direction);
        doc->PointPicked(1, point, direction);
        UpdateAllViews();
        break;
    default:
        if (IsDrawingMode(mode)) {
            Placement(p, point, direction);
            points.push_back(point);
            UpdateConstruction();
        }
        break;
    }
    (void)modifiers;
}

void CTavroView::AddForceAtPick(QPoint p) {
    PickAt(p, PICK_SELECT);
    CSceneObject* selected = Selected();
    if (!selected)
        return; // nothing hit: the mode waits for another click
    if (selected->type == kTypeBodyPart) {
        Vec3 point, direction;
        Placement(p, point, direction);
        doc->AddForceAt(*selected, point);
    }
    doc->SetModifiedFlag();
    SetMode(MODE_SELECT);
    UpdateAllViews();
}

void CTavroView::OnRightPress(QPoint p) {
    switch (mode) {
    case MODE_PICK_POINT:
    case MODE_WALK_MOVE:
        Cancel();
        break;
    case MODE_WALK_PATH:
        RestoreSavedViewType();
        SetMode(MODE_WALK_MOVE);
        break;
    case MODE_WALK_RECORD_PATH:
        RestoreSavedViewType();
        RecordWalk();
        break;
    case MODE_LINE:
    case MODE_CURVE:
        FinishConstruction(true);
        break;
    default:
        if (mode >= MODE_SPHERE && mode <= MODE_CYLINDER)
            FinishConstruction(true);
        break;
    }
}

void CTavroView::OnMiddlePress(QPoint p) {
    if (mode == MODE_SELECT)
        SetMode(MODE_ROTATE);
    else if (mode == MODE_ROTATE)
        SetMode(MODE_TRANSLATE);
    else if (mode == MODE_TRANSLATE)
        SetMode(MODE_SELECT);
}

void CTavroView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = DevicePoint(event->position());
    if (ContinueNavigation(p))
        return;
    if (mode != MODE_ROTATE && mode != MODE_ORBIT)
        ShowCoordinates(p);
    if (mode == MODE_PICK_POINT)
        MovePlacementPreview(p);
    OnDrag(p, event->buttons(), event->modifiers());
}

void CTavroView::MovePlacementPreview(QPoint p) {
    Vec3 point, direction;
    placementPreviewShown =
        Placement(p, point, direction) && doc->MovePlacementPreview(point, direction);
    if (placementPreviewShown)
        Redraw();
}

void CTavroView::HidePlacementPreview() {
    if (!placementPreviewShown)
        return;
    placementPreviewShown = false;
    Redraw();
}

void CTavroView::leaveEvent(QEvent* event) {
    QOpenGLWidget::leaveEvent(event);
    HidePlacementPreview();
}

void CTavroView::OnDrag(QPoint p, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    const bool left = buttons & Qt::LeftButton;
    const bool right = buttons & Qt::RightButton;
    switch (mode) {
    case MODE_ROTATE: {
        if (!left && !right)
            break;
        const double angle = (p.x() - last.x()) * kDegreesPerPixel;
        int axis = 0;
        if (left && (modifiers & Qt::ShiftModifier))
            axis = 1;
        else if (right && !left)
            axis = 2;
        rotationAngles[axis] += angle;
        RotateSelection(angle, axis);
        SetPrompt(QString(" Rotation angle : ") +
                  " X : " + QString::fromStdString(FormatTrimmed(rotationAngles.x, 2)) +
                  " Y : " + QString::fromStdString(FormatTrimmed(rotationAngles.y, 2)) +
                  " Z : " + QString::fromStdString(FormatTrimmed(rotationAngles.z, 2)));
        last = p;
        break;
    }
    case MODE_TRANSLATE:
        if (right)
            TranslateSelection((p.x() - last.x()) * pixelDepth);
        else if (left)
            TranslateSelection((p.x() - last.x()) * pixelX + (p.y() - last.y()) * pixelY);
        last = p;
        break;
    case MODE_SCALE:
        if (left) {
            ScaleSelection(1.0 + (p.x() - last.x()) * kScalePerPixel);
            last = p;
        }
        break;
    case MODE_ZOOM_WINDOW_SECOND:
        if (p.x() > 0 && p.y() > 0 && p.x() < DeviceSize().width() &&
            p.y() < DeviceSize().height()) {
            rubberBand.setBottomRight(p);
            Redraw();
        }
        break;
    case MODE_ORBIT:
        if (left) {
            renderer.camera.DragOrbit(DeviceSize().width(), DeviceSize().height(), orbitStart.x(),
                                      orbitStart.y(), p.x(), p.y());
            viewChanged = true;
            UpdateAllViews();
        }
        break;
    default:
        if (IsDrawingMode(mode) && mode != MODE_TEXT && !points.empty())
            ExtendConstruction(p);
        break;
    }
}

void CTavroView::ExtendConstruction(QPoint p) {
    const bool angle = mode == MODE_DIMENSION && doc->IsAngleDimensionUnderConstruction();
    const int limit = ModePointLimit(mode, angle);
    if (limit > 0 && static_cast<int>(points.size()) > limit) {
        FinishConstruction(true);
        return;
    }
    Vec3 point, direction;
    Placement(p, point, direction);
    if (points.size() > 1)
        points.pop_back();
    points.push_back(point);
    UpdateConstruction();
}

void CTavroView::UpdateConstruction() {
    const ConstructionShape shape = ShapeOfMode(mode);
    doc->DrawingStep(shape.kind, shape.shape, points);
    UpdateAllViews();
}

void CTavroView::FinishConstruction(bool recordUndo) {
    doc->FinishDrawnObject(recordUndo);
    SetMode(MODE_SELECT);
}

void CTavroView::RemoveConstruction() {
    doc->RemoveDrawnObject();
}

void CTavroView::mouseReleaseEvent(QMouseEvent* event) {
    if (EndNavigation(event->button(), DevicePoint(event->position())))
        return;
    OnRelease(DevicePoint(event->position()), event->button());
}

void CTavroView::OnRelease(QPoint p, Qt::MouseButton button) {
    switch (mode) {
    case MODE_ROTATE:
    case MODE_TRANSLATE:
        if (mode == MODE_ROTATE)
            rotationAngles = Vec3();
        if (CSceneObject* selected = Selected()) {
            doc->FinishDrag(*selected);
            if (mode == MODE_TRANSLATE) {
                Vec3 boxMin, boxMax;
                SceneBounds(boxMin, boxMax);
                renderer.camera.ExpandScene(boxMin, boxMax);
            }
            viewChanged = true;
            UpdateAllViews();
        }
        break;
    case MODE_ORBIT:
        if (button == Qt::LeftButton)
            renderer.camera.CommitOrbit();
        break;
    case MODE_ZOOM_WINDOW_SECOND: {
        rubberBandActive = false;
        Vec3 p1, d1, p2, d2;
        Placement(rubberBand.topLeft(), p1, d1);
        Placement(p, p2, d2);
        const int w = std::abs(p.x() - rubberBand.left()), h = std::abs(p.y() - rubberBand.top());
        SetPrompt("");
        SetMode(MODE_SELECT);
        renderer.camera.ZoomWindow(p1, d1, p2, d2, w, h);
        viewChanged = true;
        Redraw();
        break;
    }
    default:
        break;
    }
}

void CTavroView::RotateSelection(double angle, int axis) {
    CSceneObject* selected = Selected();
    if (!selected || selected->type == kTypeForce || selected->type == kTypeDimension)
        return;
    if (selected->type == kTypeBodyPart) {
        auto* part = static_cast<CBodyPart*>(selected);
        CMannequin* figure = part->figure;
        if (!figure)
            return;
        figure->RotateLinked(part->segmentIndex, axis, angle, rotateMethod);
        RepaintMovedFigure();
        return;
    }
    const Matrix4 turn = axis == 0   ? RotationX(angle)
                         : axis == 1 ? RotationY(angle)
                                     : RotationZ(angle);
    selected->transform = selected->transform * turn;
    RefreshMovedSelection(*selected);
}

void CTavroView::RepaintMovedFigure() {
    RebuildOverlay();
    overlayOnlyPaint = true;
    update();
}

void CTavroView::RefreshMovedSelection(CSceneObject& selected) {
    if (selected.type == kTypeMannequin) {
        static_cast<CMannequin&>(selected).UpdatePosture();
        RepaintMovedFigure();
        return;
    }
    selected.Invalidate();
    UpdateAllViews();
}

void CTavroView::TranslateSelection(const Vec3& delta) {
    CSceneObject* selected = Selected();
    if (!selected || selected->type == kTypeBodyPart)
        return;
    selected->transform = Translation(delta) * selected->transform;
    RefreshMovedSelection(*selected);
}

void CTavroView::ScaleSelection(double factor) {
    CSceneObject* selected = Selected();
    if (selected && doc->ScaleVertices(*selected, factor))
        UpdateAllViews();
}

void CTavroView::Cancel() {
    switch (mode) {
    case MODE_PICK_POINT:
        SetMode(MODE_SELECT);
        doc->PointPicked(0, Vec3(), Vec3());
        break;
    case MODE_ROTATE:
        overlay.Clear();
        overlay.active = false;
        UpdateAllViews();
        SetMode(MODE_SELECT);
        break;
    case MODE_TRANSLATE:
    case MODE_SCALE:
        if (CSceneObject* selected = Selected()) {
            selected->RestoreTransform();
            selected->Invalidate();
            if (selected->type == kTypeMannequin)
                static_cast<CMannequin*>(selected)->UpdatePosture();
        }
        overlay.Clear();
        overlay.active = false;
        UpdateAllViews();
        SetMode(MODE_SELECT);
        break;
    case MODE_WALK_PATH:
    case MODE_WALK_RECORD_PATH:
        RestoreSavedViewType();
        RemoveConstruction();
        SetMode(MODE_SELECT);
        break;
    case MODE_WALK_MOVE:
        StopWalking();
        break;
    case MODE_REACH_RIGHT:
    case MODE_REACH_LEFT:
        SetMode(MODE_SELECT);
        doc->PointPicked(0, Vec3(), Vec3());
        break;
    default:
        if (IsDrawingMode(mode) && mode != MODE_TEXT)
            RemoveConstruction();
        SetMode(MODE_SELECT);
        break;
    }
}

void CTavroView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        Cancel();
        return;
    case Qt::Key_F3:
        OnF3();
        return;
    default:
        QOpenGLWidget::keyPressEvent(event);
    }
}

void CTavroView::OnF3() {
    if (mode == MODE_SCALE) {
        CScaleDialog dialog(this);
        if (dialog.exec() == QDialog::Accepted)
            ScaleSelection(dialog.Factor());
        return;
    }
    const bool pointModes =
        mode == MODE_PICK_POINT ||
        (mode >= MODE_REACH_RIGHT && mode <= MODE_DIMENSION && mode != MODE_ADD_FORCE);
    if (!pointModes)
        return;
    CPointDialog dialog(this, frame.Settings().lengthUnit);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const Vec3 point = dialog.Point();
    if (mode == MODE_PICK_POINT) {
        SetMode(MODE_SELECT);
        SetPrompt("");
        doc->PointPicked(1, point, Vec3());
        UpdateAllViews();
        return;
    }
    if (!points.empty())
        points.pop_back();
    points.push_back(point);
    points.push_back(point);
    if (mode == MODE_TEXT) {
        doc->PlaceText(points);
        SetMode(MODE_SELECT);
    } else if (mode == MODE_REACH_LEFT || mode == MODE_REACH_RIGHT) {
        doc->PointPicked(1, point, Vec3());
    } else {
        UpdateConstruction();
    }
    UpdateAllViews();
}
