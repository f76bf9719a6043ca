#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

// The status bar's keyboard indicators: "CAP", "NUM" and "SCRL", each shown while its lock is
// on and blank while it is off.
//
// Qt has no portable query of the lock states. On X11 the keyboard extension's named
// indicators ("Caps Lock", "Num Lock", "Scroll Lock") give them, including locks toggled while
// another program had the keyboard. Elsewhere (Wayland, the offscreen platform) each lock is
// tracked from the lock key presses this program receives, starting from off; a lock toggled
// while another program had the keyboard is then missed until its key is pressed here again.
class CKeyIndicators : public QObject {
    Q_OBJECT
public:
    enum Lock { CapsLock, NumLock, ScrollLock };

    // Adds the three panes to the right end of the bar.
    explicit CKeyIndicators(QStatusBar* bar);

    // Re-reads the lock states (X11) and shows them.
    void Refresh();
    bool IsOn(Lock lock) const { return on[lock]; }
    QString PaneText(Lock lock) const;
    // Whether the states come from the windowing system rather than from tracked key presses.
    static bool ReadsSystemState();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Show();

    QLabel* panes[3];
    bool on[3] = {false, false, false};
};
