#pragma once

class CGLRender;

// The scene referential at the origin: X, Y and Z arrows in red, green and blue, 8 units long
// times `scale` (a shaft of length 5, a cone of height 3), labelled through `labels` when given.
void DrawAxes(double scale, CGLRender* labels);
// The floor: a grid of 2N x 2N square tiles of the given grey on Y = 0 centred on the origin,
// each `tileSize` inches wide.
void DrawFloor(double tileSize, int tileCount, float grey);
