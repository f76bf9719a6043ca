#pragma once

#include <functional>

class CMannequin;
struct CPosture;

inline constexpr int kTransitionStep = 10; // percent per frame

// "Animate poses transition": poses the figure at 0, 10, ..., 100 percent of the way from
// `initial` to `final` (eleven frames), each time invalidating it and recomputing its world data,
// then calls `showFrame` with the percentage (the program redraws the active view at once and
// asks the others to redraw). The figure is left in the final posture; no undo step is
// recorded. Returns the number of frames shown.
int AnimatePostureTransition(CMannequin& figure, const CPosture& initial, const CPosture& final,
                             const std::function<void(int percent)>& showFrame);
