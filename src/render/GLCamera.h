#pragma once

#include "core/Matrix4.h"
#include "core/Vec3.h"
#include "core/ViewTypes.h"

// Scroll-bar request codes, in the numbering of the windowing system's scroll messages. The
// vertical names share the values of the horizontal ones.
enum ScrollCode {
    SCROLL_LINE_LEFT = 0,
    SCROLL_LINE_RIGHT = 1,
    SCROLL_PAGE_LEFT = 2,
    SCROLL_PAGE_RIGHT = 3,
    SCROLL_THUMB_POSITION = 4,
    SCROLL_THUMB_TRACK = 5,
    SCROLL_LEFT_END = 6,
    SCROLL_RIGHT_END = 7,
    SCROLL_LINE_UP = SCROLL_LINE_LEFT,
    SCROLL_LINE_DOWN = SCROLL_LINE_RIGHT,
    SCROLL_PAGE_UP = SCROLL_PAGE_LEFT,
    SCROLL_PAGE_DOWN = SCROLL_PAGE_RIGHT,
    SCROLL_TOP = SCROLL_LEFT_END,
    SCROLL_BOTTOM = SCROLL_RIGHT_END,
};

inline constexpr const char* kZoomExtentsFailed =
    "Zoom extents failed.  Returning to default zoom.";

// What one view shows: viewport, camera vectors, projection, zoom, centre and the scroll state
// derived from the scene's projected size. Model units are inches; window coordinates are pixels
// with y up (OpenGL's convention) unless an operation says it takes a cursor point (y down).
// The matrices are computed here in double precision and handed to OpenGL by the renderer, so
// every computation of this class can run without a context.
class CGLCamera {
public:
    CGLCamera();

    // Stores the rectangle (pixels) and the viewport shrunk by `inset` on each side.
    void SetViewRect(int left, int top, int right, int bottom, int inset);
    int ViewportWidth() const { return viewport[2] - viewport[0]; }
    int ViewportHeight() const { return viewport[3] - viewport[1]; }

    // Stores the type and recomputes eye, centre and up; resets the orbit drag except in the
    // orbit view itself.
    void SetViewType(int type);
    // The user view's "View From" and "View Up" vectors.
    void SetUserVectors(const Vec3& viewFrom, const Vec3& viewUp);
    // Eye position, point looked at and a point above the eyes (inches, world coordinates).
    void SetEyePoints(const Vec3& eyePosition, const Vec3& target, const Vec3& head);

    // Look-at transform of the current view type.
    Matrix4 ModelViewMatrix() const;
    // Orthographic volume around viewCentre (all views but the eye view): left, right, bottom,
    // top, near, far in eye coordinates (inches).
    void ComputeOrthoVolume(double volume[6]) const;
    // Stores the box extents and the orthographic volume, as each frame does.
    void SetProjection(const Vec3& boxMin, const Vec3& boxMax);
    // Projection of the current view type (orthographic or the eye view's perspective).
    Matrix4 ProjectionMatrix() const;

    // Model point to window coordinates (x, y in pixels with y up, z depth 0..1).
    Vec3 Project(const Vec3& point) const;
    // Window coordinates back to a model point.
    Vec3 UnProject(const Vec3& window) const;
    // Ray through a window point: the point at mid depth and the direction to the far plane.
    void RayAt(double windowX, double windowY, Vec3& point, Vec3& direction) const;
    // Ray under a cursor point (pixels, y down), taken five pixels below the mirrored row.
    void Placement(int x, int y, Vec3& point, Vec3& direction) const;

    // Zooms by `factor` keeping the model point under the window point (pixels, y up) in place.
    void ZoomAbout(double windowX, double windowY, double factor);
    // Moves the picture by (dx, dy) window pixels (y down), as a hand dragging it would.
    void PanBy(double dx, double dy);
    // Zoom commands. Rays come from Placement.
    void ZoomInAt(const Vec3& point, const Vec3& direction);
    void ZoomOut();
    void ResetZoom();
    void ZoomWindow(const Vec3& point1, const Vec3& direction1, const Vec3& point2,
                    const Vec3& direction2, int windowWidth, int windowHeight);
    // Centres on the box and zooms so that it fills the viewport; 0 (and zoom 1) when the box
    // projects to less than one pixel in either direction.
    int ZoomToExtents(const Vec3& boxMin, const Vec3& boxMax);
    // Grows the box to hold viewCentre and takes its diagonal as the scene size.
    void ExpandScene(const Vec3& boxMin, const Vec3& boxMax);

    // Scroll-bar state from the scene bounds; then panning by scroll-bar requests.
    void GetScrollParms(const Vec3& boxMin, const Vec3& boxMax);
    void OnHScroll(int code, int position);
    void OnVScroll(int code, int position);

    // 3D orbit: begins from the view now shown (its eye and up); then drags from the press
    // point (x0, y0) to (x, y) in a client area of w x h pixels turn it.
    void BeginOrbit();
    void DragOrbit(int w, int h, int x0, int y0, int x, int y);
    void CommitOrbit();

    // Copies what a picture of another view needs (not the scroll state).
    void CopyViewFrom(const CGLCamera& source);

    int hMin = 0, hMax = 2048, hPos = 0, hPage = 512;
    int vMin = 0, vMax = 2048, vPos = 0, vPage = 512;
    double unitsPerPixel = 0.25;    // inches per pixel at zoom 1
    double zoom = 1.0;              // visible width = pixels * unitsPerPixel / zoom
    int viewport[4] = {0, 0, 0, 0}; // left, top, right, bottom (pixels)
    int rect[4] = {0, 0, 0, 0};
    double bottom = 0.0, top = 0.0, left = 0.0, right = 0.0, nearPlane = 0.0, farPlane = 0.0;
    Vec3 eyePoint, targetPoint, headPoint;
    int viewType = VIEW_FRONT;
    Vec3 eye{0.0, 0.0, 1.0};
    Vec3 centre;
    Vec3 up{0.0, 1.0, 0.0};
    Vec3 extents;
    double sceneSize = 2000.0; // inches; sets the depth range
    double zoomStep = 2.0;
    Vec3 viewCentre;
    Vec3 boxMin, boxMax;
    Vec3 centreWindow;
    int screenValid = 0;
    Vec3 screenMin, screenMax;
    float currentRotation[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float committedRotation[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    // Screen axes (world directions) of the view the orbit began from.
    Vec3 orbitRight{1.0, 0.0, 0.0}, orbitUp{0.0, 1.0, 0.0}, orbitBack{0.0, 0.0, 1.0};

private:
    // Window-space bounds of the eight projected corners of the box.
    void ProjectBox(const Vec3& boxMin, const Vec3& boxMax);
    // Moves viewCentre to the point nearest to it on the ray through a window point.
    void CentreOnWindowPoint(double windowX, double windowY);
};
