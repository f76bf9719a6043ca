#pragma once

// Receives the 2D window-space lines of a selection highlight (y measured from the top).
class COverlay {
public:
    virtual ~COverlay() = default;
    virtual void AddLine(int x1, int y1, int x2, int y2) = 0;
};
