#include "core/GlobalSettings.h"
#include "core/UserReporter.h"
#include "render/GLCamera.h"
#include "render/GLRender.h"
#include "render/Trackball.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectVecNear(const Vec3& a, const Vec3& b, double tol = 1e-9) {
    EXPECT_NEAR(a.x, b.x, tol);
    EXPECT_NEAR(a.y, b.y, tol);
    EXPECT_NEAR(a.z, b.z, tol);
}

CGLCamera Camera400x300() {
    CGLCamera camera;
    camera.SetViewRect(0, 0, 400, 300, 0);
    return camera;
}

TEST(CameraTest, ViewTypesSetTheirVectors) {
    CGLCamera c;
    struct Row {
        int type;
        Vec3 eye, up;
    } rows[] = {{VIEW_FRONT, {0, 0, 1}, {0, 1, 0}},
                {VIEW_TOP, {0, 1, 0}, {0, 0, -1}},
                {VIEW_RIGHT, {-1, 0, 0}, {0, 1, 0}},
                {VIEW_LEFT, {1, 0, 0}, {0, 1, 0}}};
    for (const Row& r : rows) {
        c.SetViewType(r.type);
        EXPECT_EQ(c.eye, r.eye);
        EXPECT_EQ(c.centre, Vec3(0, 0, 0));
        EXPECT_EQ(c.up, r.up);
    }
    c.SetUserVectors(Vec3(1, 1, 1), Vec3(0, 1, 0));
    c.SetViewType(VIEW_USER);
    EXPECT_EQ(c.eye, Vec3(1, 1, 1));
    EXPECT_EQ(c.up, Vec3(0, 1, 0));
    c.SetEyePoints(Vec3(1, 60, 2), Vec3(1, 58, 30), Vec3(1, 64, 2));
    c.SetViewType(VIEW_EYE);
    EXPECT_EQ(c.eye, Vec3(1, 60, 2));
    EXPECT_EQ(c.centre, Vec3(1, 58, 30));
    EXPECT_EQ(c.up, Vec3(0, 1, 0)); // (head - eye) normalised
    // Orbit keeps eye and up, looks at the origin.
    c.SetViewType(VIEW_ORBIT);
    EXPECT_EQ(c.eye, Vec3(1, 60, 2));
    EXPECT_EQ(c.centre, Vec3(0, 0, 0));
}

TEST(CameraTest, FrontViewLooksDownMinusZ) {
    CGLCamera c = Camera400x300();
    const Matrix4 mv = c.ModelViewMatrix();
    // gluLookAt((0,0,1), 0, (0,1,0)) is a translation by -1 along z.
    ExpectVecNear(TransformPoint(mv, Vec3(3, 4, 5)), Vec3(3, 4, 4));
    c.SetViewType(VIEW_TOP); // x right, -z up on screen, y towards the viewer
    ExpectVecNear(TransformPoint(c.ModelViewMatrix(), Vec3(3, 4, 5)), Vec3(3, -5, 3));
}

TEST(CameraTest, OrthographicVolumeSurroundsTheViewCentre) {
    CGLCamera c = Camera400x300();
    c.zoom = 2.0;
    c.viewCentre = Vec3(10, 20, 30);
    c.SetProjection(Vec3(-1000, -1000, -1000), Vec3(1000, 1000, 1000));
    // Half width 400 * 0.25 / 2 / 2 = 25, half height 18.75; the centre sits at (10, 20, 29)
    // in eye coordinates; depth +-5 scene sizes (2000) about it.
    EXPECT_DOUBLE_EQ(c.left, -15.0);
    EXPECT_DOUBLE_EQ(c.right, 35.0);
    EXPECT_DOUBLE_EQ(c.bottom, 1.25);
    EXPECT_DOUBLE_EQ(c.top, 38.75);
    EXPECT_DOUBLE_EQ(c.nearPlane, -29.0 - 10000.0);
    EXPECT_DOUBLE_EQ(c.farPlane, 10000.0 - 29.0);
    EXPECT_EQ(c.extents, Vec3(2000, 2000, 2000));
    // The view centre lands in the middle of the window at mid depth.
    ExpectVecNear(c.Project(c.viewCentre), Vec3(200, 150, 0.5), 1e-9);
    // One inch is 400 / 50 = 8 pixels.
    ExpectVecNear(c.Project(Vec3(11, 20, 30)), Vec3(208, 150, 0.5), 1e-9);
    ExpectVecNear(c.UnProject(Vec3(208, 150, 0.5)), Vec3(11, 20, 30), 1e-9);
}

TEST(CameraTest, EyeViewIsAPerspectiveOf112Degrees) {
    CGLCamera c = Camera400x300();
    c.SetEyePoints(Vec3(0, 0, 0), Vec3(0, 0, -10), Vec3(0, 1, 0));
    c.SetViewType(VIEW_EYE);
    // A point 10 inches ahead and 10 tan(56 deg) up lies on the top edge of the window.
    const Vec3 w = c.Project(Vec3(0, 10 * std::tan(56.0 * M_PI / 180.0), -10));
    EXPECT_NEAR(w.x, 200.0, 1e-6);
    EXPECT_NEAR(w.y, 300.0, 1e-4);
    // The near plane (5 inches) is at depth 0, the far plane (2 x 2000) at depth 1.
    EXPECT_NEAR(c.Project(Vec3(0, 0, -5)).z, 0.0, 1e-9);
    EXPECT_NEAR(c.Project(Vec3(0, 0, -4000)).z, 1.0, 1e-9);
}

TEST(CameraTest, ZoomInAtARayThenOutReturnsToTheFormerZoom) {
    CGLCamera c = Camera400x300();
    c.viewCentre = Vec3(0, 0, 7);
    c.ZoomInAt(Vec3(5, 5, 0), Vec3(0, 0, -3));
    ExpectVecNear(c.viewCentre, Vec3(5, 5, 7)); // the ray's point nearest the old centre
    EXPECT_DOUBLE_EQ(c.zoom, 2.0);
    c.ZoomOut();
    EXPECT_DOUBLE_EQ(c.zoom, 1.0);
    ExpectVecNear(c.viewCentre, Vec3(5, 5, 7));
    c.zoomStep = 3.0;
    c.ZoomInAt(Vec3(5, 5, 0), Vec3(0, 0, -1));
    EXPECT_DOUBLE_EQ(c.zoom, 3.0);
    c.ZoomOut(); // by the changed step too
    EXPECT_DOUBLE_EQ(c.zoom, 1.0);
    c.ResetZoom();
    EXPECT_EQ(c.viewCentre, Vec3(0, 0, 0));
    EXPECT_EQ(c.zoom, 1.0);
    EXPECT_EQ(c.zoomStep, 2.0);
}

TEST(CameraTest, ZoomWindowCentresOnTheMidRayAndFillsTheView) {
    CGLCamera c = Camera400x300();
    c.ZoomWindow(Vec3(0, 0, 0), Vec3(0, 0, -1), Vec3(20, 10, 0), Vec3(0, 0, -1), 100, 50);
    ExpectVecNear(c.viewCentre, Vec3(10, 5, 0));
    EXPECT_DOUBLE_EQ(c.zoom, 4.0); // min(400 / 100, 300 / 50)
    c.ZoomWindow(Vec3(2, 2, 0), Vec3(0, 0, -1), Vec3(2, 2, 0), Vec3(0, 0, -1), 0, 0);
    ExpectVecNear(c.viewCentre, Vec3(2, 2, 0));
    EXPECT_DOUBLE_EQ(c.zoom, 4.0);
}

TEST(CameraTest, ZoomExtentsFramesTheBox) {
    CGLCamera c = Camera400x300();
    EXPECT_EQ(c.ZoomToExtents(Vec3(-10, -20, -5), Vec3(10, 20, 5)), 1);
    // 20 x 40 inches project to 80 x 160 pixels: zoom min(400 / 80, 300 / 160) = 1.875.
    EXPECT_DOUBLE_EQ(c.zoom, 1.875);
    EXPECT_EQ(c.viewCentre, Vec3(0, 0, 0));
    EXPECT_DOUBLE_EQ(c.sceneSize, std::sqrt(20.0 * 20 + 40 * 40 + 10 * 10));
    EXPECT_EQ(c.screenValid, 1);
    EXPECT_NEAR(c.screenMax.x - c.screenMin.x, 80.0, 1e-9);
    // Now the box fills the height exactly: a second zoom extents changes nothing.
    c.zoomStep = 5.0;
    EXPECT_EQ(c.ZoomToExtents(Vec3(-10, -20, -5), Vec3(10, 20, 5)), 1);
    EXPECT_NEAR(c.zoom, 1.875, 1e-12);
    EXPECT_EQ(c.zoomStep, 2.0);
    // An off-centre box: the centre moves to its middle, the scene grows to hold the centre.
    EXPECT_EQ(c.ZoomToExtents(Vec3(100, 0, 0), Vec3(110, 10, 0)), 1);
    EXPECT_EQ(c.viewCentre, Vec3(105, 5, 0));
    // The empty scene's box of +-1000.
    CGLCamera empty = Camera400x300();
    EXPECT_EQ(empty.ZoomToExtents(Vec3(-1000, -1000, -1000), Vec3(1000, 1000, 1000)), 1);
    EXPECT_DOUBLE_EQ(empty.zoom, 300.0 / 8000.0);
}

TEST(CameraTest, ZoomExtentsOfAPointFailsWithItsMessage) {
    CGlobalSettings settings;
    CStderrReporter reporter;
    CGLRender render(settings, reporter);
    render.camera.SetViewRect(0, 0, 400, 300, 0);
    render.camera.zoom = 8.0;
    EXPECT_EQ(render.ZoomToExtents(Vec3(3, 4, 5), Vec3(3, 4, 5)), 0);
    EXPECT_STREQ(render.message, "Zoom extents failed.  Returning to default zoom.");
    EXPECT_EQ(render.camera.zoom, 1.0);
    EXPECT_EQ(render.camera.viewCentre, Vec3(3, 4, 5));
    // A line seen end-on is also less than a pixel wide.
    EXPECT_EQ(render.ZoomToExtents(Vec3(0, 0, -50), Vec3(0, 0, 50)), 0);
}

TEST(CameraTest, ScrollParametersAndPanning) {
    CGLCamera c = Camera400x300();
    // 200 x 150 inches project to 800 x 600 pixels, twice the viewport, centred.
    const Vec3 lo(-100, -75, 0), hi(100, 75, 0);
    c.GetScrollParms(lo, hi);
    EXPECT_EQ(c.hPage, 1024); // 400 / 800 * 2048
    EXPECT_EQ(c.hPos, 512);   // (200 + 200 - 200) * 1024 / 400
    EXPECT_EQ(c.vPage, 1024);
    EXPECT_EQ(c.vPos, 512); // 1024 - 1024 * (150 + 150 - 150) / 300
    ExpectVecNear(c.centreWindow, Vec3(200, 150, 0.5));

    c.OnHScroll(SCROLL_LINE_RIGHT, 0); // 400 / 20 = 20 pixels = 5 inches
    ExpectVecNear(c.viewCentre, Vec3(5, 0, 0));
    c.GetScrollParms(lo, hi);
    EXPECT_EQ(c.hPos, 563); // box from -220 px: (200 + 220 - 200) * 1024 / 400 = 563.2
    c.OnHScroll(SCROLL_THUMB_POSITION, 0); // thumb at the left end: the box's left edge shows
    ExpectVecNear(c.viewCentre, Vec3(-50, 0, 0));
    c.OnHScroll(SCROLL_THUMB_TRACK, 300); // tracking only moves the thumb
    ExpectVecNear(c.viewCentre, Vec3(-50, 0, 0));

    c.GetScrollParms(lo, hi);
    c.OnVScroll(SCROLL_PAGE_DOWN, 0); // 150 pixels down = 37.5 inches
    ExpectVecNear(c.viewCentre, Vec3(-50, -37.5, 0));
    c.GetScrollParms(lo, hi);
    EXPECT_EQ(c.vPos, 1024);               // at the bottom
    c.OnVScroll(SCROLL_THUMB_POSITION, 0); // thumb at the top: the box's top edge shows
    ExpectVecNear(c.viewCentre, Vec3(-50, 37.5, 0));
    c.GetScrollParms(lo, hi);
    EXPECT_EQ(c.vPos, 0);
    c.OnVScroll(SCROLL_LINE_UP, 0); // 15 pixels up
    ExpectVecNear(c.viewCentre, Vec3(-50, 41.25, 0));
}

TEST(CameraTest, SceneSmallerThanTheViewFillsTheScrollBars) {
    CGLCamera c = Camera400x300();
    c.GetScrollParms(Vec3(-10, -10, 0), Vec3(10, 10, 0));
    EXPECT_EQ(c.hPage, c.hMax);
    EXPECT_EQ(c.hPos, 0);
    EXPECT_EQ(c.vPage, c.vMax);
    EXPECT_EQ(c.vPos, 0);
    c.GetScrollParms(Vec3(1, 1, 1), Vec3(1, 1, 1)); // a point: no division by zero
    EXPECT_EQ(c.hPage, c.hMax);
    EXPECT_EQ(c.vPage, c.vMax);
}

// Quaternion product written out independently: rotation a then b is b * a.
void Multiply(const double b[4], const double a[4], double out[4]) {
    out[3] = b[3] * a[3] - b[0] * a[0] - b[1] * a[1] - b[2] * a[2];
    out[0] = b[3] * a[0] + b[0] * a[3] + b[1] * a[2] - b[2] * a[1];
    out[1] = b[3] * a[1] - b[0] * a[2] + b[1] * a[3] + b[2] * a[0];
    out[2] = b[3] * a[2] + b[0] * a[1] - b[1] * a[0] + b[2] * a[3];
}

TEST(TrackballTest, DragAlongXTurnsAboutY) {
    float q[4];
    Trackball(q, 0.3f, 0.2f, 0.3f, 0.2f);
    EXPECT_EQ(q[0], 0.0f);
    EXPECT_EQ(q[3], 1.0f);
    Trackball(q, 0.0f, 0.0f, 0.1f, 0.0f);
    // Lifted points (0, 0, 0.8) and (0.1, 0, sqrt(0.63)); axis p2 x p1 = (0, -0.08, 0).
    const double z2 = std::sqrt(0.64 - 0.01);
    const double t = std::sqrt(0.01 + (0.8 - z2) * (0.8 - z2)) / 1.6;
    const double half = std::asin(t);
    EXPECT_NEAR(q[0], 0.0, 1e-7);
    EXPECT_NEAR(q[1], -std::sin(half), 1e-6);
    EXPECT_NEAR(q[2], 0.0, 1e-7);
    EXPECT_NEAR(q[3], std::cos(half), 1e-6);
    // Beyond 0.8 / sqrt(2) the ball becomes a hyperbolic sheet: z = 0.32 / d.
    Trackball(q, 0.0f, 0.0f, 0.9f, 0.0f);
    const double t2 = std::sqrt(0.81 + (0.8 - 0.32 / 0.9) * (0.8 - 0.32 / 0.9)) / 1.6;
    EXPECT_NEAR(q[3], std::cos(std::asin(std::min(t2, 1.0))), 1e-6);
}

TEST(TrackballTest, AdditionComposesRotations) {
    const float s = static_cast<float>(std::sqrt(0.5));
    const float aboutX[4] = {s, 0, 0, s}; // 90 degrees about X
    const float aboutY[4] = {0, s, 0, s}; // 90 degrees about Y
    float sum[4];
    AddQuats(aboutX, aboutY, sum);
    const double a[4] = {s, 0, 0, s}, b[4] = {0, s, 0, s};
    double expected[4];
    Multiply(b, a, expected);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(sum[i], expected[i], 1e-6);
    // The matrix of the sum turns a vector as RotationY(90) * RotationX(90) does.
    const Vec3 v(1, 2, 3);
    const Vec3 viaQuaternion = TransformPoint(QuaternionMatrix(sum), v);
    const Vec3 viaMatrices = TransformPoint(RotationY(90) * RotationX(90), v);
    EXPECT_NEAR(viaQuaternion.x, viaMatrices.x, 1e-5);
    EXPECT_NEAR(viaQuaternion.y, viaMatrices.y, 1e-5);
    EXPECT_NEAR(viaQuaternion.z, viaMatrices.z, 1e-5);
}

TEST(TrackballTest, EveryNinetyEighthAdditionRenormalises) {
    // With a quaternion of squared length 4, the renormalising addition divides by 4.
    const float doubled[4] = {0, 0, 0, 2};
    const float identity[4] = {0, 0, 0, 1};
    int renormalised = 0;
    for (int i = 0; i < 98; ++i) {
        float sum[4];
        AddQuats(doubled, identity, sum);
        if (sum[3] == 0.5f)
            ++renormalised;
        else
            EXPECT_EQ(sum[3], 2.0f);
    }
    EXPECT_EQ(renormalised, 1);
}

TEST(CameraOrbitTest, BeginsAtTheViewShownAndDragBackRestoresIt) {
    const Vec3 probes[] = {{3, 4, 5}, {-20, 60, 7}, {0, 0, -30}};
    const auto expectSameView = [&](const Matrix4& a, const Matrix4& b) {
        for (const Vec3& p : probes)
            ExpectVecNear(TransformPoint(a, p), TransformPoint(b, p), 1e-6);
    };
    CGLCamera c = Camera400x300();
    c.SetViewType(VIEW_TOP);
    const Matrix4 top = c.ModelViewMatrix();
    c.BeginOrbit();
    c.SetViewType(VIEW_ORBIT);
    expectSameView(c.ModelViewMatrix(), top); // not the last orbit, not a blank picture

    c.DragOrbit(400, 300, 100, 100, 250, 40);
    const Matrix4 turned = c.ModelViewMatrix();
    c.CommitOrbit();
    // A second orbit resumes from the turned view; a drag back to the press point restores it.
    c.BeginOrbit();
    expectSameView(c.ModelViewMatrix(), turned);
    c.DragOrbit(400, 300, 200, 150, 320, 60);
    c.DragOrbit(400, 300, 200, 150, 200, 150);
    expectSameView(c.ModelViewMatrix(), turned);

    // From the front, a drag of 60 pixels through the middle of a 400 pixel wide view moves
    // the ball (radius 0.8) from (0, 0, 0.8) to (0.3, 0, z): a turn about the vertical by the
    // angle between them, whose sine is 0.3 / 0.8.
    c.SetViewType(VIEW_FRONT);
    c.BeginOrbit();
    c.SetViewType(VIEW_ORBIT);
    c.DragOrbit(400, 300, 200, 150, 260, 150);
    const double angle = std::asin(0.3 / 0.8);
    const Matrix4 view = c.ModelViewMatrix();
    // The world's up stays the screen's up; the eye swings about it.
    ExpectVecNear(TransformDirection(view, Vec3(0, 1, 0)), Vec3(0, 1, 0), 1e-6);
    const Vec3 xOnScreen = TransformDirection(view, Vec3(1, 0, 0));
    EXPECT_NEAR(std::fabs(xOnScreen.z), std::sin(angle), 1e-5);
    EXPECT_NEAR(xOnScreen.x, std::cos(angle), 1e-5);
}

} // namespace
