#include "app/MainFrame.h"

#include "app/AppDoc.h"
#include "app/ChildFrame.h"
#include "app/ColourSchemeSetting.h"
#include "app/CommandTable.h"
#include "app/KeyIndicators.h"
#include "app/TavroApp.h"
#include "core/SceneObject.h"
#include "human/BodyPart.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>

namespace {

// Pane widths follow the "   %13s     " format of the coordinate panes.
constexpr int kCoordinatePaneChars = 21;

// Single-key accelerators also answer on the numeric keypad.
QList<QKeySequence> ShortcutsFor(const QString& text) {
    QList<QKeySequence> keys;
    if (text.isEmpty())
        return keys;
    const QKeySequence main = QKeySequence::fromString(text, QKeySequence::PortableText);
    keys << main;
    if (text.size() == 1 && (text[0].isDigit() || text == "+" || text == "-"))
        keys << QKeySequence(main[0].key() | Qt::KeypadModifier);
    return keys;
}

} // namespace

// The icons are compiled into the static GUI library; referencing them here keeps the linker
// from dropping them.
static void InitIconResources() {
    Q_INIT_RESOURCE(tavrona);
}

CMainFrame::CMainFrame(CTavroApp& app) : app(app) {
    InitIconResources();
    setObjectName("MainFrame");
    setWindowTitle(CTavroApp::kFrameTitle);
    setWindowIcon(QIcon(":/icons/tavrona.svg"));
    setAcceptDrops(true);

    mdiArea = new QMdiArea(this);
    mdiArea->setBackground(QColor(0x80, 0x8c, 0x99));
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateCommandUI(); });

    CreateActions();
    CreateMenus();
    CreateToolbars();
    CreateStatusBar();
    resize(1280, 900);
    settings.colourScheme = StoredColourScheme();
    posturePictures.SetColourScheme(settings.colourScheme);

    // Command states follow the model and the view without every change notifying the frame:
    // they are refreshed after each command and, like idle-time updates, on a short timer.
    updateTimer = new QTimer(this);
    connect(updateTimer, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    connect(updateTimer, &QTimer::timeout, keyIndicators, &CKeyIndicators::Refresh);
    updateTimer->start(200);
    UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
    CloseSegmentProperties();
    updateTimer->stop();
    disconnect(mdiArea, nullptr, this, nullptr);
}

void CMainFrame::CreateActions() {
    for (const CommandInfo& info : CommandTable()) {
        auto* action = new QAction(this);
        const QString prompt = QString::fromUtf8(info.prompt);
        const QString statusPrompt = prompt.section('\n', 0, 0);
        const QString tooltip = prompt.section('\n', 1);
        QString text = QString::fromUtf8(info.menuText);
        if (text.isEmpty())
            text = tooltip;
        action->setText(text);
        action->setStatusTip(statusPrompt);
        action->setToolTip(tooltip.isEmpty() ? QString(text).remove('&') : tooltip);
        action->setWhatsThis(statusPrompt);
        action->setShortcuts(ShortcutsFor(QString::fromUtf8(info.shortcut)));
        if (*info.icon)
            action->setIcon(QIcon(QString(":/icons/%1.svg").arg(info.icon)));
        action->setData(info.id);
        connect(action, &QAction::triggered, this, [this, id = info.id] { RunCommand(id); });
        actions[info.id] = action;
        addAction(action); // keeps the accelerators alive while menus are closed
    }
    for (int id = ID_FILE_MRU_FIRST; id <= ID_FILE_MRU_LAST; ++id) {
        auto* action = new QAction(this);
        action->setStatusTip("Open this document");
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        actions[id] = action;
    }
}

QAction* CMainFrame::Action(int id) const {
    auto it = actions.find(id);
    return it == actions.end() ? nullptr : it->second;
}

QToolBar* CMainFrame::Toolbar(int toggleId) const {
    auto it = toolbars.find(toggleId);
    return it == toolbars.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
    auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
    };
    QMenuBar* bar = menuBar();
    for (QMenu* menu : bar->findChildren<QMenu*>())
        delete menu;

    QMenu* file = bar->addMenu("&File");
    add(file,
        {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, 0,
         ID_FILE_IMPORT_TVR, ID_FILE_IMPORT_DXF, ID_FILE_IMPORT_3DS, ID_FILE_EXPORT_DXF,
         ID_FILE_EXPORT_3DS, 0, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, 0});
    recentMenu = file->addMenu("Recent &Files");
    file->addSeparator();
    add(file, {ID_APP_EXIT});
    RefreshRecentMenu();

    QMenu* edit = bar->addMenu("&Edit");
    add(edit, {ID_EDIT_UNDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE, 0,
               ID_MODE_SELECT, ID_MODE_TRANSLATE, ID_MODE_ROTATE, ID_MODE_SCALE});

    QMenu* view = bar->addMenu("&View");
    QMenu* bars = view->addMenu("&Toolbars");
    for (const ToolbarInfo& t : ToolbarTable())
        bars->addAction(Action(t.toggleId));
    add(view, {ID_VIEW_STATUS_BAR,
               0,
               ID_VIEW_FRONT,
               ID_VIEW_LEFT,
               ID_VIEW_RIGHT,
               ID_VIEW_TOP,
               ID_VIEW_USER,
               ID_VIEW_EYE,
               ID_VIEW_SET_USER,
               ID_VIEW_ORBIT,
               0,
               ID_ZOOM_IN,
               ID_ZOOM_OUT,
               ID_ZOOM_WINDOW,
               ID_ZOOM_EXTENTS,
               ID_VIEW_RESET,
               0,
               ID_RENDER_WIREFRAME,
               ID_RENDER_HIDDEN,
               ID_RENDER_SHADED,
               0,
               ID_VIEW_PREFERENCES});

    QMenu* people = bar->addMenu("&People");
    add(people, {ID_PEOPLE_NEW_MANNEQUIN, ID_PEOPLE_CHANGE_BODY, ID_PEOPLE_ANTHROPOMETRY, 0,
                 ID_PEOPLE_APPLY_POSTURE, ID_PEOPLE_HAND_POSTURE, ID_PEOPLE_SAVE_POSTURE, 0});
    add(people->addMenu("&Reach"), {ID_REACH_LEFT, ID_REACH_RIGHT});
    add(people->addMenu("R&otate Method"),
        {ID_ROTATE_INDEPENDENT, ID_ROTATE_TOGETHER, ID_ROTATE_OPPOSITE});
    add(people, {ID_WALK_PATH, ID_WALK_RECORD, 0});
    add(people->addMenu("View &Cone"), {ID_CONE_OPTIMUM, ID_CONE_MAXIMUM});
    add(people->addMenu("R&ange Volume"),
        {ID_RANGE_LEFT_LEG, ID_RANGE_RIGHT_LEG, ID_RANGE_LEFT_HAND, ID_RANGE_RIGHT_HAND});

    QMenu* draw = bar->addMenu("&Draw");
    add(draw, {ID_DRAW_TEXT, ID_DRAW_LINE, ID_DRAW_CURVE, ID_DRAW_CIRCLE, ID_DRAW_RECTANGLE, 0,
               ID_DRAW_SPHERE, ID_DRAW_CYLINDER, ID_DRAW_BOX, ID_DRAW_CONE, ID_DRAW_TORUS, 0});
    add(draw->addMenu("Distance"),
        {ID_DIM_HORIZONTAL, ID_DIM_VERTICAL, ID_DIM_ALIGNED, ID_DIM_ANGLE});

    QMenu* bio = bar->addMenu("&Biomechanics");
    add(bio, {ID_BIO_GRAVITY});
    add(bio->addMenu("External &Load"), {ID_FORCE_ADD, ID_FORCE_EDIT, ID_FORCE_DELETE});
    add(bio, {0, ID_BIO_CENTRE_OF_GRAVITY, ID_BIO_EXTERNAL_FORCES, ID_SEGMENT_PROPERTIES,
              ID_BIO_SUMMARY, 0, ID_FEET_ADD, ID_FEET_UPDATE, ID_FEET_DELETE, 0});
    add(bio->addMenu("&Initial Posture"), {ID_POSE_SET_INITIAL, ID_POSE_VIEW_INITIAL});
    add(bio->addMenu("&Final Posture"), {ID_POSE_SET_FINAL, ID_POSE_VIEW_FINAL});
    add(bio, {ID_NIOSH_COMPUTE, 0, ID_ANIM_PLAY, ID_ANIM_RECORD_AVI});

    windowMenu = bar->addMenu("&Window");
    connect(windowMenu, &QMenu::aboutToShow, this, &CMainFrame::RefreshWindowMenu);
    RefreshWindowMenu();

    QMenu* help = bar->addMenu("&Help");
    add(help, {ID_HELP_FINDER, ID_CONTEXT_HELP, 0, ID_APP_ABOUT});

    for (QMenu* menu : bar->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
}

void CMainFrame::RefreshWindowMenu() {
    windowMenu->clear();
    for (int id : std::initializer_list<int>{ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ,
                                             0, ID_WINDOW_ONE_VIEW, ID_WINDOW_FOUR_VIEWS}) {
        if (id == 0)
            windowMenu->addSeparator();
        else
            windowMenu->addAction(Action(id));
    }
    const auto windows = mdiArea->subWindowList();
    if (!windows.isEmpty())
        windowMenu->addSeparator();
    int n = 1;
    for (QMdiSubWindow* w : windows) {
        QAction* a =
            windowMenu->addAction(QString("&%1 %2").arg(n++).arg(w->windowTitle().remove("[*]")));
        a->setCheckable(true);
        a->setChecked(w == mdiArea->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] { mdiArea->setActiveSubWindow(w); });
    }
}

void CMainFrame::CreateToolbars() {
    for (const ToolbarInfo& info : ToolbarTable()) {
        auto* bar = new QToolBar(info.title, this);
        bar->setObjectName(info.objectName);
        bar->setIconSize(QSize(16, 16));
        bar->setMovable(true);
        for (int id : info.buttons) {
            if (id == 0)
                bar->addSeparator();
            else
                bar->addAction(Action(id));
        }
        toolbars[info.toggleId] = bar;
    }
    // Main, Manipulation, Viewpoint and Zoom on the first row; Mannequin, Range, NIOSH and
    // Forces on the second.
    int row = 0;
    for (int id : ToolbarDockOrder()) {
        const auto& table = ToolbarTable();
        auto it = std::find_if(table.begin(), table.end(),
                               [id](const ToolbarInfo& t) { return t.toggleId == id; });
        if (it->row != row) {
            addToolBarBreak(Qt::TopToolBarArea);
            row = it->row;
        }
        addToolBar(Qt::TopToolBarArea, Toolbar(id));
    }
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    panes[0] = new QLabel(bar);
    panes[0]->setObjectName("MessagePane");
    panes[0]->setMinimumWidth(120);
    bar->addWidget(panes[0], 1);
    const int width = fontMetrics().horizontalAdvance(QString(kCoordinatePaneChars, '0'));
    for (int i = 1; i <= 3; ++i) {
        panes[i] = new QLabel(bar);
        panes[i]->setObjectName(QString("CoordinatePane%1").arg(i));
        panes[i]->setMinimumWidth(width);
        panes[i]->setFrameShape(QFrame::StyledPanel);
        panes[i]->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(panes[i]);
    }
    keyIndicators = new CKeyIndicators(bar);
    SetStatusText("Ready", 0);
}

void CMainFrame::SetStatusText(const QString& text, int pane) {
    if (pane < 0 || pane > 3)
        return;
    panes[pane]->setText(pane == 0 ? text : QString("   %1     ").arg(text, 13));
}

QString CMainFrame::StatusText(int pane) const {
    if (pane < 0 || pane > 3)
        return {};
    return pane == 0 ? panes[0]->text() : panes[pane]->text().trimmed();
}

CChildFrame* CMainFrame::ActiveChild() const {
    QMdiSubWindow* w = mdiArea->activeSubWindow();
    if (!w) {
        // A modal dialog or a test can leave no active window: fall back to the top one.
        const auto list = mdiArea->subWindowList(QMdiArea::StackingOrder);
        w = list.isEmpty() ? nullptr : list.back();
    }
    return qobject_cast<CChildFrame*>(w);
}

CTavroView* CMainFrame::ActiveView() const {
    CChildFrame* child = ActiveChild();
    return child ? child->View() : nullptr;
}

CAppDoc* CMainFrame::ActiveDocument() const {
    CTavroView* view = ActiveView();
    // Every view of this program shows one of its documents.
    return view ? static_cast<CAppDoc*>(view->Document()) : nullptr;
}

CChildFrame* CMainFrame::CreateChildFrame(CAppDoc* doc) {
    auto* child = new CChildFrame(*this, doc);
    mdiArea->addSubWindow(child);
    if (mdiArea->subWindowList().size() == 1)
        child->showMaximized();
    else
        child->show();
    mdiArea->setActiveSubWindow(child);
    return child;
}

void CMainFrame::RunCommand(int id) {
    CTavroView* view = ActiveView();
    CAppDoc* doc = ActiveDocument();
    const bool handled = (view && view->OnCommand(id)) || (doc && doc->OnCommand(id)) ||
                         OnCommand(id) || app.OnCommand(id);
    (void)handled;
    UpdateCommandUI();
}

void CMainFrame::UpdateCommandUI() {
    CTavroView* view = ActiveView();
    CAppDoc* doc = ActiveDocument();
    for (auto& [id, action] : actions) {
        CommandState state;
        const bool handled = (view && view->OnUpdateCommand(id, state)) ||
                             (doc && doc->OnUpdateCommand(id, state)) ||
                             OnUpdateCommand(id, state) || app.OnUpdateCommand(id, state);
        // A command nobody handles in the current context is disabled, as with the framework.
        if (!handled)
            state = CommandState{false, false};
        action->setEnabled(state.enabled);
        // Only checked commands are checkable, so unchecked ones show no empty check box.
        action->setCheckable(state.checked);
        action->setChecked(state.checked);
    }
}

bool CMainFrame::OnCommand(int id) {
    for (const ToolbarInfo& t : ToolbarTable()) {
        if (t.toggleId == id) {
            QToolBar* bar = Toolbar(id);
            bar->setVisible(!bar->isVisible());
            return true;
        }
    }
    switch (id) {
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    case ID_BIO_CENTRE_OF_GRAVITY:
    case ID_BIO_EXTERNAL_FORCES: {
        int& flag = id == ID_BIO_CENTRE_OF_GRAVITY ? settings.displayCentreOfGravity
                                                   : settings.displayExternalForces;
        flag = !flag;
        if (CAppDoc* doc = ActiveDocument()) {
            doc->InvalidateAllObjects();
            doc->UpdateAllViews();
        }
        if (id == ID_BIO_CENTRE_OF_GRAVITY)
            ExplainMissingMassCentres();
        return true;
    }
    case ID_SEGMENT_PROPERTIES: {
        CAppDoc* doc = ActiveDocument();
        CSceneObject* selected = doc ? doc->SelectedObject() : nullptr;
        ToggleSegmentProperties(selected && selected->type == kTypeBodyPart
                                    ? static_cast<CBodyPart*>(selected)
                                    : nullptr);
        return true;
    }
    case ID_WINDOW_CASCADE:
        mdiArea->cascadeSubWindows();
        return true;
    case ID_WINDOW_TILE_HORZ:
        mdiArea->tileSubWindows();
        return true;
    case ID_FILE_PRINT_SETUP:
        ShowPrintSetup();
        return true;
    case ID_CONTEXT_HELP:
        QWhatsThis::enterWhatsThisMode();
        return true;
    case ID_APP_EXIT:
        close();
        return true;
    default:
        break;
    }
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST) {
        const QStringList files = RecentFiles();
        const int index = id - ID_FILE_MRU_FIRST;
        if (index < files.size())
            app.OpenDocument(files[index]);
        return true;
    }
    return false;
}

bool CMainFrame::OnUpdateCommand(int id, CommandState& state) {
    for (const ToolbarInfo& t : ToolbarTable()) {
        if (t.toggleId == id) {
            state.checked = Toolbar(id)->isVisibleTo(this);
            return true;
        }
    }
    switch (id) {
    case ID_VIEW_STATUS_BAR:
        state.checked = statusBar()->isVisibleTo(this);
        return true;
    case ID_BIO_CENTRE_OF_GRAVITY:
        state.checked = settings.displayCentreOfGravity != 0;
        return true;
    case ID_BIO_EXTERNAL_FORCES:
        state.checked = settings.displayExternalForces != 0;
        return true;
    case ID_SEGMENT_PROPERTIES:
        state.checked = propertiesPanel != nullptr;
        return true;
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_HORZ:
        state.enabled = !mdiArea->subWindowList().isEmpty();
        return true;
    case ID_FILE_PRINT_SETUP:
    case ID_CONTEXT_HELP:
    case ID_APP_EXIT:
        return true;
    default:
        break;
    }
    if (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST)
        return true;
    return false;
}

void CMainFrame::ShowPrintSetup() {
    QPrinter printer;
    QPageSetupDialog dialog(&printer, this);
    dialog.exec();
}

void CMainFrame::AddRecentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = RecentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    while (files.size() > CTavroApp::kRecentFiles)
        files.removeLast();
    QSettings store;
    store.beginGroup("Recent File List");
    store.remove("");
    for (int i = 0; i < files.size(); ++i)
        store.setValue(QString("File%1").arg(i + 1), files[i]);
    store.endGroup();
    RefreshRecentMenu();
}

QStringList CMainFrame::RecentFiles() const {
    QSettings store;
    QStringList files;
    for (int i = 1; i <= CTavroApp::kRecentFiles; ++i) {
        const QString f = store.value(QString("Recent File List/File%1").arg(i)).toString();
        if (!f.isEmpty())
            files << f;
    }
    return files;
}

void CMainFrame::RefreshRecentMenu() {
    recentMenu->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QAction* a = Action(ID_FILE_MRU_FIRST + i);
        a->setText(QString("&%1 %2").arg(i + 1).arg(files[i]));
        recentMenu->addAction(a);
    }
    recentMenu->setEnabled(!files.isEmpty());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!app.SaveAllModified()) {
        event->ignore();
        return;
    }
    CloseSegmentProperties();
    for (CAppDoc* doc : app.DocumentList())
        app.CloseDocument(doc, false);
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    OpenDroppedFiles(*event->mimeData());
    event->acceptProposedAction();
}

void CMainFrame::OpenDroppedFiles(const QMimeData& data) {
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            app.OpenDocument(url.toLocalFile());
    }
}

void CMainFrame::ExplainMissingMassCentres() {
    // Only the adult male Human mesh carries the segment mass data the markers show.
    bool without = false;
    if (CAppDoc* doc = ActiveDocument())
        for (const CSceneObject* object : doc->Objects())
            if (object->type == kTypeMannequin &&
                !static_cast<const CMannequin*>(object)->ShowsMassCentres())
                without = true;
    SetStatusText(settings.displayCentreOfGravity && without
                      ? "Centers of gravity show on adult male Human figures only."
                      : "",
                  0);
}
