#pragma once

#include "app/MessageBoxReporter.h"
#include "app/PosturePictures.h"
#include "core/GlobalSettings.h"
#include "view/CommandTarget.h"
#include "view/ViewHost.h"

#include <QMainWindow>
#include <QStringList>
#include <map>

class QAction;
class QLabel;
class QMdiArea;
class QMimeData;
class QMenu;
class QTimer;
class QToolBar;
class CAppDoc;
class CBodyPart;
class CChildFrame;
class CSegmentPropertiesPanel;
class CKeyIndicators;
class CTavroApp;
class CTavroView;

// The multi-document main window: menus, the eight toolbars, the status bar, the recent-file
// list and the settings global to the running program. Commands go to the active view, its
// document, this frame and the application, in that order.
class CMainFrame : public QMainWindow, public CCommandTarget, public CViewHost {
    Q_OBJECT
public:
    explicit CMainFrame(CTavroApp& app);
    ~CMainFrame() override;

    CTavroApp& App() { return app; }
    CGlobalSettings& Settings() override { return settings; }
    // Shows model and file errors in message boxes over this window.
    CUserReporter& Reporter() override { return reporter; }
    CPosturePictures& PosturePictures() { return posturePictures; }
    QMdiArea* MdiArea() const { return mdiArea; }

    QAction* Action(int id) const;
    QToolBar* Toolbar(int toggleId) const;
    QMenu* RecentFileMenu() const { return recentMenu; }

    CChildFrame* ActiveChild() const;
    CTavroView* ActiveView() const;
    CAppDoc* ActiveDocument() const;

    // Status bar: pane 0 is the message pane, 1..3 the coordinate panes; other panes ignored.
    void SetStatusText(const QString& text, int pane) override;
    QString StatusText(int pane) const;
    // The CAP, NUM and SCRL panes at the right end of the status bar.
    CKeyIndicators* KeyIndicators() const { return keyIndicators; }

    // Runs a command through the command routing, then refreshes the command states.
    void RunCommand(int id);
    // Re-evaluates every command's update rule (enabled state and check mark).
    void UpdateCommandUI();

    // Recent-file list (six entries, newest first), kept in the settings.
    void AddRecentFile(const QString& path);
    QStringList RecentFiles() const;

    // Opens the child frame of a new view of a document, showing it maximised when it is the
    // only window.
    CChildFrame* CreateChildFrame(CAppDoc* doc);

    // Files dropped on the window open as the framework's Open does.
    void OpenDroppedFiles(const QMimeData& data);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

    // --- Segment Properties panel (MainFrameBiomech.cpp) --------------------------------------
    // "Segment Properties": closes the panel when it is shown, else shows it for `segment`
    // (null: an empty panel).
    void ToggleSegmentProperties(CBodyPart* segment);
    // Refills the shown panel for `segment` (null clears it); nothing when it is closed.
    void FillSegmentProperties(CBodyPart* segment);
    // Refills the shown panel for the segment it shows (after a change of posture, loads or
    // units); a segment that has left the active document clears it.
    void RefreshSegmentProperties();
    CSegmentPropertiesPanel* SegmentPropertiesPanel() const { return propertiesPanel; }
    void CloseSegmentProperties();
    // The preferences changed the units: the panel shows its values in the new ones.
    void SettingsChanged() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolbars();
    void CreateStatusBar();
    void RefreshRecentMenu();
    void RefreshWindowMenu();
    void ShowPrintSetup();
    // Says in the status bar why figures of the active document show no centre of gravity.
    void ExplainMissingMassCentres();

    CTavroApp& app;
    CGlobalSettings settings;
    CMessageBoxReporter reporter{this};
    CPosturePictures posturePictures;
    QMdiArea* mdiArea = nullptr;
    std::map<int, QAction*> actions;
    std::map<int, QToolBar*> toolbars;
    QMenu* recentMenu = nullptr;
    QMenu* windowMenu = nullptr;
    QLabel* panes[4] = {};
    CKeyIndicators* keyIndicators = nullptr;
    QTimer* updateTimer = nullptr;
    CSegmentPropertiesPanel* propertiesPanel = nullptr;
    int propertiesSegmentId = 0; // the id of the segment the panel shows, 0 for none
};
