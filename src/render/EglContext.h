#pragma once

#include "render/RenderSurface.h"

// Off-screen OpenGL context on Mesa's EGL: a desktop-GL compatibility context without any
// display server (the surfaceless platform when offered, else the default display with a
// pbuffer), drawing into a framebuffer object of the requested size with RGBA 8-bit colour,
// 24-bit depth and 8-bit stencil. Pixels stay readable after the context is released. A window
// context of the toolkit must not be current on the thread while this one is made current.
class CEglContext : public CRenderSurface {
public:
    CEglContext(int width, int height);
    ~CEglContext() override;
    CEglContext(const CEglContext&) = delete;
    CEglContext& operator=(const CEglContext&) = delete;

    bool OpenDrawable() override { return true; }
    // Connects to EGL and chooses a configuration.
    bool SetupPixelFormat() override;
    // Creates the context and the framebuffer object; false when either fails (for example a
    // size beyond the implementation's renderbuffer limit).
    bool CreateContext() override;
    bool IsCurrent() const override;
    bool MakeCurrent() override;
    bool ReleaseCurrent() override;
    bool SwapBuffers() override { return true; }
    void ClientSize(int& w, int& h) const override;

private:
    bool CreateFramebuffer();
    void DeleteFramebuffer();

    int width;
    int height;
    void* display = nullptr; // EGLDisplay
    void* config = nullptr;  // EGLConfig
    void* context = nullptr; // EGLContext
    void* pbuffer = nullptr; // EGLSurface, only without surfaceless contexts
    bool displayInitialised = false;
    // Context current when this one was created; made current again at destruction.
    void* savedDisplay = nullptr;
    void* savedContext = nullptr;
    void* savedDraw = nullptr;
    void* savedRead = nullptr;
    unsigned int framebuffer = 0;
    unsigned int colourBuffer = 0;
    unsigned int depthStencilBuffer = 0;
};
