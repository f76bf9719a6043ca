#pragma once

#include <string>

// An installed font file and the face within it (collections hold several faces).
struct FontFile {
    std::string path; // empty when no font was found
    int faceIndex = 0;
};

// The installed font that fontconfig picks for a family name ("Arial" resolves to a
// metric-compatible face such as Liberation Sans).
FontFile FindFontFile(const char* family);
