#pragma once

#include "core/GlobalSettings.h"
#include "core/ObjectList.h"
#include "core/Vec3.h"
#include "render/EglContext.h"
#include "render/GLRender.h"
#include "render/Image.h"

#include <string>

class CUserReporter;

// The fixed views by name: "front", "top", "right", "left", "user"; false for any other.
bool FixedViewNamed(const std::string& name, int& view);

// Pictures of a changing scene from one fixed camera, off screen: the camera of `view` (a
// ViewType; the user view looks from (1, 1, 1)) zoomed to take in the box (min, max). The
// caller lists the objects to draw in Objects() and may change them between pictures.
class CScenePictures {
public:
    CScenePictures(int width, int height, CUserReporter& reporter);
    // false, with the failure on stderr, when no off-screen context can be made.
    bool Begin(int view, const Vec3& min, const Vec3& max);
    // Figures in the segment palette (the default) or in natural tones (ColourScheme).
    void SetColourScheme(int scheme) { settings.colourScheme = scheme; }
    CObjectList& Objects() { return objects; }
    // The scene as it is now; false, with the failure on stderr, when it cannot be drawn.
    bool Draw(CImage& image);
    // Draw and write a PNG file.
    bool DrawTo(const std::string& path);

private:
    int width;
    int height;
    CGlobalSettings settings;
    CEglContext context;
    CGLRender render;
    CObjectList objects;
};
