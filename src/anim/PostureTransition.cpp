#include "anim/PostureTransition.h"

#include "human/Mannequin.h"

int AnimatePostureTransition(CMannequin& figure, const CPosture& initial, const CPosture& final,
                             const std::function<void(int percent)>& showFrame) {
    int frames = 0;
    for (int percent = 0; percent <= 100; percent += kTransitionStep) {
        InterpolatePosture(figure, percent, initial, final);
        figure.Invalidate();
        figure.UpdatePosture();
        if (showFrame)
            showFrame(percent);
        ++frames;
    }
    return frames;
}
