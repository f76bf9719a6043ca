#pragma once

class CUserReporter;
class QString;
struct CGlobalSettings;

// What a 3D view asks of the window that hosts it: the settings global to the program, the
// status bar and the message boxes. The desktop program's main frame implements it.
class CViewHost {
public:
    virtual ~CViewHost() = default;

    virtual CGlobalSettings& Settings() = 0;
    virtual CUserReporter& Reporter() = 0;
    // Status bar: pane 0 is the message pane, 1..3 the coordinate panes; other panes ignored.
    virtual void SetStatusText(const QString& text, int pane) = 0;
    // The display units or other shared settings changed (the preferences were accepted).
    virtual void SettingsChanged() = 0;
};
