#pragma once

#include "anim/PostureRecording.h"

class CTavroView;

// Video frames drawn by a 3D view in its own context and read back from its frame buffer.
class CViewFrameSource : public CFrameSource {
public:
    explicit CViewFrameSource(CTavroView& view) : view(view) {}
    int RenderFrame(std::uint8_t* bgrBottomUp, int width, int height) override;
    // The view's drawing area in device pixels.
    static void FrameSize(const CTavroView& view, int& width, int& height);

private:
    CTavroView& view;
};
