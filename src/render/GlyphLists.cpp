#include "render/GlyphLists.h"

#include "core/FontFile.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>

namespace {
// Outlines are taken at this size (font units per em) and scaled down to one unit per em.
constexpr unsigned int kOutlineSize = 64;
constexpr float kExtrusion = 0.05f; // em
} // namespace

unsigned int BuildGlyphLists(const char* family) {
    const FontFile file = FindFontFile(family);
    if (file.path.empty())
        return 0;
    FTExtrudeFont font(file.path.c_str());
    if (font.Error() || !font.FaceSize(kOutlineSize, 72))
        return 0;
    font.Depth(kExtrusion * kOutlineSize);
    // The glyphs go into our own lists; the font must not open lists of its own inside them.
    font.UseDisplayList(false);
    const unsigned int base = glGenLists(kGlyphCount);
    if (base == 0)
        return 0;
    const float scale = 1.0f / kOutlineSize;
    for (int i = 0; i < kGlyphCount; ++i) {
        const char text[2] = {static_cast<char>(kFirstGlyph + i), '\0'};
        glNewList(base + i, GL_COMPILE);
        glPushMatrix();
        glScalef(scale, scale, scale);
        font.Render(text);
        glPopMatrix();
        glTranslatef(font.Advance(text) * scale, 0.0f, 0.0f);
        glEndList();
    }
    return base;
}

void DeleteGlyphLists(unsigned int base) {
    if (base != 0)
        glDeleteLists(base, kGlyphCount);
}
