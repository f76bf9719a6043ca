#pragma once

// The drawable and OpenGL context a renderer draws into: a window of the desktop program (the
// context belongs to the toolkit's widget) or an off-screen buffer (CEglContext). Each step of
// context creation is its own call so that the renderer can report which one failed.
class CRenderSurface {
public:
    virtual ~CRenderSurface() = default;

    // The drawable exists (a window that can be drawn into).
    virtual bool OpenDrawable() = 0;
    // A pixel format with RGBA colour, depth and an 8-bit stencil is available and chosen.
    virtual bool SetupPixelFormat() = 0;
    virtual bool CreateContext() = 0;
    // This surface's context is current on this thread.
    virtual bool IsCurrent() const = 0;
    virtual bool MakeCurrent() = 0;
    // Makes no context current on this thread (whichever is current); false when that fails.
    virtual bool ReleaseCurrent() = 0;
    // Presents the back buffer of a double-buffered window.
    virtual bool SwapBuffers() = 0;
    // Drawable size in pixels.
    virtual void ClientSize(int& width, int& height) const = 0;
    // Makes the finished picture readable by glReadPixels (context current): a multisampled
    // drawable is resolved into single-sample pixels, which reads then come from. False when
    // that fails.
    virtual bool ResolveSamples() { return true; }
};
