#pragma once

// The fixed 16-colour palette (packed RGB, red in the low byte) that gives body segments their
// colours and onto which DXF colour numbers map. Any index outside 0..15 gives 0 (black).
int PaletteColour(int index);
