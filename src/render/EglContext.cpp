#include "render/EglContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstring>

namespace {

// Framebuffer-object entry points, loaded through EGL (they are not part of OpenGL 1.x).
struct FramebufferApi {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    // Multisampled buffers and their resolution; null when the driver has none.
    PFNGLRENDERBUFFERSTORAGEMULTISAMPLEPROC renderbufferStorageMultisample = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;

    bool Load() {
        if (checkFramebufferStatus)
            return true;
        genFramebuffers =
            reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(eglGetProcAddress("glGenFramebuffers"));
        deleteFramebuffers = reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(
            eglGetProcAddress("glDeleteFramebuffers"));
        bindFramebuffer =
            reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(eglGetProcAddress("glBindFramebuffer"));
        genRenderbuffers =
            reinterpret_cast<PFNGLGENRENDERBUFFERSPROC>(eglGetProcAddress("glGenRenderbuffers"));
        deleteRenderbuffers = reinterpret_cast<PFNGLDELETERENDERBUFFERSPROC>(
            eglGetProcAddress("glDeleteRenderbuffers"));
        bindRenderbuffer =
            reinterpret_cast<PFNGLBINDRENDERBUFFERPROC>(eglGetProcAddress("glBindRenderbuffer"));
        renderbufferStorage = reinterpret_cast<PFNGLRENDERBUFFERSTORAGEPROC>(
            eglGetProcAddress("glRenderbufferStorage"));
        framebufferRenderbuffer = reinterpret_cast<PFNGLFRAMEBUFFERRENDERBUFFERPROC>(
            eglGetProcAddress("glFramebufferRenderbuffer"));
        renderbufferStorageMultisample = reinterpret_cast<PFNGLRENDERBUFFERSTORAGEMULTISAMPLEPROC>(
            eglGetProcAddress("glRenderbufferStorageMultisample"));
        blitFramebuffer =
            reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(eglGetProcAddress("glBlitFramebuffer"));
        const auto check = reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(
            eglGetProcAddress("glCheckFramebufferStatus"));
        if (!genFramebuffers || !deleteFramebuffers || !bindFramebuffer || !genRenderbuffers ||
            !deleteRenderbuffers || !bindRenderbuffer || !renderbufferStorage ||
            !framebufferRenderbuffer || !check)
            return false;
        checkFramebufferStatus = check;
        return true;
    }
};

FramebufferApi gFbo;

bool HasExtension(const char* list, const char* name) {
    if (!list)
        return false;
    const std::size_t n = std::strlen(name);
    for (const char* p = std::strstr(list, name); p; p = std::strstr(p + n, name))
        if ((p == list || p[-1] == ' ') && (p[n] == ' ' || p[n] == '\0'))
            return true;
    return false;
}

EGLDisplay OpenDisplay() {
    const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (HasExtension(clientExtensions, "EGL_MESA_platform_surfaceless")) {
        auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
            eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (getPlatformDisplay) {
            EGLDisplay d =
                getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
            if (d != EGL_NO_DISPLAY)
                return d;
        }
    }
    return eglGetDisplay(EGL_DEFAULT_DISPLAY);
}

} // namespace

CEglContext::CEglContext(int width, int height, int samples)
    : width(width), height(height), samplesAsked(samples) {}

CEglContext::~CEglContext() {
    if (context) {
        if (MakeCurrent())
            DeleteFramebuffer();
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display, context);
    }
    if (pbuffer)
        eglDestroySurface(display, pbuffer);
    if (savedContext)
        eglMakeCurrent(savedDisplay, savedDraw, savedRead, savedContext);
}

bool CEglContext::SetupPixelFormat() {
    if (width <= 0 || height <= 0)
        return false;
    display = OpenDisplay();
    if (display == EGL_NO_DISPLAY)
        return false;
    // The display connection is shared by every context of the process and stays open.
    if (!eglInitialize(display, nullptr, nullptr))
        return false;
    displayInitialised = true;
    if (!eglBindAPI(EGL_OPENGL_API))
        return false;
    const EGLint attributes[] = {EGL_SURFACE_TYPE,
                                 EGL_PBUFFER_BIT,
                                 EGL_RENDERABLE_TYPE,
                                 EGL_OPENGL_BIT,
                                 EGL_RED_SIZE,
                                 8,
                                 EGL_GREEN_SIZE,
                                 8,
                                 EGL_BLUE_SIZE,
                                 8,
                                 EGL_NONE};
    EGLConfig chosen = nullptr;
    EGLint count = 0;
    if (!eglChooseConfig(display, attributes, &chosen, 1, &count) || count < 1)
        return false;
    config = chosen;
    return true;
}

bool CEglContext::CreateContext() {
    if (!displayInitialised || context)
        return context != nullptr;
    savedDisplay = eglGetCurrentDisplay();
    savedContext = eglGetCurrentContext();
    savedDraw = eglGetCurrentSurface(EGL_DRAW);
    savedRead = eglGetCurrentSurface(EGL_READ);
    eglBindAPI(EGL_OPENGL_API);
    const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                 EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    context = eglCreateContext(display, config, EGL_NO_CONTEXT, attributes);
    if (context == EGL_NO_CONTEXT) {
        context = nullptr;
        return false;
    }
    if (!HasExtension(eglQueryString(display, EGL_EXTENSIONS), "EGL_KHR_surfaceless_context")) {
        const EGLint pbufferAttributes[] = {EGL_WIDTH, 1, EGL_HEIGHT, 1, EGL_NONE};
        pbuffer = eglCreatePbufferSurface(display, config, pbufferAttributes);
        if (pbuffer == EGL_NO_SURFACE)
            pbuffer = nullptr;
    }
    if (!eglMakeCurrent(display, pbuffer, pbuffer, context) || !CreateFramebuffer()) {
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display, context);
        context = nullptr;
        return false;
    }
    eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    return true;
}

bool CEglContext::CreateFramebuffer() {
    if (!gFbo.Load())
        return false;
    while (glGetError() != GL_NO_ERROR) {
    }
    const bool multisampled = CreateMultisampleFramebuffer();
    // The single-sample buffer is drawn into when there are no samples; otherwise it only
    // receives the resolved colours, and needs no depth or stencil.
    gFbo.genFramebuffers(1, &framebuffer);
    gFbo.bindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    gFbo.genRenderbuffers(1, &colourBuffer);
    gFbo.bindRenderbuffer(GL_RENDERBUFFER, colourBuffer);
    gFbo.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    gFbo.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                 colourBuffer);
    if (!multisampled) {
        gFbo.genRenderbuffers(1, &depthStencilBuffer);
        gFbo.bindRenderbuffer(GL_RENDERBUFFER, depthStencilBuffer);
        gFbo.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
        gFbo.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                     depthStencilBuffer);
    }
    const bool complete = glGetError() == GL_NO_ERROR &&
                          gFbo.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (!complete) {
        DeleteFramebuffer();
        return false;
    }
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    if (multisampled) {
        gFbo.bindFramebuffer(GL_DRAW_FRAMEBUFFER, multisampleFramebuffer);
        glDrawBuffer(GL_COLOR_ATTACHMENT0);
    }
    return true;
}

bool CEglContext::CreateMultisampleFramebuffer() {
    samplesGiven = 0;
    if (samplesAsked < 2 || !gFbo.renderbufferStorageMultisample || !gFbo.blitFramebuffer)
        return false;
    GLint maxSamples = 0;
    glGetIntegerv(GL_MAX_SAMPLES, &maxSamples);
    while (glGetError() != GL_NO_ERROR) {
    }
    const int samples = std::min(samplesAsked, static_cast<int>(maxSamples));
    if (samples < 2)
        return false;
    gFbo.genFramebuffers(1, &multisampleFramebuffer);
    gFbo.bindFramebuffer(GL_FRAMEBUFFER, multisampleFramebuffer);
    gFbo.genRenderbuffers(1, &multisampleColourBuffer);
    gFbo.bindRenderbuffer(GL_RENDERBUFFER, multisampleColourBuffer);
    gFbo.renderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_RGBA8, width, height);
    gFbo.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                 multisampleColourBuffer);
    gFbo.genRenderbuffers(1, &multisampleDepthStencilBuffer);
    gFbo.bindRenderbuffer(GL_RENDERBUFFER, multisampleDepthStencilBuffer);
    gFbo.renderbufferStorageMultisample(GL_RENDERBUFFER, samples, GL_DEPTH24_STENCIL8, width,
                                        height);
    gFbo.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                 multisampleDepthStencilBuffer);
    const bool complete = glGetError() == GL_NO_ERROR &&
                          gFbo.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    if (!complete) {
        // Quietly single-sample: drop what was made and the errors it left.
        gFbo.bindFramebuffer(GL_FRAMEBUFFER, 0);
        gFbo.deleteFramebuffers(1, &multisampleFramebuffer);
        gFbo.deleteRenderbuffers(1, &multisampleColourBuffer);
        gFbo.deleteRenderbuffers(1, &multisampleDepthStencilBuffer);
        multisampleFramebuffer = multisampleColourBuffer = multisampleDepthStencilBuffer = 0;
        while (glGetError() != GL_NO_ERROR) {
        }
        return false;
    }
    GLint given = 0;
    glGetIntegerv(GL_SAMPLES, &given);
    samplesGiven = given > 1 ? given : samples;
    return true;
}

bool CEglContext::ResolveSamples() {
    if (!multisampleFramebuffer)
        return true;
    // Drawing stays in the multisampled buffer; reads come from the resolved copy.
    gFbo.bindFramebuffer(GL_READ_FRAMEBUFFER, multisampleFramebuffer);
    gFbo.bindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    gFbo.blitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gFbo.bindFramebuffer(GL_DRAW_FRAMEBUFFER, multisampleFramebuffer);
    gFbo.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    return true;
}

void CEglContext::DeleteFramebuffer() {
    gFbo.bindFramebuffer(GL_FRAMEBUFFER, 0);
    for (unsigned int* buffer : {&framebuffer, &multisampleFramebuffer})
        if (*buffer)
            gFbo.deleteFramebuffers(1, buffer);
    for (unsigned int* buffer : {&colourBuffer, &depthStencilBuffer, &multisampleColourBuffer,
                                 &multisampleDepthStencilBuffer})
        if (*buffer)
            gFbo.deleteRenderbuffers(1, buffer);
    framebuffer = colourBuffer = depthStencilBuffer = 0;
    multisampleFramebuffer = multisampleColourBuffer = multisampleDepthStencilBuffer = 0;
}

bool CEglContext::IsCurrent() const {
    return context && eglGetCurrentContext() == static_cast<EGLContext>(context);
}

bool CEglContext::MakeCurrent() {
    return context && eglMakeCurrent(display, pbuffer, pbuffer, context) == EGL_TRUE;
}

bool CEglContext::ReleaseCurrent() {
    EGLDisplay current = eglGetCurrentDisplay();
    if (current == EGL_NO_DISPLAY)
        return true;
    return eglMakeCurrent(current, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT) == EGL_TRUE;
}

void CEglContext::ClientSize(int& w, int& h) const {
    w = width;
    h = height;
}
