#include "view/TavroView.h"

#include "human/EyePoints.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/CoordinateDialogs.h"
#include "view/PreferencesDialog.h"
#include "view/ViewScrollBars.h"

#include <QMdiSubWindow>

void CTavroView::SetViewType(int type) {
    if (viewType == VIEW_ORBIT) {
        renderer.camera.CommitOrbit();
        if (mode == MODE_ORBIT)
            SetMode(MODE_SELECT);
    }
    if (viewType == VIEW_EYE)
        renderer.SetOverlayDirty(1);
    if (type == VIEW_USER)
        renderer.camera.SetUserVectors(userFrom, userUp);
    viewType = type;
    renderer.SetViewType(type);
    viewChanged = true;
    UpdateAllViews();
    Redraw();
}

void CTavroView::SetUserVectors(const Vec3& from, const Vec3& up) {
    userFrom = from;
    userUp = up;
    if (viewType == VIEW_USER)
        SetViewType(VIEW_USER);
}

void CTavroView::ZoomExtents() {
    FrameScene();
    Redraw();
}

void CTavroView::FrameScene() {
    // A margin of 5 % on each side: the box grows about its middle so that it fills 90 % of
    // the view (an orthographic picture scales with the box).
    constexpr double kFilled = 0.9;
    Vec3 boxMin, boxMax;
    SceneBounds(boxMin, boxMax);
    const Vec3 middle = (boxMin + boxMax) * 0.5, half = (boxMax - boxMin) * (0.5 / kFilled);
    renderer.SetViewType(viewType);
    renderer.ZoomToExtents(middle - half, middle + half);
    viewChanged = true;
}

void CTavroView::UpdateScrollBars() {
    Vec3 boxMin, boxMax;
    SceneBounds(boxMin, boxMax);
    renderer.GetScrollParms(boxMin, boxMax);
    if (scrollBars)
        scrollBars->Show(renderer.camera, viewType != VIEW_EYE);
}

void CTavroView::Scroll(Qt::Orientation orientation, int code, int position) {
    // The eye view looks from the figure's eyes; its centre is not the view centre.
    if (viewType == VIEW_EYE)
        return;
    if (orientation == Qt::Horizontal)
        renderer.OnHScroll(code, position);
    else
        renderer.OnVScroll(code, position);
    viewChanged = true;
    UpdateAllViews();
}

QMdiSubWindow* CTavroView::SubWindow() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (auto* window = qobject_cast<QMdiSubWindow*>(w))
            return window;
    return nullptr;
}

void CTavroView::BeginOrbitMode() {
    StartOrbitView();
    SetMode(MODE_ORBIT);
}

void CTavroView::StartOrbitView() {
    if (viewType == VIEW_EYE)
        renderer.SetOverlayDirty(1);
    // The orbit takes over the eye and up of the view shown now.
    renderer.SetViewType(viewType);
    renderer.camera.BeginOrbit();
    viewType = VIEW_ORBIT;
    renderer.SetViewType(VIEW_ORBIT);
    viewChanged = true;
    UpdateAllViews();
}

void CTavroView::ShowEyeView() {
    CMannequin* figure = CurrentMannequin();
    if (!figure)
        return;
    Vec3 eye, target, up;
    if (!EyePoints(*figure, eye, target, up))
        return;
    renderer.camera.SetEyePoints(eye, target, up);
    if (viewType != VIEW_EYE || eyeMannequin != figure) {
        eyeMannequin = figure;
        viewType = VIEW_EYE;
        renderer.SetViewType(VIEW_EYE);
        renderer.SetupStencil();
        makeCurrent();
        renderer.SetOverlayDirty(1);
        viewChanged = true;
        UpdateAllViews();
    }
}

void CTavroView::SetUserView() {
    if (viewType == VIEW_ORBIT)
        renderer.camera.CommitOrbit();
    viewType = VIEW_USER;
    CUserViewDialog dialog(userFrom, userUp, this);
    if (dialog.exec() == QDialog::Accepted) {
        userFrom = dialog.ViewFrom();
        userUp = dialog.ViewUp();
    }
    SetViewType(VIEW_USER);
}

void CTavroView::ShowPreferences() {
    CPreferencesDialog dialog(renderer.camera.zoomStep, frame.Settings(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.Store(frame.Settings());
    frame.SettingsChanged();
    renderer.camera.zoomStep = dialog.ZoomStep();
    Redraw();
}

void CTavroView::RestoreSavedViewType() {
    switch (savedViewType) {
    case VIEW_TOP:
    case VIEW_RIGHT:
    case VIEW_LEFT:
    case VIEW_USER:
        SetViewType(savedViewType);
        break;
    case VIEW_EYE:
        ShowEyeView();
        break;
    default:
        SetViewType(VIEW_FRONT);
        break;
    }
}

bool CTavroView::OnCommand(int id) {
    switch (id) {
    case ID_VIEW_FRONT:
        SetViewType(VIEW_FRONT);
        return true;
    case ID_VIEW_LEFT:
        SetViewType(VIEW_LEFT);
        return true;
    case ID_VIEW_RIGHT:
        SetViewType(VIEW_RIGHT);
        return true;
    case ID_VIEW_TOP:
        SetViewType(VIEW_TOP);
        return true;
    case ID_VIEW_USER:
        SetViewType(VIEW_USER);
        return true;
    case ID_VIEW_EYE:
        eyeMannequin = nullptr;
        ShowEyeView();
        Redraw();
        return true;
    case ID_VIEW_SET_USER:
        SetUserView();
        return true;
    case ID_VIEW_ORBIT:
        BeginOrbitMode();
        return true;
    case ID_ZOOM_IN:
        viewChanged = true;
        SetMode(MODE_ZOOM_IN);
        return true;
    case ID_ZOOM_WINDOW:
        viewChanged = true;
        SetMode(MODE_ZOOM_WINDOW_FIRST);
        return true;
    case ID_ZOOM_OUT:
        renderer.camera.ZoomOut();
        viewChanged = true;
        Redraw();
        return true;
    case ID_ZOOM_EXTENTS:
        ZoomExtents();
        return true;
    case ID_VIEW_RESET:
        renderer.camera.ResetZoom();
        viewChanged = true;
        Redraw();
        return true;
    case ID_RENDER_WIREFRAME:
    case ID_RENDER_HIDDEN:
    case ID_RENDER_SHADED:
        renderer.SetRenderMode(id == ID_RENDER_WIREFRAME ? RENDER_WIREFRAME
                               : id == ID_RENDER_HIDDEN  ? RENDER_HIDDEN
                                                         : RENDER_SHADED);
        renderer.SetOverlayDirty(1);
        viewChanged = true;
        Redraw();
        return true;
    case ID_ROTATE_INDEPENDENT:
        rotateMethod = 0;
        return true;
    case ID_ROTATE_TOGETHER:
        rotateMethod = 1;
        return true;
    case ID_ROTATE_OPPOSITE:
        rotateMethod = 2;
        return true;
    case ID_VIEW_PREFERENCES:
        ShowPreferences();
        return true;
    case ID_EDIT_COPY:
        if (doc->CopySelection())
            return true;
        CopyPictureToClipboard();
        return true;
    case ID_FILE_PRINT:
    case ID_FILE_PRINT_PREVIEW:
        return RunPrintCommand(id);
    default:
        return false;
    }
}

bool CTavroView::OnUpdateCommand(int id, CommandState& state) {
    const bool picking = mode == MODE_PICK_POINT;
    const bool eye = viewType == VIEW_EYE;
    switch (id) {
    case ID_VIEW_FRONT:
    case ID_VIEW_LEFT:
    case ID_VIEW_RIGHT:
    case ID_VIEW_TOP:
    case ID_VIEW_USER: {
        const int type = id == ID_VIEW_FRONT   ? VIEW_FRONT
                         : id == ID_VIEW_LEFT  ? VIEW_LEFT
                         : id == ID_VIEW_RIGHT ? VIEW_RIGHT
                         : id == ID_VIEW_TOP   ? VIEW_TOP
                                               : VIEW_USER;
        state.enabled = !printing && !picking;
        state.checked = viewType == type;
        return true;
    }
    case ID_VIEW_EYE:
        state.enabled = !printing && CurrentMannequin() != nullptr;
        state.checked = eye;
        return true;
    case ID_VIEW_SET_USER:
    case ID_VIEW_PREFERENCES:
        return true;
    case ID_VIEW_ORBIT:
        state.enabled = !printing && !picking;
        state.checked = viewType == VIEW_ORBIT;
        return true;
    case ID_ZOOM_IN:
    case ID_ZOOM_WINDOW:
    case ID_ZOOM_OUT:
    case ID_ZOOM_EXTENTS:
    case ID_VIEW_RESET:
        state.enabled = !printing && !picking && !eye;
        state.checked = (id == ID_ZOOM_IN && mode == MODE_ZOOM_IN) ||
                        (id == ID_ZOOM_WINDOW && mode == MODE_ZOOM_WINDOW_FIRST);
        return true;
    case ID_RENDER_WIREFRAME:
    case ID_RENDER_HIDDEN:
    case ID_RENDER_SHADED: {
        const int renderMode = id == ID_RENDER_WIREFRAME ? RENDER_WIREFRAME
                               : id == ID_RENDER_HIDDEN  ? RENDER_HIDDEN
                                                         : RENDER_SHADED;
        state.enabled = !printing;
        state.checked = renderer.GetRenderMode() == renderMode;
        return true;
    }
    case ID_ROTATE_INDEPENDENT:
    case ID_ROTATE_TOGETHER:
    case ID_ROTATE_OPPOSITE:
        state.checked = rotateMethod == (id == ID_ROTATE_INDEPENDENT ? 0
                                         : id == ID_ROTATE_TOGETHER  ? 1
                                                                     : 2);
        return true;
    case ID_FILE_PRINT:
        state.enabled = !printing;
        return true;
    case ID_FILE_PRINT_PREVIEW:
        state.enabled = !printing && mode != MODE_WALK_PATH && mode != MODE_WALK_RECORD_PATH &&
                        mode != MODE_WALK_MOVE;
        return true;
    default:
        return false;
    }
}
