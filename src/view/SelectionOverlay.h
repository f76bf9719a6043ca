#pragma once

#include "core/Overlay.h"

#include <QLine>
#include <vector>

// The window-space lines that show the selected objects while they are dragged: the set being
// built and the set last drawn, so that a redraw of the lines alone can erase the old ones.
class CSelectionOverlay : public COverlay {
public:
    void AddLine(int x1, int y1, int x2, int y2) override { current.emplace_back(x1, y1, x2, y2); }
    void Clear() { current.clear(); }
    bool IsEmpty() const { return current.empty(); }
    const std::vector<QLine>& Lines() const { return current; }
    std::vector<QLine>& Drawn() { return drawn; }
    bool active = false;

private:
    std::vector<QLine> current;
    std::vector<QLine> drawn;
};
