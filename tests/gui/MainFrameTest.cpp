#include "GuiTestSupport.h"

#include "app/AboutDialog.h"
#include "app/AppDoc.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "app/StaticLink.h"
#include "view/CommandIds.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QStringList ToolbarTitlesOnRow(CMainFrame* frame, int y) {
    QStringList titles;
    std::vector<std::pair<int, QString>> bars;
    for (const ToolbarInfo& info : ToolbarTable()) {
        QToolBar* bar = frame->Toolbar(info.toggleId);
        if (bar->geometry().top() == y)
            bars.push_back({bar->geometry().left(), bar->windowTitle()});
    }
    std::sort(bars.begin(), bars.end());
    for (auto& [x, title] : bars)
        titles << title;
    return titles;
}

} // namespace

TEST(MainFrame, ToolbarsInOrderAndRowsWithTooltips) {
    ClearSettings();
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    frame->resize(1280, 860);
    Pump(200);
    Screenshot(frame, "main-empty");

    const int firstRow = frame->Toolbar(ID_TOOLBAR_MAIN)->geometry().top();
    const int secondRow = frame->Toolbar(ID_TOOLBAR_MANNEQUIN)->geometry().top();
    EXPECT_LT(firstRow, secondRow);
    EXPECT_EQ(ToolbarTitlesOnRow(frame, firstRow),
              QStringList({"Main", "Manipulation", "Viewpoint", "Zoom"}));
    EXPECT_EQ(ToolbarTitlesOnRow(frame, secondRow),
              QStringList({"Mannequin", "Range", "NIOSH", "Forces"}));

    // Every button: an icon that exists and a tooltip; the counts follow the layout.
    const std::map<int, int> buttonCounts = {
        {ID_TOOLBAR_MAIN, 11},     {ID_TOOLBAR_MANNEQUIN, 5},    {ID_TOOLBAR_ZOOM, 4},
        {ID_TOOLBAR_VIEWPOINT, 7}, {ID_TOOLBAR_MANIPULATION, 4}, {ID_TOOLBAR_RANGE, 6},
        {ID_TOOLBAR_FORCES, 8},    {ID_TOOLBAR_NIOSH, 5}};
    for (const ToolbarInfo& info : ToolbarTable()) {
        int buttons = 0;
        for (QAction* action : frame->Toolbar(info.toggleId)->actions()) {
            if (action->isSeparator())
                continue;
            ++buttons;
            EXPECT_FALSE(action->icon().isNull()) << action->data().toInt();
            EXPECT_FALSE(action->icon().pixmap(16, 16).isNull()) << action->data().toInt();
            EXPECT_FALSE(action->toolTip().isEmpty()) << action->data().toInt();
        }
        EXPECT_EQ(buttons, buttonCounts.at(info.toggleId)) << info.title;
    }
    EXPECT_EQ(frame->Action(ID_VIEW_FRONT)->toolTip(), "Front view (5)");
    EXPECT_EQ(frame->Action(ID_ZOOM_EXTENTS)->toolTip(), "Zoom extends (F)");
    EXPECT_EQ(frame->Action(ID_VIEW_FRONT)->statusTip(),
              "Set perspective to the front of mannequin");
}

TEST(MainFrame, ToolbarToggleHidesAndShowsWithCheckMark) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    QToolBar* zoom = frame->Toolbar(ID_TOOLBAR_ZOOM);
    const QRect before = zoom->geometry();
    EXPECT_TRUE(frame->Action(ID_TOOLBAR_ZOOM)->isChecked());
    frame->RunCommand(ID_TOOLBAR_ZOOM);
    Pump();
    EXPECT_FALSE(zoom->isVisible());
    EXPECT_FALSE(frame->Action(ID_TOOLBAR_ZOOM)->isChecked());
    frame->RunCommand(ID_TOOLBAR_ZOOM);
    Pump();
    EXPECT_TRUE(zoom->isVisible());
    EXPECT_TRUE(frame->Action(ID_TOOLBAR_ZOOM)->isChecked());
    EXPECT_EQ(zoom->geometry(), before);
}

TEST(MainFrame, DisplaySwitchesStartWithTheirDefaults) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    EXPECT_TRUE(frame->Action(ID_BIO_EXTERNAL_FORCES)->isChecked());
    EXPECT_FALSE(frame->Action(ID_BIO_CENTRE_OF_GRAVITY)->isChecked());
    frame->RunCommand(ID_BIO_CENTRE_OF_GRAVITY);
    EXPECT_TRUE(frame->Action(ID_BIO_CENTRE_OF_GRAVITY)->isChecked());
    EXPECT_EQ(frame->Settings().displayCentreOfGravity, 1);
    EXPECT_EQ(frame->Settings().gravity.y, -9.81);
    EXPECT_EQ(frame->Settings().numberOfTiles, 20);
}

// Commands on a figure or on stored postures wait for them, but are in their menus.
TEST(MainFrame, FigureCommandsAreListedAndDisabledWithoutAFigure) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    for (int id : {ID_REACH_LEFT, ID_REACH_RIGHT, ID_WALK_PATH, ID_FORCE_ADD, ID_NIOSH_COMPUTE,
                   ID_ANIM_PLAY, ID_ANIM_RECORD_AVI}) {
        ASSERT_NE(frame->Action(id), nullptr) << id;
        EXPECT_FALSE(frame->Action(id)->isEnabled()) << id;
        EXPECT_FALSE(frame->Action(id)->associatedObjects().size() < 2) << id; // in a menu
    }
}

TEST(MainFrame, StatusPanesTakeTextsByIndex) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    frame->SetStatusText("hello", 0);
    frame->SetStatusText(" X : 1.5", 1);
    frame->SetStatusText("ignored", 4);
    EXPECT_EQ(frame->StatusText(0), "hello");
    EXPECT_EQ(frame->StatusText(1), "X : 1.5");
    EXPECT_EQ(frame->StatusText(4), "");
}

TEST(MainFrame, RecentFilesKeepSixNewestFirst) {
    ClearSettings();
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    for (int i = 1; i <= 8; ++i)
        frame->AddRecentFile(QString("/tmp/scene%1.tvr").arg(i));
    frame->AddRecentFile("/tmp/scene5.tvr");
    const QStringList files = frame->RecentFiles();
    ASSERT_EQ(files.size(), 6);
    EXPECT_EQ(files[0], "/tmp/scene5.tvr");
    EXPECT_EQ(files[1], "/tmp/scene8.tvr");
    EXPECT_EQ(files[5], "/tmp/scene3.tvr");
    EXPECT_EQ(QSettings().value("Recent File List/File1").toString(), "/tmp/scene5.tvr");
    EXPECT_EQ(frame->RecentFileMenu()->actions().size(), 6);
}

TEST(MainFrame, StoredPlacementIsAppliedOnlyWhenComplete) {
    ClearSettings();
    {
        QSettings store;
        store.setValue("MainFrame/WindowSize", 1);
        store.setValue("MainFrame/x", 40);
        store.setValue("MainFrame/y", 30);
        store.setValue("MainFrame/w", 900);
        store.setValue("MainFrame/h", 700);
    }
    {
        auto app = StartApp();
        EXPECT_EQ(app->MainFrame()->size(), QSize(900, 700));
    }
    {
        QSettings store;
        store.remove("MainFrame/x"); // x missing: the window must not go off screen
    }
    auto app = StartApp();
    EXPECT_NE(app->MainFrame()->size(), QSize(900, 700));
    EXPECT_GT(app->MainFrame()->x(), -1000);
    ClearSettings();
}

TEST(MainFrame, AboutBoxShowsVersionAndLink) {
    auto app = StartApp();
    CAboutDialog dialog(app->MainFrame());
    dialog.show();
    Pump(100);
    Screenshot(&dialog, "about");
    EXPECT_EQ(dialog.windowTitle(), "About Tavrona");
    EXPECT_EQ(dialog.Link()->TextColour(), CStaticLink::kUnvisited);
    EXPECT_TRUE(dialog.Link()->font().underline());
    EXPECT_FALSE(dialog.Link()->Link().isEmpty());
}

TEST(MainFrame, NewDocumentsGetNumberedTitlesAndCloseWithoutPrompt) {
    auto app = StartApp();
    CMainFrame* frame = app->MainFrame();
    frame->RunCommand(ID_FILE_NEW);
    Pump();
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), 2);
    EXPECT_EQ(app->Documents().size(), 2u);
    EXPECT_EQ(app->Documents()[1]->Title(), "Tavrona2");
    frame->RunCommand(ID_FILE_CLOSE);
    Pump();
    EXPECT_EQ(app->Documents().size(), 1u);
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), 1);
}
