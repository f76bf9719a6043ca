#include "view/TavroView.h"

#include "core/UserReporter.h"

#include <QTimerEvent>

namespace {

constexpr int kWalkPeriodMs = 100;

} // namespace

void CTavroView::StartWalking() {
    if (points.size() < 2) {
        frame.Reporter().Message(
            "Two or more points are required. Please reselect points with left button");
        SetMode(MODE_WALK_PATH);
        return;
    }
    if (!doc->BeginWalk(points)) {
        RemoveConstruction();
        SetMode(MODE_SELECT);
        return;
    }
    walkTimer = startTimer(kWalkPeriodMs);
    if (walkTimer == 0) {
        frame.Reporter().Message("No timer resources available.  Move failed.");
        StopWalking();
        return;
    }
    Redraw();
}

void CTavroView::StopWalking() {
    if (walkTimer != 0)
        killTimer(walkTimer);
    walkTimer = 0;
    RemoveConstruction();
    doc->EndWalk();
    SetMode(MODE_SELECT);
}

void CTavroView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != walkTimer || walkTimer == 0) {
        QOpenGLWidget::timerEvent(event);
        return;
    }
    if (!doc->WalkStep())
        StopWalking();
}
