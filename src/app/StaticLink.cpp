#include "app/StaticLink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

CStaticLink::CStaticLink(const QString& text, const QString& link, QWidget* parent)
    : QLabel(text, parent), link(link) {
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setToolTip(link.isEmpty() ? text : link);
    ApplyColour();
}

bool CStaticLink::Open() {
    if (link.isEmpty())
        link = text();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = QDesktopServices::openUrl(QUrl::fromUserInput(link));
    QApplication::restoreOverrideCursor();
    if (ok) {
        colour = kVisited;
        ApplyColour();
    } else {
        QApplication::beep();
    }
    Q_EMIT Opened(ok);
    return ok;
}

void CStaticLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Open();
}

void CStaticLink::ApplyColour() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}
