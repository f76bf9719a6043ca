#pragma once

#include "anim/PostureRecording.h"

class CGLRender;
class CObjectList;

// Frames drawn by a renderer from a scene's object list.
class CRenderFrameSource : public CFrameSource {
public:
    CRenderFrameSource(CGLRender& render, const CObjectList& objects)
        : render(render), objects(objects) {}
    int RenderFrame(std::uint8_t* bgrBottomUp, int width, int height) override;

private:
    CGLRender& render;
    const CObjectList& objects;
};
