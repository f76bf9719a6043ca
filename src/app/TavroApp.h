#pragma once

#include "document/SceneClipboard.h"
#include "view/CommandTarget.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class CAppDoc;
class CMainFrame;

// The application object: settings root, the one document type, the main frame, the
// command line, the About box and the help manual.
class CTavroApp : public QObject, public CCommandTarget {
    Q_OBJECT
public:
    static constexpr const char* kOrganisation = "Quillon Works Inc.";
    static constexpr const char* kApplication = "Tavrona";
    static constexpr const char* kFrameTitle = "Tavrona V9.0";
    static constexpr const char* kAppTitle = "Tavrona 9.0";
    static constexpr int kRecentFiles = 6;

    CTavroApp();
    ~CTavroApp() override;

    // Start-up: creates the main frame, restores its placement, processes the file arguments
    // (a new empty document when there are none, holding the demo scene with `demo`) and shows
    // the frame. False ends the program.
    bool InitInstance(const QStringList& fileArguments, bool demo = false);

    CMainFrame* MainFrame() const { return mainFrame.get(); }
    // The object clipboard shared by every document.
    CSceneClipboard& Clipboard() { return clipboard; }
    const std::vector<std::unique_ptr<CAppDoc>>& Documents() const { return documents; }
    std::vector<CAppDoc*> DocumentList() const;

    // A new empty document in one window.
    CAppDoc* NewDocument();
    // Opens a file as the framework's Open does: a scene file becomes a new document holding
    // that scene. Returns the document, or null when nothing was opened.
    CAppDoc* OpenDocument(const QString& path);
    // Closes a document's windows and deletes it; false when the user cancelled the close.
    bool CloseDocument(CAppDoc* doc, bool askToSave = true);
    // Asks to save every modified document; false when the user cancelled.
    bool SaveAllModified();
    // Deletes a document whose last window has gone (called by the child frames).
    void DocumentWindowsClosed(CAppDoc* doc);

    // The HTML manual beside the executable (or $TAVRONA_MANUAL).
    static QString ManualPath();
    void ShowHelp();
    void ShowAbout();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    void RestoreFramePlacement();
    CAppDoc* CreateDocument();

    CSceneClipboard clipboard;
    std::unique_ptr<CMainFrame> mainFrame;
    std::vector<std::unique_ptr<CAppDoc>> documents;
    std::vector<std::unique_ptr<CAppDoc>> closedDocuments; // deleted at the next event loop turn
    int untitledCount = 0;
};
