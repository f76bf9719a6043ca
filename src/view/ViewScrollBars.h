#pragma once

#include <QWidget>

class CGLCamera;
class CTavroView;
class QScrollBar;

// The client of a document window: the 3D view with a scroll bar below it and one to its right.
// The bars show where the view's centre lies within the projected scene and how much of the
// scene the view shows; using them pans the view. Both stay visible, disabled while the whole
// scene is in view.
class CViewScrollBars : public QWidget {
    Q_OBJECT
public:
    explicit CViewScrollBars(CTavroView* view, QWidget* parent = nullptr);

    QScrollBar* Horizontal() const { return horizontal; }
    QScrollBar* Vertical() const { return vertical; }
    // Range, page and position of both bars from the camera's last scroll computation; with
    // `pannable` false (the eye view) both bars are disabled.
    void Show(const CGLCamera& camera, bool pannable);

private:
    // A request of a bar, in the scroll codes the camera takes.
    void OnAction(Qt::Orientation orientation, int action);

    CTavroView* view;
    QScrollBar* horizontal;
    QScrollBar* vertical;
};
