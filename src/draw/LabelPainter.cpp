#include "draw/LabelPainter.h"

namespace {
// The painter of the frame being drawn; drawing happens on the user-interface thread only.
CLabelPainter* gPainter = nullptr;
} // namespace

CLabelPainter* SetLabelPainter(CLabelPainter* painter) {
    CLabelPainter* previous = gPainter;
    gPainter = painter;
    return previous;
}

CLabelPainter* CurrentLabelPainter() {
    return gPainter;
}
