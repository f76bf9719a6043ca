#include "RenderTestSupport.h"

namespace {

// A window whose creation fails at a chosen step.
class CFailingSurface : public CRenderSurface {
public:
    explicit CFailingSurface(int failingStep) : failingStep(failingStep) {}
    bool OpenDrawable() override { return Step(0); }
    bool SetupPixelFormat() override { return Step(1); }
    bool CreateContext() override { return Step(2); }
    bool IsCurrent() const override { return false; }
    bool MakeCurrent() override { return Step(3); }
    bool ReleaseCurrent() override { return true; }
    bool SwapBuffers() override { return true; }
    void ClientSize(int& w, int& h) const override { w = h = 10; }
    int calls = 0;

private:
    bool Step(int step) {
        ++calls;
        return step != failingStep;
    }
    int failingStep;
};

TEST(ContextTest, EachFailingStepIsReportedWithItsMessage) {
    const char* expected[] = {
        "Trace : Couldn't get a valid DC.", "Trace : SetupPixelFormat failed.",
        "Trace : wglCreateContext failed.", "Trace : Could not make the current context current."};
    for (int step = 0; step < 4; ++step) {
        CGlobalSettings settings;
        CRecordingReporter reporter;
        CFailingSurface window(step);
        CGLRender render(settings, reporter);
        EXPECT_EQ(render.InitScreenRender(&window), 0);
        ASSERT_EQ(reporter.messages.size(), 1u) << "step " << step;
        EXPECT_EQ(reporter.messages[0], expected[step]);
        EXPECT_STREQ(render.message, expected[step] + 8);
        // Not initialised: a frame fails and draws nothing.
        CObjectList none;
        EXPECT_EQ(render.RenderObjectList(none, PICK_NONE, 1, 1), 0);
        Vec3 point, direction;
        EXPECT_EQ(render.Get3DPlacement(none, 5, 5, point, direction), 0);
    }
    CGlobalSettings settings;
    CRecordingReporter reporter;
    CGLRender render(settings, reporter);
    EXPECT_EQ(render.InitScreenRender(nullptr), 0);
    EXPECT_EQ(reporter.messages.at(0), expected[0]);
}

TEST(ContextTest, OversizedOffscreenBufferFailsContextCreation) {
    CGlobalSettings settings;
    CRecordingReporter reporter;
    CEglContext context(100000, 100000);
    CGLRender render(settings, reporter);
    EXPECT_EQ(render.InitOffscreenRender(&context, nullptr, 100000, 100000), 0);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Trace : wglCreateContext failed.");
    CEglContext empty(0, 10);
    CGLRender second(settings, reporter);
    EXPECT_EQ(second.InitOffscreenRender(&empty, nullptr, 0, 10), 0);
    EXPECT_EQ(reporter.messages.back(), "Trace : SetupPixelFormat failed.");
}

using OffscreenContextTest = OffscreenTest;

TEST_F(OffscreenContextTest, SecondInitialisationChangesNothing) {
    render->camera.zoom = 3.0;
    CEglContext other(50, 50);
    EXPECT_EQ(render->InitOffscreenRender(&other, nullptr, 50, 50), 1);
    EXPECT_EQ(render->camera.ViewportWidth(), kWidth);
    EXPECT_EQ(render->camera.zoom, 3.0);
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(OffscreenContextTest, PictureRendererTakesModeAndCameraOfItsSource) {
    render->SetRenderMode(RENDER_SHADED);
    render->SetViewType(VIEW_TOP);
    render->camera.zoom = 2.5;
    render->camera.viewCentre = Vec3(1, 2, 3);
    render->camera.hPos = 77;
    CEglContext pictureContext(200, 100);
    CGLRender picture(settings, reporter);
    ASSERT_EQ(picture.InitOffscreenRender(&pictureContext, render.get(), 200, 100), 1);
    EXPECT_EQ(picture.GetRenderMode(), RENDER_SHADED);
    EXPECT_EQ(picture.GetViewType(), VIEW_TOP);
    EXPECT_EQ(picture.camera.zoom, 2.5);
    EXPECT_EQ(picture.camera.viewCentre, Vec3(1, 2, 3));
    EXPECT_EQ(picture.camera.up, Vec3(0, 0, -1));
    EXPECT_EQ(picture.camera.hPos, 0); // the scroll state is not copied
    EXPECT_EQ(picture.camera.ViewportWidth(), 200);
    // Each renderer keeps its own context: both draw in turn.
    CImage a, b;
    EXPECT_EQ(picture.RenderObjectList(objects, PICK_NONE, 1, 1), 1);
    EXPECT_EQ(render->RenderObjectList(objects, PICK_NONE, 1, 1), 1);
    EXPECT_EQ(picture.ReadImage(a), 1);
    EXPECT_EQ(render->ReadImage(b), 1);
    EXPECT_EQ(a.width, 200);
    EXPECT_EQ(b.width, kWidth);
    EXPECT_EQ(a.PixelAt(100, 50), kWhite);
}

} // namespace
