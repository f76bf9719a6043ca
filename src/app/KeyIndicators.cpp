#include "app/KeyIndicators.h"

#include "app/X11LockState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace {
constexpr const char* kPaneTexts[3] = {"CAP", "NUM", "SCRL"};
} // namespace

CKeyIndicators::CKeyIndicators(QStatusBar* bar) : QObject(bar) {
    for (int i = 0; i < 3; ++i) {
        panes[i] = new QLabel(bar);
        panes[i]->setObjectName(QString("Indicator%1").arg(kPaneTexts[i]));
        panes[i]->setAlignment(Qt::AlignCenter);
        panes[i]->setFrameShape(QFrame::StyledPanel);
        panes[i]->setFrameShadow(QFrame::Sunken);
        panes[i]->setMinimumWidth(panes[i]->fontMetrics().horizontalAdvance(" SCRL ") + 4);
        bar->addPermanentWidget(panes[i]);
    }
    if (!ReadsSystemState())
        qApp->installEventFilter(this);
    Refresh();
}

bool CKeyIndicators::ReadsSystemState() {
    return HasX11Display();
}

void CKeyIndicators::Refresh() {
    ReadX11LockStates(on);
    Show();
}

QString CKeyIndicators::PaneText(Lock lock) const {
    return panes[lock]->text();
}

void CKeyIndicators::Show() {
    for (int i = 0; i < 3; ++i)
        panes[i]->setText(on[i] ? kPaneTexts[i] : "");
}

bool CKeyIndicators::eventFilter(QObject* watched, QEvent* event) {
    // A key from the windowing system reaches its window once before the widgets see it.
    if (event->type() != QEvent::KeyPress || !watched->isWindowType())
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const int lock = key->key() == Qt::Key_CapsLock     ? CapsLock
                     : key->key() == Qt::Key_NumLock    ? NumLock
                     : key->key() == Qt::Key_ScrollLock ? ScrollLock
                                                        : -1;
    if (lock >= 0 && !key->isAutoRepeat()) {
        on[lock] = !on[lock];
        Show();
    }
    return QObject::eventFilter(watched, event);
}
