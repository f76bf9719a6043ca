#pragma once

#include "render/RenderSurface.h"

// Off-screen OpenGL context on Mesa's EGL: a desktop-GL compatibility context without any
// display server (the surfaceless platform when offered, else the default display with a
// pbuffer), drawing into a framebuffer object of the requested size with RGBA 8-bit colour,
// 24-bit depth and 8-bit stencil. The drawing buffer is multisampled (smooth edges) when the
// driver offers it, and single-sample otherwise; pictures are read from a single-sample copy.
// Pixels stay readable after the context is released. A window context of the toolkit must not
// be current on the thread while this one is made current.
class CEglContext : public CRenderSurface {
public:
    static constexpr int kDefaultSamples = 4;

    // `samples`: samples per pixel asked for; 0 draws single-sample.
    CEglContext(int width, int height, int samples = kDefaultSamples);
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
    bool ResolveSamples() override;
    // Samples per pixel of the drawing buffer: 0 when single-sample (after CreateContext).
    int Samples() const { return samplesGiven; }

private:
    bool CreateFramebuffer();
    // The multisampled drawing buffer in front of the single-sample one; false (with nothing
    // left of it) when the driver offers none of `samplesAsked`.
    bool CreateMultisampleFramebuffer();
    void DeleteFramebuffer();

    int width;
    int height;
    int samplesAsked;
    int samplesGiven = 0;
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
    unsigned int multisampleFramebuffer = 0;
    unsigned int multisampleColourBuffer = 0;
    unsigned int multisampleDepthStencilBuffer = 0;
};
