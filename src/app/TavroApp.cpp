#include "app/TavroApp.h"

#include "app/AboutDialog.h"
#include "app/AppDoc.h"
#include "app/ChildFrame.h"
#include "app/MainFrame.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kMissing = -32000; // the framework's "no value" for a window coordinate

} // namespace

CTavroApp::CTavroApp() {
    QCoreApplication::setOrganizationName(kOrganisation);
    QCoreApplication::setApplicationName(kApplication);
    // No display name: the window system would append it to every window's title.
}

CTavroApp::~CTavroApp() {
    // Windows first (their views point at the documents), then the documents.
    if (mainFrame) {
        for (CAppDoc* doc : DocumentList())
            CloseDocument(doc, false);
    }
    closedDocuments.clear();
    documents.clear();
    mainFrame.reset();
}

std::vector<CAppDoc*> CTavroApp::DocumentList() const {
    std::vector<CAppDoc*> list;
    for (const auto& doc : documents)
        list.push_back(doc.get());
    return list;
}

bool CTavroApp::InitInstance(const QStringList& fileArguments, bool demo) {
    mainFrame = std::make_unique<CMainFrame>(*this);
    RestoreFramePlacement();
    mainFrame->show();
    bool opened = false;
    for (const QString& path : fileArguments)
        opened = OpenDocument(path) != nullptr || opened;
    if (!opened) {
        CAppDoc* doc = NewDocument();
        if (demo)
            doc->BuildDemoScene();
    }
    return true;
}

void CTavroApp::RestoreFramePlacement() {
    // The stored placement is applied only when it is complete and lies on a screen; a
    // partial or stale entry would otherwise put the window where nobody can see it.
    QSettings store;
    store.beginGroup("MainFrame");
    if (!store.contains("WindowSize") || store.value("WindowSize").toInt() == kMissing)
        return;
    const int x = store.value("x", kMissing).toInt();
    const int y = store.value("y", kMissing).toInt();
    const int w = store.value("w", kMissing).toInt();
    const int h = store.value("h", kMissing).toInt();
    if (x == kMissing || y == kMissing || w <= 0 || h <= 0 || w == kMissing || h == kMissing)
        return;
    const QRect placement(x, y, w, h);
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->availableGeometry().intersects(placement)) {
            mainFrame->move(x, y);
            mainFrame->resize(w, h);
            return;
        }
    }
}

CAppDoc* CTavroApp::CreateDocument() {
    documents.push_back(
        std::make_unique<CAppDoc>(*this, QString("Tavrona%1").arg(++untitledCount)));
    return documents.back().get();
}

CAppDoc* CTavroApp::NewDocument() {
    CAppDoc* doc = CreateDocument();
    mainFrame->CreateChildFrame(doc);
    return doc;
}

CAppDoc* CTavroApp::OpenDocument(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        QMessageBox::warning(mainFrame.get(), kAppTitle,
                             QString("%1\nCannot find or open this file.").arg(path));
        return nullptr;
    }
    // A scene already open is only brought to the front.
    for (auto& doc : documents) {
        if (!doc->PathName().isEmpty() && QFileInfo(doc->PathName()) == info) {
            if (!doc->Views().isEmpty())
                mainFrame->MdiArea()->setActiveSubWindow(doc->Views().front()->SubWindow());
            return doc.get();
        }
    }
    CAppDoc* doc = CreateDocument();
    if (!doc->OpenScene(path)) {
        documents.pop_back();
        return nullptr;
    }
    mainFrame->CreateChildFrame(doc);
    mainFrame->AddRecentFile(path);
    return doc;
}

bool CTavroApp::CloseDocument(CAppDoc* doc, bool askToSave) {
    if (askToSave && !doc->SaveModified())
        return false;
    // Closing the last window deletes the document (DocumentWindowsClosed).
    const auto views = doc->Views();
    if (views.isEmpty()) {
        DocumentWindowsClosed(doc);
        return true;
    }
    for (CTavroView* view : views)
        delete view->SubWindow();
    return true;
}

bool CTavroApp::SaveAllModified() {
    for (auto& doc : documents) {
        if (!doc->SaveModified())
            return false;
    }
    return true;
}

void CTavroApp::DocumentWindowsClosed(CAppDoc* doc) {
    auto it = std::find_if(documents.begin(), documents.end(),
                           [doc](const auto& d) { return d.get() == doc; });
    if (it == documents.end())
        return;
    // The document may be running the command that closed its windows: it is deleted once
    // control is back in the event loop.
    closedDocuments.push_back(std::move(*it));
    documents.erase(it);
    QTimer::singleShot(0, this, [this] { closedDocuments.clear(); });
}

QString CTavroApp::ManualPath() {
    const QByteArray env = qgetenv("TAVRONA_MANUAL");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QDir(QCoreApplication::applicationDirPath()).filePath("manual/index.html");
}

void CTavroApp::ShowHelp() {
    const QString path = ManualPath();
    if (!QFileInfo::exists(path) || !QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        QMessageBox::warning(mainFrame.get(), kAppTitle,
                             QString("Cannot open the help file\n%1").arg(path));
}

void CTavroApp::ShowAbout() {
    CAboutDialog dialog(mainFrame.get());
    dialog.exec();
}

bool CTavroApp::OnCommand(int id) {
    switch (id) {
    case ID_FILE_NEW:
        NewDocument();
        return true;
    case ID_FILE_OPEN: {
        const QString path = QFileDialog::getOpenFileName(mainFrame.get(), "Open", QString(),
                                                          "Tavrona Files (*.tvr);;Body Imager Files (*.3di);;All Files (*)");
        if (!path.isEmpty())
            OpenDocument(path);
        return true;
    }
    case ID_APP_ABOUT:
        ShowAbout();
        return true;
    case ID_HELP_FINDER:
        ShowHelp();
        return true;
    default:
        return false;
    }
}

bool CTavroApp::OnUpdateCommand(int id, CommandState& state) {
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_APP_ABOUT:
    case ID_HELP_FINDER:
        return true;
    default:
        return false;
    }
}
