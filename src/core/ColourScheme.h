#pragma once

#include <string>

// How figures are coloured and lit on screen and in pictures. The palette scheme gives every
// segment its palette colour (the colours files and reports rely on); the natural one dresses
// figures in skin and clothing tones under a soft key and fill light. Only the drawing changes:
// segments keep their stored colours.
enum ColourScheme : int { COLOURS_PALETTE = 0, COLOURS_NATURAL = 1 };
inline constexpr int kColourSchemeCount = 2;

// The scheme's word in settings and on the command line ("palette", "natural"); "" outside.
const char* ColourSchemeKey(int scheme);
// The scheme a word names; -1 for any other word.
int ColourSchemeNamed(const std::string& key);

// The scheme of the frame being drawn: the renderer installs its own for each frame, so that
// every object drawn into it follows the same choice. Palette when no frame is being drawn.
ColourScheme DrawnColourScheme();

class CColourSchemeScope {
public:
    explicit CColourSchemeScope(int scheme);
    ~CColourSchemeScope();
    CColourSchemeScope(const CColourSchemeScope&) = delete;
    CColourSchemeScope& operator=(const CColourSchemeScope&) = delete;

private:
    ColourScheme previous;
};
