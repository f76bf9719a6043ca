#include "render/GLRender.h"

#include "biomech/Units.h"
#include "core/ColourScheme.h"
#include "core/GlobalSettings.h"
#include "core/ListSelection.h"
#include "core/ObjectList.h"
#include "core/SceneObject.h"
#include "core/UserReporter.h"
#include "render/EyeMask.h"
#include "render/GlyphLists.h"
#include "render/Picking.h"
#include "render/RenderSurface.h"
#include "render/SceneReferential.h"
#include "render/SoftLighting.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// Shared by every renderer: picks never overlap in time.
GLuint gSelectionBuffer[kSelectionBufferSize];

// A software rasteriser starts drawing what it was given at a flush; handing it the objects
// drawn so far this often lets it draw them while later ones are still being set up. Flushing
// after every object would cost more than it saves when a scene holds many small ones.
constexpr std::chrono::milliseconds kHandOffInterval{2};

// Every frame projects this box; it only sets the camera's extents.
const Vec3 kFrameBoxMin(-1000.0, -1000.0, -1000.0);
const Vec3 kFrameBoxMax(1000.0, 1000.0, 1000.0);

// Pushes identity matrices and a 2D frame 1000 units high around the viewport centre.
void PushMaskFrame(int width, int height) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    const int halfWidth = static_cast<int>(500.0 * width / height);
    gluOrtho2D(-halfWidth, halfWidth, -500.0, 500.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void PopMaskFrame() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

} // namespace

CGLRender::CGLRender(const CGlobalSettings& settings, CUserReporter& reporter)
    : settings(settings), reporter(reporter) {}

CGLRender::~CGLRender() {
    if (!initialized || !MakeCurrent())
        return;
    DeleteGlyphLists(fontBase);
    geometry.Release();
    ReleaseCurrent();
}

void CGLRender::Fail(const char* text) {
    message = text;
    reporter.Message(std::string("Trace : ") + text);
}

int CGLRender::CreateContext(CRenderSurface* target) {
    if (!target || !target->OpenDrawable()) {
        Fail(kNoValidDC);
        return 0;
    }
    if (!target->SetupPixelFormat()) {
        Fail(kPixelFormatFailed);
        return 0;
    }
    if (!target->CreateContext()) {
        Fail(kCreateContextFailed);
        return 0;
    }
    surface = target;
    return 1;
}

int CGLRender::InitScreenRender(CRenderSurface* window) {
    if (initialized)
        return 1;
    offscreen = false;
    if (!CreateContext(window))
        return 0;
    if (!MakeCurrent()) {
        Fail(kMakeCurrentAtInitFailed);
        surface = nullptr; // an uninitialised renderer draws nothing
        return 0;
    }
    int width = 0, height = 0;
    window->ClientSize(width, height);
    camera.SetViewRect(0, 0, width, height, 0);
    ApplyViewport();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    fontBase = BuildGlyphLists("Arial");
    ReleaseCurrent();
    initialized = true;
    return 1;
}

int CGLRender::InitOffscreenRender(CRenderSurface* target, const CGLRender* source, int width,
                                   int height) {
    if (initialized)
        return 1;
    offscreen = true;
    if (!CreateContext(target))
        return 0;
    if (!MakeCurrent()) {
        surface = nullptr;
        return 0;
    }
    if (source) {
        renderMode = source->renderMode;
        viewType = source->viewType;
        camera.CopyViewFrom(source->camera);
    }
    camera.SetViewRect(0, 0, width, height, 0);
    camera.SetProjection(kFrameBoxMin, kFrameBoxMax);
    ApplyViewport();
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    fontBase = BuildGlyphLists("Arial");
    initialized = true;
    ReleaseCurrent();
    return 1;
}

int CGLRender::MakeCurrent() {
    if (!surface) {
        message = kMakeCurrentFailed;
        return 0;
    }
    if (surface->IsCurrent())
        return 1;
    if (!surface->ReleaseCurrent()) {
        message = kReleaseFailed;
        return 0;
    }
    if (!surface->MakeCurrent()) {
        message = kMakeCurrentFailed;
        return 0;
    }
    return 1;
}

void CGLRender::ReleaseCurrent() {
    if (surface)
        surface->ReleaseCurrent();
}

void CGLRender::SetPickPoint(int x, int y) {
    pickX = x;
    pickY = y;
}

void CGLRender::SetViewType(int type) {
    viewType = type;
    camera.SetViewType(type);
}

void CGLRender::SetViewRect(int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    camera.SetViewRect(0, 0, width, height, 0);
    if (viewType == VIEW_EYE)
        SetupStencil();
}

void CGLRender::SetViewPort() {
    if (!MakeCurrent())
        return;
    ApplyViewport();
    ReleaseCurrent();
}

void CGLRender::ApplyViewport() {
    glViewport(camera.viewport[0], camera.viewport[1], camera.ViewportWidth(),
               camera.ViewportHeight());
}

void CGLRender::SetViewMatrix(int pickMode) {
    ApplyViewport();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GLMultMatrix(camera.ModelViewMatrix());
    if (pickMode != PICK_NONE) {
        glSelectBuffer(kSelectionBufferSize, gSelectionBuffer);
        glRenderMode(GL_SELECT);
        glInitNames();
        glPushName(0);
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        glMatrixMode(GL_PROJECTION);
        gluPickMatrix(pickX, viewport[3] - pickY, 4.0, 4.0, viewport);
    }
    camera.SetProjection(kFrameBoxMin, kFrameBoxMax);
    glMatrixMode(GL_PROJECTION);
    GLMultMatrix(camera.ProjectionMatrix());
    glMatrixMode(GL_MODELVIEW);
}

void CGLRender::SetLighting() {
    switch (renderMode) {
    case RENDER_WIREFRAME:
        glDisable(GL_LIGHTING);
        glDisable(GL_LIGHT0);
        glDisable(GL_LIGHT1);
        glDisable(GL_DEPTH_TEST);
        break;
    case RENDER_HIDDEN:
        glDisable(GL_LIGHTING);
        glDisable(GL_LIGHT0);
        glDisable(GL_LIGHT1);
        glEnable(GL_DEPTH_TEST);
        break;
    default: {
        if (settings.colourScheme == COLOURS_NATURAL) {
            SetSoftLighting();
            break;
        }
        const GLfloat ambient[] = {0.2f, 0.2f, 0.2f, 1.0f};
        const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
        const GLfloat black[] = {0.0f, 0.0f, 0.0f, 1.0f};
        // Directions in eye coordinates: the lights move with the viewer.
        const GLfloat above[] = {0.0f, 1.0f, 1.0f, 0.0f};
        const GLfloat below[] = {0.0f, -1.0f, -1.0f, 0.0f};
        for (GLenum light : {GL_LIGHT0, GL_LIGHT1}) {
            glLightfv(light, GL_AMBIENT, ambient);
            glLightfv(light, GL_DIFFUSE, white);
            glLightfv(light, GL_SPECULAR, white);
        }
        glMaterialfv(GL_FRONT, GL_SPECULAR, black);
        PlaceAndEnableTwoLights(above, below);
        break;
    }
    }
}

int CGLRender::RenderObjectList(const CObjectList& objects, int pickMode, int overlayKind,
                                int swapAndRelease) {
    if (!MakeCurrent())
        return 0;
    CGeometryCache::CScope installCache(geometry);
    const CColourSchemeScope installScheme(settings.colourScheme);
    // Picks keep every face; from an eye the viewer may stand inside its own figure's head.
    geometry.SetSolidBackFacesCulled(pickMode == PICK_NONE && renderMode == RENDER_SHADED &&
                                     viewType != VIEW_EYE);
    if (pickMode == PICK_NONE)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    SetViewMatrix(pickMode);
    SetLighting();
    Draw(objects, pickMode != PICK_NONE);
    if (pickMode != PICK_NONE) {
        FinishPick(objects, pickMode);
    } else {
        if (preview)
            DrawPlacementPreview();
        if (viewType == VIEW_EYE)
            DrawEyeOverlay();
        if (offscreen || !swapAndRelease) {
            glFinish();
        } else if (!surface->SwapBuffers()) {
            message = kSwapFailed;
        }
        geometry.Sweep();
    }
    if (swapAndRelease)
        ReleaseCurrent();
    return 1;
}

void CGLRender::FinishPick(const CObjectList& objects, int pickMode) {
    const int hits = glRenderMode(GL_RENDER);
    int id = 0;
    if (hits <= 0 || !ChooseHit(gSelectionBuffer, kSelectionBufferSize, hits, id))
        DeselectAll(objects);
    else if (pickMode == PICK_SELECT)
        SelectOnly(objects, id);
    else
        SelectGroup(objects, id);
}

void CGLRender::Draw(const CObjectList& objects, bool picking) {
    glLoadName(0);
    const bool wire = renderMode == RENDER_WIREFRAME;
    glPolygonMode(GL_FRONT_AND_BACK, wire ? GL_LINE : GL_FILL);
    // The referential cannot be picked, and its glyph lists must not run in selection mode.
    if (settings.showSceneReferential && !picking)
        DrawAxes(1.0, this);
    if (settings.showSceneFloor) {
        // The tile setting is in the display length unit; the model is in inches (code 0).
        const double tile = ConvertLength(settings.lengthUnit, settings.tileUnit, kInches);
        constexpr float kLineGrey = 0.45f, kFillGrey = 0.86f;
        // Unlit, so that the floor looks the same from every side and in every mode, with its
        // lines darker than its fill.
        glPushAttrib(GL_ENABLE_BIT);
        glDisable(GL_LIGHTING);
        if (renderMode != RENDER_WIREFRAME) {
            // The fill lies a little behind its own lines and the soles standing on it, so
            // neither flickers with it.
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            glEnable(GL_POLYGON_OFFSET_FILL);
            glPolygonOffset(1.0f, 1.0f);
            DrawFloor(tile, settings.numberOfTiles, kFillGrey);
            glDisable(GL_POLYGON_OFFSET_FILL);
        }
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        DrawFloor(tile, settings.numberOfTiles, kLineGrey);
        glPopAttrib();
    }
    auto handedOff = std::chrono::steady_clock::now();
    for (CSceneObject* object : objects) {
        if (!object->IsTopLevel())
            continue;
        switch (renderMode) {
        case RENDER_WIREFRAME:
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            object->Draw(false, viewType);
            break;
        case RENDER_HIDDEN:
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            object->Draw(false, viewType);
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            glEnable(GL_POLYGON_OFFSET_FILL);
            glPolygonOffset(1.0f, 1.0f);
            object->Draw(true, viewType);
            glDisable(GL_POLYGON_OFFSET_FILL);
            break;
        default:
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            object->Draw(false, viewType);
            break;
        }
        object->Validate();
        const auto now = std::chrono::steady_clock::now();
        if (now - handedOff >= kHandOffInterval) {
            glFlush();
            handedOff = now;
        }
    }
    overlayDirty = 0;
}

void CGLRender::DrawPlacementPreview() {
    // Unlit, see-through dashed edges in the figure's own colours: it shows where it will stand
    // and what it covers without being taken for a placed figure, in every render mode.
    constexpr GLushort kDashes = 0x0F0F;
    constexpr GLfloat kOpacity = 0.45f;
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_LINE_BIT | GL_COLOR_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(1, kDashes);
    glEnable(GL_BLEND);
    glBlendColor(0.0f, 0.0f, 0.0f, kOpacity);
    glBlendFunc(GL_CONSTANT_ALPHA, GL_ONE_MINUS_CONSTANT_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    preview->Draw(false, viewType);
    glPopAttrib();
}

void CGLRender::UpdateOverlay(const CObjectList& objects, COverlay& overlay, int overlayKind) {
    if (!MakeCurrent())
        return;
    if (viewType != VIEW_EYE) {
        SetViewMatrix(PICK_NONE);
        for (CSceneObject* object : objects)
            if (object->selected || (overlayKind == 2 && object->IsLinkedSelected()))
                object->DrawHighlight(overlay);
        overlayDirty = 0;
    }
    ReleaseCurrent();
}

void CGLRender::DrawText(const char* format, ...) {
    if (!format || fontBase == 0)
        return;
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    // Only codes 32..126 have glyphs; others are left out rather than calling stray lists.
    unsigned char codes[256];
    int count = 0;
    for (const char* c = text; *c; ++c) {
        const int code = static_cast<unsigned char>(*c);
        if (code >= kFirstGlyph && code < kFirstGlyph + kGlyphCount)
            codes[count++] = static_cast<unsigned char>(code - kFirstGlyph);
    }
    if (count == 0)
        return;
    glPushAttrib(GL_LIST_BIT);
    glListBase(fontBase);
    glCallLists(count, GL_UNSIGNED_BYTE, codes);
    glPopAttrib();
}

int CGLRender::Get3DPlacement(const CObjectList& objects, int x, int y, Vec3& point,
                              Vec3& direction) {
    // The camera holds the matrices of a frame, so no context is needed; a view without
    // area has no points.
    if (camera.ViewportWidth() <= 0 || camera.ViewportHeight() <= 0)
        return 0;
    camera.Placement(x, y, point, direction);
    return 1;
}

int CGLRender::SetupStencil() {
    const int w = camera.ViewportWidth(), h = camera.ViewportHeight();
    if (w <= 0 || h <= 0 || !MakeCurrent())
        return 0;
    ApplyViewport();
    PushMaskFrame(w, h);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_STENCIL_TEST);
    glClearStencil(0);
    glClear(GL_STENCIL_BUFFER_BIT);
    glStencilFunc(GL_ALWAYS, 1, 1);
    glStencilOp(GL_REPLACE, GL_REPLACE, GL_REPLACE);
    // Only the stencil is written; the picture is left as it is.
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glEnable(GL_POLYGON_STIPPLE);
    glPolygonStipple(MonocularStipple().data());
    FillFieldOutline(OuterFieldOutline());
    glDisable(GL_POLYGON_STIPPLE);
    glStencilFunc(GL_ALWAYS, 3, 3);
    FillFieldOutline(InnerFieldOutline());
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glDisable(GL_STENCIL_TEST);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    PopMaskFrame();
    ReleaseCurrent();
    return 1;
}

void CGLRender::DrawEyeOverlay() {
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_DEPTH_TEST);
    const int w = camera.ViewportWidth(), h = camera.ViewportHeight();
    if (w <= 0 || h <= 0)
        return;
    PushMaskFrame(w, h);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const double xExtent = w * 500.0 / h;
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_EQUAL, 0, 3);
    glColor3f(0.0f, 0.0f, 0.0f);
    glRectd(-xExtent, -500.0, xExtent, 500.0);
    glDisable(GL_STENCIL_TEST);
    PopMaskFrame();
}

int CGLRender::ZoomToExtents(const Vec3& boxMin, const Vec3& boxMax) {
    if (camera.ZoomToExtents(boxMin, boxMax))
        return 1;
    message = kZoomExtentsFailed;
    return 0;
}

int CGLRender::ReadImage(CImage& image) {
    const int w = camera.ViewportWidth(), h = camera.ViewportHeight();
    if (w <= 0 || h <= 0 || !MakeCurrent())
        return 0;
    if (!surface->ResolveSamples()) {
        ReleaseCurrent();
        return 0;
    }
    std::vector<std::uint8_t> bottomUp(static_cast<std::size_t>(w) * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(camera.viewport[0], camera.viewport[1], w, h, GL_RGB, GL_UNSIGNED_BYTE,
                 bottomUp.data());
    ReleaseCurrent();
    image.width = w;
    image.height = h;
    image.rgb.resize(bottomUp.size());
    const std::size_t row = static_cast<std::size_t>(w) * 3;
    for (int y = 0; y < h; ++y)
        std::memcpy(image.rgb.data() + y * row, bottomUp.data() + (h - 1 - y) * row, row);
    return 1;
}

int CGLRender::ReadFramePixels(std::uint8_t* bgrBottomUp, int width, int height) {
    if (width <= 0 || height <= 0 || !MakeCurrent())
        return 0;
    if (!surface->ResolveSamples()) {
        ReleaseCurrent();
        return 0;
    }
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(camera.viewport[0], camera.viewport[1], width, height, GL_BGR, GL_UNSIGNED_BYTE,
                 bgrBottomUp);
    ReleaseCurrent();
    return 1;
}
