#include "app/X11LockState.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <X11/XKBlib.h>

namespace {

Display* X11Display() {
    auto* app = qGuiApp;
    auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

bool ReadIndicator(Display* display, const char* name) {
    Bool state = False;
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None || !XkbGetNamedIndicator(display, atom, nullptr, &state, nullptr, nullptr))
        return false;
    return state == True;
}

} // namespace

bool HasX11Display() {
    return X11Display() != nullptr;
}

bool ReadX11LockStates(bool states[3]) {
    Display* display = X11Display();
    if (!display)
        return false;
    const char* names[3] = {"Caps Lock", "Num Lock", "Scroll Lock"};
    for (int i = 0; i < 3; ++i)
        states[i] = ReadIndicator(display, names[i]);
    return true;
}

#else

bool HasX11Display() {
    return false;
}

bool ReadX11LockStates(bool[3]) {
    return false;
}

#endif
