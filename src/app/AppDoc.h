#pragma once

#include "app/CommandTarget.h"

#include <QList>
#include <QObject>
#include <QString>

class CMainFrame;
class CTavroApp;
class CTavroView;

// The document as the desktop program sees it: its windows, its file name and title, its
// modified flag and the file commands. The scene itself lives in the headless model document.
class CAppDoc : public QObject, public CCommandTarget {
    Q_OBJECT
public:
    CAppDoc(CTavroApp& app, const QString& untitledName);
    ~CAppDoc() override;

    CTavroApp& App() { return app; }
    CMainFrame& Frame();

    QString Title() const { return title; }
    QString PathName() const { return pathName; }
    // Sets the path and makes its file name the title.
    void SetPathName(const QString& path);
    bool IsModified() const { return modified; }
    void SetModifiedFlag(bool value = true);

    const QList<CTavroView*>& Views() const { return views; }
    void AddView(CTavroView* view);
    void RemoveView(CTavroView* view);
    // Redraws every view of this document except `sender`.
    void UpdateAllViews(CTavroView* sender = nullptr);
    // Marks every scene object as needing a redraw (after a display switch changed).
    void InvalidateAllObjects();
    // True while the windows are being replaced by a layout command: the document must not
    // be deleted when its last window closes.
    bool IsChangingLayout() const { return changingLayout; }

    // Reads a scene file into this (empty) document and takes its name; false (with the
    // message shown) when it does not read.
    bool OpenScene(const QString& path);
    // Asks whether to save a modified document: false when the user cancelled.
    bool SaveModified();
    // Closes every window of the document and opens one (in the user view) or four (left,
    // right, top, user) filling the main window's client area.
    void SetLayout(int windowCount);

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

signals:
    void TitleChanged();

private:
    CTavroApp& app;
    QString title;
    QString pathName;
    bool modified = false;
    bool changingLayout = false;
    QList<CTavroView*> views;
};
