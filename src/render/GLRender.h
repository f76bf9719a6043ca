#pragma once

#include "core/GeometryCache.h"
#include "render/GLCamera.h"
#include "render/Image.h"

class CGlobalSettings;
class CObjectList;
class COverlay;
class CRenderSurface;
class CUserReporter;

enum RenderMode { RENDER_WIREFRAME = 0, RENDER_HIDDEN = 1, RENDER_SHADED = 2 };

// What RenderObjectList does: draw a frame, or pick and select the hit object alone or with
// its owner group.
enum PickMode { PICK_NONE = 0, PICK_SELECT = 1, PICK_SELECT_GROUP = 2 };

// Messages of context creation and use.
inline constexpr const char* kNoValidDC = "Couldn't get a valid DC.";
inline constexpr const char* kPixelFormatFailed = "SetupPixelFormat failed.";
inline constexpr const char* kCreateContextFailed = "wglCreateContext failed.";
inline constexpr const char* kMakeCurrentAtInitFailed =
    "Could not make the current context current.";
inline constexpr const char* kReleaseFailed = "Release of the current RC failed.";
inline constexpr const char* kMakeCurrentFailed = "wglMakeCurrent Failure";
inline constexpr const char* kSwapFailed = "SwapBuffers failed.";
inline constexpr const char* kInitOpenGLFailed =
    "Could not intialize OpenGL.\nPlease check your Display settings.\n";

// The fixed-function OpenGL renderer of one view: it draws a scene object list in wireframe,
// hidden-surface or shaded mode from the camera's viewpoint, picks objects in selection mode,
// maps window points to model points and masks the eye view. It draws into a surface that the
// caller owns and that must outlive it: a window's context on screen, or a CEglContext off screen.
// Every public operation makes the surface's context current on entry and none on exit, so that
// several renderers can share the thread. No toolkit code in here.
class CGLRender {
public:
    // Settings: referential, floor and units; reporter: where context failures are shown.
    CGLRender(const CGlobalSettings& settings, CUserReporter& reporter);
    ~CGLRender();
    CGLRender(const CGLRender&) = delete;
    CGLRender& operator=(const CGLRender&) = delete;

    // Creates the context of a window and takes its size as viewport; a second call returns 1.
    int InitScreenRender(CRenderSurface* window);
    // Creates an off-screen context of width x height pixels, taking the render mode and the
    // camera of `source` (when given) for that size.
    int InitOffscreenRender(CRenderSurface* surface, const CGLRender* source, int width,
                            int height);
    int MakeCurrent();
    void ReleaseCurrent();

    void SetRenderMode(int mode) { renderMode = mode; }
    int GetRenderMode() const { return renderMode; }
    // Cursor point (pixels from the top left) of the next pick.
    void SetPickPoint(int x, int y);
    void SetOverlayDirty(int flag) { overlayDirty = flag; }
    int IsOverlayDirty() const { return overlayDirty; }
    void SetViewType(int type);
    int GetViewType() const { return viewType; }
    // An object outside the list that frames draw over the scene in dashed lines: a figure
    // following the cursor before it is placed. Null draws none; picks never see it.
    void SetPlacementPreview(CSceneObject* object) { preview = object; }

    // One frame (pickMode PICK_NONE) or one pick of the list's top-level objects. With
    // swapAndRelease 0 the context stays current with the finished image (for reading back).
    // `overlayKind` belongs to the caller and is not used here.
    int RenderObjectList(const CObjectList& objects, int pickMode, int overlayKind,
                         int swapAndRelease);
    // Lets every selected object (kind 2: also the linked ones) add its highlight lines.
    void UpdateOverlay(const CObjectList& objects, COverlay& overlay, int overlayKind);
    // printf-style text as 3D glyphs at the current model-view origin (context current).
    void DrawText(const char* format, ...);

    // Model point under a cursor point (pixels from the top left) and the viewing ray there;
    // 0 while the view has no area.
    int Get3DPlacement(const CObjectList& objects, int x, int y, Vec3& point, Vec3& direction);
    // Writes the visual-field mask of the current viewport into the stencil buffer.
    int SetupStencil();
    // The viewport (pixels) the view now has; an eye view rebuilds its mask.
    void SetViewRect(int width, int height);
    void SetViewPort();
    int ZoomToExtents(const Vec3& boxMin, const Vec3& boxMax);
    void GetScrollParms(const Vec3& boxMin, const Vec3& boxMax) {
        camera.GetScrollParms(boxMin, boxMax);
    }
    void OnHScroll(int code, int position) { camera.OnHScroll(code, position); }
    void OnVScroll(int code, int position) { camera.OnVScroll(code, position); }
    // Reads the image of the last frame (the context's draw buffer, resolved to one colour a
    // pixel when it is multisampled).
    int ReadImage(CImage& image);
    // Reads the lower-left width x height pixels of the last frame as blue-green-red bytes,
    // rows from the bottom up, each padded to 4 bytes: the frames of a video recording.
    int ReadFramePixels(std::uint8_t* bgrBottomUp, int width, int height);

    const char* message = nullptr; // last error text
    CGLCamera camera;

private:
    // Runs the creation steps of a surface's context and reports the failing one.
    int CreateContext(CRenderSurface* target);
    void Fail(const char* text);
    void ApplyViewport();
    void SetViewMatrix(int pickMode);
    void SetLighting();
    void Draw(const CObjectList& objects, bool picking);
    void DrawEyeOverlay();
    void DrawPlacementPreview();
    void FinishPick(const CObjectList& objects, int pickMode);

    const CGlobalSettings& settings;
    CUserReporter& reporter;
    CRenderSurface* surface = nullptr;
    bool initialized = false;
    bool offscreen = false;
    int pickX = 0, pickY = 0;
    int renderMode = RENDER_WIREFRAME;
    int overlayDirty = 0;
    int viewType = VIEW_FRONT;
    unsigned int fontBase = 0;
    CSceneObject* preview = nullptr;
    CGeometryCache geometry;
};
