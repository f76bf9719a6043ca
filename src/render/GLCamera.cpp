#include "render/GLCamera.h"

#include "core/MathConstants.h"
#include "render/Trackball.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace tav;

namespace {

constexpr double kEyeFieldOfView = 112.0; // degrees, vertical
constexpr double kEyeNear = 5.0;          // inches

struct Vec4 {
    double x, y, z, w;
};

Vec4 Transform4(const Matrix4& m, const Vec4& v) {
    auto row = [&](int r) { return m(r, 0) * v.x + m(r, 1) * v.y + m(r, 2) * v.z + m(r, 3) * v.w; };
    return {row(0), row(1), row(2), row(3)};
}

// gluLookAt as a matrix.
Matrix4 LookAt(const Vec3& eye, const Vec3& centre, const Vec3& up) {
    const Vec3 f = Normalize(centre - eye);
    const Vec3 s = Normalize(Cross(f, up));
    const Vec3 u = Cross(s, f);
    Matrix4 m(true);
    const Vec3 rows[3] = {s, u, -f};
    for (int r = 0; r < 3; ++r) {
        m(r, 0) = rows[r].x;
        m(r, 1) = rows[r].y;
        m(r, 2) = rows[r].z;
        m(r, 3) = -Dot(rows[r], eye);
    }
    return m;
}

Matrix4 Ortho(double l, double r, double b, double t, double n, double f) {
    Matrix4 m(true);
    m(0, 0) = 2.0 / (r - l);
    m(1, 1) = 2.0 / (t - b);
    m(2, 2) = -2.0 / (f - n);
    m(0, 3) = -(r + l) / (r - l);
    m(1, 3) = -(t + b) / (t - b);
    m(2, 3) = -(f + n) / (f - n);
    return m;
}

Matrix4 Perspective(double fovyDegrees, double aspect, double n, double f) {
    const double cot = 1.0 / std::tan(fovyDegrees / 2.0 * kDegToRad);
    Matrix4 m(false);
    m(0, 0) = cot / aspect;
    m(1, 1) = cot;
    m(2, 2) = (f + n) / (n - f);
    m(2, 3) = 2.0 * f * n / (n - f);
    m(3, 2) = -1.0;
    return m;
}

void ResetQuaternion(float q[4]) {
    q[0] = q[1] = q[2] = 0.0f;
    q[3] = 1.0f;
}

// Truncation to int of a ratio that may be huge (a scene far smaller than a pixel).
int TruncateToInt(double value) {
    if (!(value < std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (!(value > std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

} // namespace

CGLCamera::CGLCamera() {
    SetViewType(VIEW_FRONT);
}

void CGLCamera::SetViewRect(int l, int t, int r, int b, int inset) {
    rect[0] = l;
    rect[1] = t;
    rect[2] = r;
    rect[3] = b;
    viewport[0] = l + inset;
    viewport[1] = t + inset;
    viewport[2] = r - inset;
    viewport[3] = b - inset;
}

void CGLCamera::SetViewType(int type) {
    viewType = type;
    switch (type) {
    case VIEW_FRONT:
        eye = {0, 0, 1};
        centre = {0, 0, 0};
        up = {0, 1, 0};
        break;
    case VIEW_TOP:
        eye = {0, 1, 0};
        centre = {0, 0, 0};
        up = {0, 0, -1};
        break;
    case VIEW_RIGHT:
        eye = {-1, 0, 0};
        centre = {0, 0, 0};
        up = {0, 1, 0};
        break;
    case VIEW_LEFT:
        eye = {1, 0, 0};
        centre = {0, 0, 0};
        up = {0, 1, 0};
        break;
    case VIEW_EYE:
        eye = eyePoint;
        centre = targetPoint;
        up = Normalize(headPoint - eyePoint);
        break;
    default: // user and orbit keep their eye and up vectors
        centre = {0, 0, 0};
        break;
    }
    if (type != VIEW_ORBIT)
        ResetQuaternion(currentRotation);
}

void CGLCamera::SetUserVectors(const Vec3& viewFrom, const Vec3& viewUp) {
    eye = viewFrom;
    up = viewUp;
}

void CGLCamera::SetEyePoints(const Vec3& eyePosition, const Vec3& target, const Vec3& head) {
    eyePoint = eyePosition;
    targetPoint = target;
    headPoint = head;
    if (viewType == VIEW_EYE)
        SetViewType(VIEW_EYE);
}

Matrix4 CGLCamera::ModelViewMatrix() const {
    if (viewType != VIEW_ORBIT)
        return LookAt(eye, centre, up);
    // The rotation turns the eye (0, 0, 1) and the up (0, 1, 0) of the view the orbit began
    // from, so the view turns with the drag and never looks along its own up.
    const Matrix4 turn = QuaternionMatrix(currentRotation);
    const auto toWorld = [this](const Vec3& v) {
        return orbitRight * v.x + orbitUp * v.y + orbitBack * v.z;
    };
    const Vec3 orbitEye = toWorld(TransformDirection(turn, Vec3(0.0, 0.0, 1.0)));
    const Vec3 orbitUpWorld = toWorld(TransformDirection(turn, Vec3(0.0, 1.0, 0.0)));
    return LookAt(centre + orbitEye, centre, orbitUpWorld);
}

void CGLCamera::ComputeOrthoVolume(double volume[6]) const {
    const double halfWidth = ViewportWidth() * unitsPerPixel / zoom * 0.5;
    const double halfHeight = ViewportHeight() * unitsPerPixel / zoom * 0.5;
    const Vec3 k = TransformPoint(ModelViewMatrix(), viewCentre);
    volume[0] = k.x - halfWidth;
    volume[1] = k.x + halfWidth;
    volume[2] = k.y - halfHeight;
    volume[3] = k.y + halfHeight;
    volume[4] = -k.z - 5.0 * sceneSize;
    volume[5] = 5.0 * sceneSize - k.z;
}

void CGLCamera::SetProjection(const Vec3& min, const Vec3& max) {
    extents = Vec3(std::fabs(max.x - min.x), std::fabs(max.y - min.y), std::fabs(max.z - min.z));
    if (viewType == VIEW_EYE)
        return;
    double v[6];
    ComputeOrthoVolume(v);
    left = v[0];
    right = v[1];
    bottom = v[2];
    top = v[3];
    nearPlane = v[4];
    farPlane = v[5];
}

Matrix4 CGLCamera::ProjectionMatrix() const {
    const double w = ViewportWidth(), h = ViewportHeight();
    if (viewType == VIEW_EYE)
        return Perspective(kEyeFieldOfView, h > 0 ? w / h : 1.0, kEyeNear, 2.0 * sceneSize);
    double v[6];
    ComputeOrthoVolume(v);
    return Ortho(v[0], v[1], v[2], v[3], v[4], v[5]);
}

Vec3 CGLCamera::Project(const Vec3& p) const {
    const Vec4 clip = Transform4(ProjectionMatrix() * ModelViewMatrix(), {p.x, p.y, p.z, 1.0});
    const double inv = clip.w != 0.0 ? 1.0 / clip.w : 0.0;
    return {viewport[0] + (clip.x * inv + 1.0) * 0.5 * ViewportWidth(),
            viewport[1] + (clip.y * inv + 1.0) * 0.5 * ViewportHeight(),
            (clip.z * inv + 1.0) * 0.5};
}

Vec3 CGLCamera::UnProject(const Vec3& window) const {
    const Matrix4 inverse = Inverse(ProjectionMatrix() * ModelViewMatrix());
    const Vec4 ndc = {(window.x - viewport[0]) / ViewportWidth() * 2.0 - 1.0,
                      (window.y - viewport[1]) / ViewportHeight() * 2.0 - 1.0, window.z * 2.0 - 1.0,
                      1.0};
    const Vec4 p = Transform4(inverse, ndc);
    const double inv = p.w != 0.0 ? 1.0 / p.w : 0.0;
    return {p.x * inv, p.y * inv, p.z * inv};
}

void CGLCamera::RayAt(double windowX, double windowY, Vec3& point, Vec3& direction) const {
    point = UnProject({windowX, windowY, 0.5});
    direction = UnProject({windowX, windowY, 1.0}) - point;
}

void CGLCamera::Placement(int x, int y, Vec3& point, Vec3& direction) const {
    RayAt(x, ViewportHeight() - y + 5, point, direction);
}

void CGLCamera::ZoomInAt(const Vec3& point, const Vec3& direction) {
    viewCentre = ClosestPointOnLine(point, direction, viewCentre);
    zoom *= zoomStep;
}

void CGLCamera::ZoomAbout(double windowX, double windowY, double factor) {
    if (factor <= 0.0)
        return;
    // In an orthographic view the point under the cursor keeps its place when the centre
    // moves towards it by the part of the way the zoom takes away.
    const double depth = Project(viewCentre).z;
    const Vec3 under = UnProject({windowX, windowY, depth});
    viewCentre = under + (viewCentre - under) / factor;
    zoom *= factor;
}

void CGLCamera::PanBy(double dx, double dy) {
    const Vec3 centreWindow = Project(viewCentre);
    viewCentre = UnProject({centreWindow.x - dx, centreWindow.y + dy, centreWindow.z});
}

void CGLCamera::ZoomOut() {
    zoom /= zoomStep;
}

void CGLCamera::ResetZoom() {
    viewCentre = {0, 0, 0};
    zoom = 1.0;
    zoomStep = 2.0;
}

void CGLCamera::ZoomWindow(const Vec3& point1, const Vec3& direction1, const Vec3& point2,
                           const Vec3& direction2, int windowWidth, int windowHeight) {
    viewCentre =
        ClosestPointOnLine((point1 + point2) * 0.5, (direction1 + direction2) * 0.5, viewCentre);
    if (windowWidth != 0 && windowHeight != 0)
        zoom *= std::min(static_cast<double>(ViewportWidth()) / windowWidth,
                         static_cast<double>(ViewportHeight()) / windowHeight);
}

void CGLCamera::ProjectBox(const Vec3& min, const Vec3& max) {
    boxMin = min;
    boxMax = max;
    for (int i = 0; i < 8; ++i) {
        const Vec3 corner((i & 1) ? max.x : min.x, (i & 2) ? max.y : min.y,
                          (i & 4) ? max.z : min.z);
        const Vec3 w = Project(corner);
        for (int a = 0; a < 3; ++a) {
            if (i == 0 || w[a] < screenMin[a])
                screenMin[a] = w[a];
            if (i == 0 || w[a] > screenMax[a])
                screenMax[a] = w[a];
        }
    }
    screenValid = 1;
}

int CGLCamera::ZoomToExtents(const Vec3& min, const Vec3& max) {
    ProjectBox(min, max);
    viewCentre = (min + max) * 0.5;
    zoomStep = 2.0;
    ExpandScene(min, max);
    const double dx = screenMax.x - screenMin.x;
    const double dy = screenMax.y - screenMin.y;
    if (dx >= 1.0 && dy >= 1.0) {
        const double e = std::min(ViewportWidth() / dx, ViewportHeight() / dy);
        zoom = e >= 1e-7 ? zoom * e : 1.0;
        return 1;
    }
    zoom = 1.0;
    return 0;
}

void CGLCamera::ExpandScene(const Vec3& min, const Vec3& max) {
    Vec3 lo = min, hi = max;
    for (int a = 0; a < 3; ++a) {
        lo[a] = std::min(lo[a], viewCentre[a]);
        hi[a] = std::max(hi[a], viewCentre[a]);
    }
    sceneSize = Length(hi - lo);
}

void CGLCamera::GetScrollParms(const Vec3& min, const Vec3& max) {
    ProjectBox(min, max);
    centreWindow = Project(viewCentre);
    const double w = ViewportWidth(), h = ViewportHeight();
    const double dx = screenMax.x - screenMin.x;
    const double dy = screenMax.y - screenMin.y;
    // A scene narrower than the view (or than a pixel) fills the whole bar.
    hPage = dx > 0.0 ? TruncateToInt(w / dx * hMax) : hMax;
    if (hPage < hMax) {
        hPos = TruncateToInt((centreWindow.x - screenMin.x - w / 2) * (hMax - hPage) / (dx - w));
    } else {
        hPage = hMax;
        hPos = 0;
    }
    vPage = dy > 0.0 ? TruncateToInt(h / dy * vMax) : vMax;
    if (vPage < vMax) {
        const double r = vMax - vPage;
        vPos = TruncateToInt(r - r * (centreWindow.y - screenMin.y - h / 2) / (dy - h));
    } else {
        vPage = vMax;
        vPos = 0;
    }
}

void CGLCamera::CentreOnWindowPoint(double windowX, double windowY) {
    Vec3 point, direction;
    RayAt(windowX, windowY, point, direction);
    viewCentre = ClosestPointOnLine(point, direction, viewCentre);
}

void CGLCamera::OnHScroll(int code, int position) {
    const int w = ViewportWidth();
    const double dx = screenMax.x - screenMin.x;
    double x = centreWindow.x;
    switch (code) {
    case SCROLL_LINE_LEFT:
    case SCROLL_LEFT_END:
        x -= w / 20;
        break;
    case SCROLL_LINE_RIGHT:
    case SCROLL_RIGHT_END:
        x += w / 20;
        break;
    case SCROLL_PAGE_LEFT:
        x -= w / 2;
        break;
    case SCROLL_PAGE_RIGHT:
        x += w / 2;
        break;
    case SCROLL_THUMB_POSITION:
        if (hMax == hPage)
            return;
        x = screenMin.x + (dx - w) * position / (hMax - hPage) + w / 2.0;
        break;
    default:
        return;
    }
    CentreOnWindowPoint(x, centreWindow.y);
}

void CGLCamera::OnVScroll(int code, int position) {
    const int h = ViewportHeight();
    const double dy = screenMax.y - screenMin.y;
    double y = centreWindow.y;
    switch (code) {
    case SCROLL_LINE_UP:
    case SCROLL_TOP:
        y += h / 20;
        break;
    case SCROLL_LINE_DOWN:
    case SCROLL_BOTTOM:
        y -= h / 20;
        break;
    case SCROLL_PAGE_UP:
        y += h / 2;
        break;
    case SCROLL_PAGE_DOWN:
        y -= h / 2;
        break;
    case SCROLL_THUMB_POSITION: {
        const double r = vMax - vPage;
        if (r == 0.0)
            return;
        y = screenMin.y + (dy - h) * (r - position) / r + h / 2.0;
        break;
    }
    default:
        return;
    }
    CentreOnWindowPoint(centreWindow.x, y);
}

void CGLCamera::BeginOrbit() {
    // The orbit starts from the view now shown: its screen axes become the orbit's frame.
    const Matrix4 view = ModelViewMatrix();
    orbitRight = Normalize(Vec3(view(0, 0), view(0, 1), view(0, 2)));
    orbitUp = Normalize(Vec3(view(1, 0), view(1, 1), view(1, 2)));
    orbitBack = Normalize(Vec3(view(2, 0), view(2, 1), view(2, 2)));
    ResetQuaternion(committedRotation);
    ResetQuaternion(currentRotation);
}

void CGLCamera::DragOrbit(int w, int h, int x0, int y0, int x, int y) {
    if (w <= 0 || h <= 0)
        return;
    const float p1x = static_cast<float>(2.0 * x0 - w) / w;
    const float p1y = static_cast<float>(h - 2.0 * y0) / h;
    const float p2x = static_cast<float>(2.0 * x - w) / w;
    const float p2y = static_cast<float>(h - 2.0 * y) / h;
    float delta[4];
    Trackball(delta, p1x, p1y, p2x, p2y);
    AddQuats(committedRotation, delta, currentRotation);
}

void CGLCamera::CommitOrbit() {
    std::copy(currentRotation, currentRotation + 4, committedRotation);
}

void CGLCamera::CopyViewFrom(const CGLCamera& s) {
    std::copy(s.viewport, s.viewport + 4, viewport);
    std::copy(s.rect, s.rect + 4, rect);
    unitsPerPixel = s.unitsPerPixel;
    zoom = s.zoom;
    bottom = s.bottom;
    top = s.top;
    left = s.left;
    right = s.right;
    nearPlane = s.nearPlane;
    farPlane = s.farPlane;
    viewType = s.viewType;
    eyePoint = s.eyePoint;
    targetPoint = s.targetPoint;
    headPoint = s.headPoint;
    eye = s.eye;
    centre = s.centre;
    up = s.up;
    sceneSize = s.sceneSize;
    zoomStep = s.zoomStep;
    viewCentre = s.viewCentre;
    std::copy(s.currentRotation, s.currentRotation + 4, currentRotation);
    std::copy(s.committedRotation, s.committedRotation + 4, committedRotation);
    orbitRight = s.orbitRight;
    orbitUp = s.orbitUp;
    orbitBack = s.orbitBack;
}
