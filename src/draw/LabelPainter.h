#pragma once

#include <string>

// Draws a dimension's text label at the current model-view origin, already scaled by the
// dimension. The renderer that draws a frame installs its own painter (extruded glyphs) for
// the duration of the frame; without one, labels are drawn as outline strokes.
class CLabelPainter {
public:
    virtual ~CLabelPainter() = default;
    virtual void DrawLabel(const std::string& text) = 0;
};

// Installs `painter` (null for the outline fallback) and returns the previous one.
CLabelPainter* SetLabelPainter(CLabelPainter* painter);
CLabelPainter* CurrentLabelPainter();

// Installs a painter for one scope and restores the previous one on exit.
class CLabelPainterScope {
public:
    explicit CLabelPainterScope(CLabelPainter* painter) : previous(SetLabelPainter(painter)) {}
    ~CLabelPainterScope() { SetLabelPainter(previous); }
    CLabelPainterScope(const CLabelPainterScope&) = delete;
    CLabelPainterScope& operator=(const CLabelPainterScope&) = delete;

private:
    CLabelPainter* previous;
};
