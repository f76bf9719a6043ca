#include "view/TavroView.h"

#include "biomech/Units.h"
#include "core/GlobalSettings.h"
#include "core/SceneBounds.h"
#include "core/SceneObject.h"
#include "human/Mannequin.h"
#include "view/SurfaceFormat.h"
#include "view/XorDrawing.h"

#include <GL/gl.h>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QTimer>

namespace {

std::vector<QLine> RectangleLines(const QRect& r) {
    if (r.isNull())
        return {};
    return {QLine(r.left(), r.top(), r.right(), r.top()),
            QLine(r.right(), r.top(), r.right(), r.bottom()),
            QLine(r.right(), r.bottom(), r.left(), r.bottom()),
            QLine(r.left(), r.bottom(), r.left(), r.top())};
}

} // namespace

CTavroView::CTavroView(CViewHost& frame, CViewDocument* doc, QWidget* parent)
    : QOpenGLWidget(parent), frame(frame), doc(doc), surface(*this),
      renderer(frame.Settings(), frame.Reporter()) {
    setFormat(ViewSurfaceFormat());
    setUpdateBehavior(QOpenGLWidget::PartialUpdate); // keeps the picture for overlay-only paints
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(64, 48);
    setCursor(Qt::ArrowCursor);
    renderer.SetRenderMode(RENDER_SHADED);
    doc->AddView(this);
}

CTavroView::~CTavroView() {
    // The renderer releases its display lists in this view's context.
    makeCurrent();
    doc->RemoveView(this);
    // A walk ends with the view whose timer drives it.
    if (walkTimer != 0) {
        RemoveConstruction();
        doc->EndWalk();
    }
}

void CTavroView::initializeGL() {
    if (!renderer.InitScreenRender(&surface)) {
        QMessageBox::critical(this, "Tavrona", kInitOpenGLFailed);
        std::exit(-1);
    }
    initialised = true;
    makeCurrent();
}

void CTavroView::resizeGL(int w, int h) {
    const qreal ratio = devicePixelRatioF();
    renderer.SetViewRect(qRound(w * ratio), qRound(h * ratio));
    makeCurrent();
    viewChanged = true;
    overlayOnlyPaint = false;
}

void CTavroView::paintGL() {
    if (printing)
        return;
    const int w = DeviceSize().width(), h = DeviceSize().height();
    if (overlayOnlyPaint) {
        // Erase what was drawn over the scene, then draw the new lines.
        overlayOnlyPaint = false;
        DrawXorBitmap(overlay.Drawn(), w, h);
        overlay.Drawn() = overlay.active ? overlay.Lines() : std::vector<QLine>();
        DrawXorBitmap(overlay.Drawn(), w, h);
        return;
    }
    if (viewType == VIEW_EYE && eyeMannequin && eyeMannequin == CurrentMannequin())
        ShowEyeView();
    if (zoomExtentsPending) {
        zoomExtentsPending = false;
        FrameScene();
        makeCurrent();
    }
    renderer.SetViewType(viewType);
    renderer.SetPlacementPreview(
        placementPreviewShown && mode == MODE_PICK_POINT ? doc->PlacementPreview() : nullptr);
    renderer.RenderObjectList(doc->Objects(), PICK_NONE, 0, 0);
    renderer.SetPlacementPreview(nullptr);
    if ((mode == MODE_ROTATE || mode == MODE_TRANSLATE) && viewType != VIEW_EYE) {
        if (viewChanged || renderer.IsOverlayDirty())
            RebuildOverlay();
        overlay.active = true;
    } else {
        overlay.Clear();
        overlay.active = false;
    }
    makeCurrent();
    if (viewChanged) {
        viewChanged = false;
        RecomputePixelVectors();
    }
    overlay.Drawn() = overlay.active ? overlay.Lines() : std::vector<QLine>();
    DrawXorBitmap(overlay.Drawn(), w, h);
    DrawOverlays();
    UpdateScrollBars();
    if (!firstFrameDrawn) {
        firstFrameDrawn = true;
        if (onFirstFrame)
            QTimer::singleShot(0, this, onFirstFrame);
    }
}

void CTavroView::DrawOverlays() {
    // The zoom window's rubber band: blue where drawn on white (NOT-XOR of pen and screen).
    if (rubberBandActive)
        DrawXorLines(RectangleLines(rubberBand.normalized()), DeviceSize().width(),
                     DeviceSize().height(), GL_EQUIV, 0, 0, 255);
}

void CTavroView::WhenFirstFrameDrawn(std::function<void()> callback) {
    if (firstFrameDrawn)
        QTimer::singleShot(0, this, callback);
    else
        onFirstFrame = std::move(callback);
}

void CTavroView::RequestZoomExtents() {
    zoomExtentsPending = true;
    Redraw();
}

void CTavroView::Redraw() {
    overlayOnlyPaint = false;
    update();
}

void CTavroView::UpdateAllViews() {
    doc->UpdateAllViews(nullptr);
}

void CTavroView::RebuildOverlay() {
    overlay.Clear();
    const int kind = rotateMethod == 0 ? 1 : 2;
    renderer.SetViewType(viewType);
    renderer.UpdateOverlay(doc->Objects(), overlay, kind);
    makeCurrent();
}

void CTavroView::RecomputePixelVectors() {
    const int cx = DeviceSize().width() / 2, cy = DeviceSize().height() / 2;
    Vec3 p0, p1, p2, d0, d;
    renderer.SetViewType(viewType);
    renderer.Get3DPlacement(doc->Objects(), cx, cy, p0, d0);
    renderer.Get3DPlacement(doc->Objects(), cx + 5, cy, p1, d);
    renderer.Get3DPlacement(doc->Objects(), cx, cy + 5, p2, d);
    pixelX = (p1 - p0) / 5.0;
    pixelY = (p2 - p0) / 5.0;
    pixelDepth = Normalize(d0) * Length(pixelX);
}

QPoint CTavroView::DevicePoint(QPointF logical) const {
    return (logical * devicePixelRatioF()).toPoint();
}

QSize CTavroView::DeviceSize() const {
    return QSize(renderer.camera.ViewportWidth(), renderer.camera.ViewportHeight());
}

void CTavroView::SetPrompt(const QString& text) {
    frame.SetStatusText(text, 0);
}

void CTavroView::ShowCoordinates(QPoint p) {
    Vec3 point, direction;
    if (!Placement(p, point, direction))
        return;
    // In the display length unit, named unless it is the model's own inches.
    const int unit = frame.Settings().lengthUnit;
    const QString suffix = unit == kInches ? QString() : QString(" ") + kLengthUnitNames[unit];
    const char* names[3] = {" X : ", " Y : ", " Z : "};
    for (int axis = 0; axis < 3; ++axis) {
        const double value = ConvertLength(kInches, point[axis], unit);
        frame.SetStatusText(names[axis] + QString::fromStdString(FormatTrimmed(value, 2)) + suffix,
                            axis + 1);
    }
}

bool CTavroView::Placement(QPoint p, Vec3& point, Vec3& direction) {
    renderer.SetViewType(viewType);
    return renderer.Get3DPlacement(doc->Objects(), p.x(), p.y(), point, direction) == 1;
}

void CTavroView::SceneBounds(Vec3& boxMin, Vec3& boxMax) const {
    ::SceneBounds(doc->Objects(), boxMin, boxMax);
}

CSceneObject* CTavroView::Selected() const {
    return doc->SelectedObject();
}

CMannequin* CTavroView::CurrentMannequin() const {
    return doc->CurrentMannequin();
}

void CTavroView::SetMode(int newMode) {
    rubberBandActive = false;
    placementPreviewShown = false;
    const int previous = mode;
    mode = newMode;
    setCursor(ModeUsesCrosshair(mode) ? Qt::CrossCursor : Qt::ArrowCursor);
    SetPrompt(ModePrompt(mode));
    switch (mode) {
    case MODE_SELECT:
        points.clear();
        overlay.Clear();
        overlay.active = false;
        UpdateAllViews();
        break;
    case MODE_ROTATE:
    case MODE_TRANSLATE:
    case MODE_SCALE:
        if (CSceneObject* selected = Selected()) {
            selected->SaveTransform();
            viewChanged = true;
            UpdateAllViews();
        }
        if (mode == MODE_ROTATE)
            rotationAngles = Vec3();
        break;
    case MODE_WALK_PATH:
    case MODE_WALK_RECORD_PATH:
        points.clear();
        if (previous != MODE_WALK_PATH && previous != MODE_WALK_RECORD_PATH)
            savedViewType = viewType;
        SetViewType(VIEW_TOP);
        break;
    case MODE_WALK_MOVE:
        StartWalking();
        return;
    default:
        if (mode >= MODE_REACH_RIGHT)
            points.clear();
        break;
    }
    if (mode != MODE_SELECT)
        Redraw();
}

void CTavroView::focusInEvent(QFocusEvent* event) {
    QOpenGLWidget::focusInEvent(event);
    // A mode without a prompt leaves the idle message of the status bar.
    const QString prompt = ModePrompt(mode);
    frame.SetStatusText(prompt.isEmpty() ? "Ready" : prompt, 0);
}
