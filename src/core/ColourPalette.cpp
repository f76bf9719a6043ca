#include "core/ColourPalette.h"

namespace {
constexpr int kPalette[16] = {0x000000, 0xA80000, 0x00A800, 0xA8A800, 0x0000A8, 0xA800A8,
                              0x00A8A8, 0xA8A8A8, 0x545454, 0xFC0000, 0x00FC00, 0xFCFC00,
                              0x0000FC, 0xFC00FC, 0x00FCFC, 0xFCFCFC};
} // namespace

int PaletteColour(int index) {
    return index >= 0 && index < 16 ? kPalette[index] : 0;
}
