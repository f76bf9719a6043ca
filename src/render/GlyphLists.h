#pragma once

// The 95 display lists of the printable characters 32..126 of the current context, as extruded
// filled outline glyphs. One unit is the em height; a glyph starts at the current origin, lies in
// the XY plane with its front face at z = 0, is extruded 0.05 along -Z, and its list ends by
// moving the origin along +X by the glyph's advance.
inline constexpr int kFirstGlyph = 32;
inline constexpr int kGlyphCount = 95;

// Builds the lists from the font family that fontconfig resolves ("Arial"); returns the first
// list, or 0 when no font file or no lists could be had.
unsigned int BuildGlyphLists(const char* family);
void DeleteGlyphLists(unsigned int base);
