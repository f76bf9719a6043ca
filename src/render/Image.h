#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An RGB picture read back from a renderer: 8 bits per channel, rows from the top down.
struct CImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    // Colour at (x, y), pixels from the top-left corner, packed as the scene objects pack
    // colours (red in the low byte).
    int PixelAt(int x, int y) const;
};

// Writes the picture as an 8-bit RGB PNG file, replacing any previous one only when the new
// one is whole (see WriteFileReplacing); 0, with the reason in `failure`, when it cannot.
int WritePng(const CImage& image, const std::string& path, std::string* failure = nullptr);
