#pragma once

#include "render/GLRender.h"
#include "view/CommandTarget.h"
#include "view/SelectionOverlay.h"
#include "view/ViewDocument.h"
#include "view/ViewHost.h"
#include "view/ViewModes.h"
#include "view/WidgetSurface.h"

#include <QOpenGLWidget>
#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

class CMannequin;
class CSceneObject;
class CViewScrollBars;
class QMdiSubWindow;
class QPainter;
class QPrinter;

// A document's 3D view: an OpenGL window (compatibility profile, 24-bit depth, 8-bit stencil,
// multisampled where the driver allows)
// that owns the view's renderer, draws the scene, turns mouse and keys into operations
// according to its interaction mode, and shows prompts and live coordinates in the status bar.
class CTavroView : public QOpenGLWidget, public CCommandTarget {
    Q_OBJECT
public:
    CTavroView(CViewHost& frame, CViewDocument* doc, QWidget* parent = nullptr);
    ~CTavroView() override;

    CViewDocument* Document() const { return doc; }
    CGLRender& Renderer() { return renderer; }
    const CGLRender& Renderer() const { return renderer; }

    // The single entry for mode changes: prompt, cursor, point list and overlay.
    int Mode() const { return mode; }
    void SetMode(int newMode);
    // What Esc does in the current mode.
    void Cancel();
    // Redraws the whole picture (the scene and what is drawn over it).
    void Redraw();
    // Frames the whole scene at the next drawing (when the window has its size).
    void RequestZoomExtents();
    // Runs `callback` from the event loop once the first picture has been drawn (at once when
    // it already has).
    void WhenFirstFrameDrawn(std::function<void()> callback);

    // The document window holding this view.
    QMdiSubWindow* SubWindow() const;
    // The scroll bars beside this view, which follow every drawing.
    void SetScrollBars(CViewScrollBars* bars) { scrollBars = bars; }
    // A scroll-bar request (the camera's scroll codes): pans the view centre, then all views of
    // the document redraw. The eye view does not pan.
    void Scroll(Qt::Orientation orientation, int code, int position);

    int GetViewType() const { return viewType; }
    // The Front, Left, Right, Top and User View commands (ends an orbit first).
    void SetViewType(int type);
    // The "View From" and "View Up" vectors of the user view.
    void SetUserVectors(const Vec3& from, const Vec3& up);
    int RotateMethod() const { return rotateMethod; }
    const std::vector<Vec3>& Points() const { return points; }
    Vec3 RotationAngles() const { return rotationAngles; }
    const CSelectionOverlay& Overlay() const { return overlay; }
    QRect RubberBand() const { return rubberBandActive ? rubberBand.normalized() : QRect(); }
    // Whether this view shows the new figure following the cursor before the click.
    bool ShowsPlacementPreview() const { return placementPreviewShown; }
    bool IsPrinting() const { return printing; }
    // Model-space length of one pixel along the window x and y axes and into the screen.
    Vec3 PixelX() const { return pixelX; }
    Vec3 PixelY() const { return pixelY; }

    // Picture of the view as it is now drawn.
    QImage Picture();
    // "&Copy" with nothing selected: the view's picture goes to the system clipboard.
    void CopyPictureToClipboard();
    // Prints the view's picture centred on the page, keeping its proportions.
    void PrintTo(QPrinter& printer);
    // The page rectangle the picture of size `image` takes on a page of size `page`.
    static QRect PrintPlacement(QSize image, QSize page);
    // Print (a printer dialog) or Print Preview; the model commands wait meanwhile.
    bool RunPrintCommand(int id);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    // Mouse handling by mode (ViewMouse.cpp).
    void OnLeftPress(QPoint p, Qt::KeyboardModifiers modifiers);
    void OnRightPress(QPoint p);
    void OnMiddlePress(QPoint p);
    void OnDrag(QPoint p, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void OnRelease(QPoint p, Qt::MouseButton button);
    void OnF3();
    // Navigation in every mode (ViewNavigation.cpp): the middle button pans (a click still
    // steps the mode), Shift+middle or the right button in the select mode orbits. Each
    // returns true when it took the event.
    bool BeginNavigation(Qt::MouseButton button, QPoint p, Qt::KeyboardModifiers modifiers);
    bool ContinueNavigation(QPoint p);
    bool EndNavigation(Qt::MouseButton button, QPoint p);
    void RotateSelection(double angle, int axis);
    void TranslateSelection(const Vec3& delta);
    void ScaleSelection(double factor);
    // After a figure moved: only its overlay and the picture need repainting.
    void RepaintMovedFigure();
    // After the selected object was turned or moved: repose a figure, recompile anything else.
    void RefreshMovedSelection(CSceneObject& selected);
    void ExtendConstruction(QPoint p);
    void UpdateConstruction();
    void FinishConstruction(bool recordUndo);
    void RemoveConstruction();
    void PickAt(QPoint p, int pickMode);
    // The add-force mode: a picked segment gets a load at the picked point.
    void AddForceAtPick(QPoint p);
    bool Placement(QPoint p, Vec3& point, Vec3& direction);
    // The new figure stands where a click at `p` would place it (placement mode only).
    void MovePlacementPreview(QPoint p);
    void HidePlacementPreview();

    // Walking along the drawn path (ViewWalk.cpp): the start of the walk mode with its 100 ms
    // timer, and its end by Esc or at the end of the path.
    void StartWalking();
    void StopWalking();
    // Walk and record: the walk along the drawn path, step after step, into a video file
    // (ViewWalkRecording.cpp).
    void RecordWalk();

    // View, zoom and orbit commands (ViewCommands.cpp).
    void ZoomExtents();
    // Zooms to the scene's extents with a margin round them.
    void FrameScene();
    void BeginOrbitMode();
    // Switches the view to the orbit view, starting from what it shows now.
    void StartOrbitView();
    void ShowEyeView();
    void SetUserView();
    void ShowPreferences();
    void RestoreSavedViewType();

    // The renderer works in device pixels; mouse points come in the widget's logical pixels.
    QPoint DevicePoint(QPointF logical) const;
    QSize DeviceSize() const;
    void ShowCoordinates(QPoint p);
    void SetPrompt(const QString& text);
    void RebuildOverlay();
    void RecomputePixelVectors();
    void UpdateScrollBars();
    void SceneBounds(Vec3& boxMin, Vec3& boxMax) const;
    CSceneObject* Selected() const;
    CMannequin* CurrentMannequin() const;
    void UpdateAllViews();
    void DrawOverlays();

    CViewHost& frame;
    CViewDocument* doc;
    CViewScrollBars* scrollBars = nullptr;
    CWidgetSurface surface;
    CGLRender renderer;
    bool printing = false;
    bool initialised = false;
    int viewType = VIEW_FRONT;
    int savedViewType = VIEW_FRONT;
    int mode = MODE_SELECT;
    Vec3 userFrom{1.0, 1.0, 1.0};
    Vec3 userUp{0.0, 1.0, 0.0};
    CMannequin* eyeMannequin = nullptr;
    QPoint last;
    QPoint orbitStart;
    Vec3 rotationAngles;
    int rotateMethod = 0;
    std::vector<Vec3> points;
    int walkTimer = 0; // id of the running walk timer, 0 when none runs
    Vec3 pixelX, pixelY, pixelDepth;
    bool viewChanged = true;
    CSelectionOverlay overlay;
    QRect rubberBand; // start and current corner
    bool rubberBandActive = false;
    bool placementPreviewShown = false;
    bool overlayOnlyPaint = false;
    bool zoomExtentsPending = false;
    bool firstFrameDrawn = false;
    std::function<void()> onFirstFrame;
    enum class Navigation { None, Pan, Orbit };
    Navigation navigation = Navigation::None;
    Qt::MouseButton navigationButton = Qt::NoButton;
    QPoint navigationStart;
    bool navigationMoved = false;
};
