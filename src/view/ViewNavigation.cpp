#include "view/TavroView.h"

#include <QApplication>
#include <QWheelEvent>
#include <cmath>

namespace {

constexpr double kWheelZoomPerNotch = 1.2;
constexpr int kWheelNotch = 120; // angle delta of one notch, in eighths of a degree

} // namespace

bool CTavroView::BeginNavigation(Qt::MouseButton button, QPoint p,
                                 Qt::KeyboardModifiers modifiers) {
    Navigation kind = Navigation::None;
    if (button == Qt::MiddleButton)
        kind = (modifiers & Qt::ShiftModifier) ? Navigation::Orbit : Navigation::Pan;
    else if (button == Qt::RightButton && mode == MODE_SELECT)
        kind = Navigation::Orbit; // the select mode gives the right button nothing else
    if (kind == Navigation::None)
        return false;
    navigation = kind;
    navigationButton = button;
    navigationStart = p;
    navigationMoved = false;
    last = p;
    return true;
}

bool CTavroView::ContinueNavigation(QPoint p) {
    if (navigation == Navigation::None)
        return false;
    if (!navigationMoved) {
        // A click that wobbles a little is still a click.
        const double slack = QApplication::startDragDistance() * devicePixelRatioF();
        if ((p - navigationStart).manhattanLength() < slack)
            return true;
        navigationMoved = true;
        if (navigation == Navigation::Orbit) {
            if (viewType != VIEW_ORBIT)
                StartOrbitView();
            orbitStart = navigationStart;
        }
    }
    if (navigation == Navigation::Pan) {
        // The eye view looks from the figure's eyes; it does not pan.
        if (viewType != VIEW_EYE) {
            renderer.camera.PanBy(p.x() - last.x(), p.y() - last.y());
            viewChanged = true;
            Redraw();
        }
        last = p;
    } else {
        renderer.camera.DragOrbit(DeviceSize().width(), DeviceSize().height(), orbitStart.x(),
                                  orbitStart.y(), p.x(), p.y());
        viewChanged = true;
        UpdateAllViews();
    }
    return true;
}

bool CTavroView::EndNavigation(Qt::MouseButton button, QPoint p) {
    if (navigation == Navigation::None || button != navigationButton)
        return false;
    const Navigation ended = navigation;
    navigation = Navigation::None;
    if (ended == Navigation::Orbit && navigationMoved)
        renderer.camera.CommitOrbit();
    else if (ended == Navigation::Pan && !navigationMoved)
        OnMiddlePress(p); // a middle click steps select, rotate, translate
    else if (ended == Navigation::Orbit && !navigationMoved && button == Qt::RightButton)
        OnRightPress(p);
    return true;
}

void CTavroView::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (viewType == VIEW_EYE || printing)
        return;
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    const QPoint p = DevicePoint(event->position());
    const double factor = std::pow(kWheelZoomPerNotch, static_cast<double>(delta) / kWheelNotch);
    renderer.camera.ZoomAbout(p.x(), DeviceSize().height() - p.y(), factor);
    viewChanged = true;
    Redraw();
}
