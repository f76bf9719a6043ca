#include "GuiTestSupport.h"

#include "app/AppDoc.h"
#include "app/CommandTable.h"
#include "app/MainFrame.h"
#include "human/Mannequin.h"
#include "view/CommandIds.h"
#include "view/TavroView.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Every enabled command, each of its dialogs cancelled (message boxes answered with their
// default), then Esc in the view: nothing may crash or hang.
void RunEveryEnabledCommand(CMainFrame* frame) {
    QTimer canceller;
    canceller.setInterval(15);
    QObject::connect(&canceller, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->reject();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    });
    canceller.start();
    const std::vector<int> skipped = {ID_APP_EXIT,        ID_FILE_CLOSE,       ID_CONTEXT_HELP,
                                      ID_HELP_FINDER,     ID_FILE_NEW,         ID_WINDOW_NEW,
                                      ID_WINDOW_ONE_VIEW, ID_WINDOW_FOUR_VIEWS};
    for (const CommandInfo& info : CommandTable()) {
        if (std::find(skipped.begin(), skipped.end(), info.id) != skipped.end())
            continue;
        frame->UpdateCommandUI();
        if (!frame->Action(info.id)->isEnabled())
            continue;
        frame->RunCommand(info.id);
        Pump(5);
        if (CTavroView* view = frame->ActiveView())
            view->Cancel();
        ASSERT_NE(frame->ActiveView(), nullptr) << info.id;
    }
}

} // namespace

TEST(CommandSmoke, EmptyDocumentAndCancelledDialogs) {
    auto app = StartApp();
    RunEveryEnabledCommand(app->MainFrame());
    EXPECT_EQ(app->Documents().size(), 1u);
}

TEST(CommandSmoke, SelectedFigureAndCancelledDialogs) {
    if (!HaveMeshes())
        GTEST_SKIP() << "body meshes are not in the data directory";
    auto app = std::make_unique<CTavroApp>();
    app->InitInstance({}, true);
    Pump(50);
    CAppDoc* doc = app->MainFrame()->ActiveDocument();
    for (CSceneObject* object : doc->Objects())
        if (object->type == kTypeMannequin) {
            object->Select();
            break;
        }
    RunEveryEnabledCommand(app->MainFrame());
    // A segment next.
    for (CSceneObject* object : doc->Objects())
        object->Deselect();
    for (CSceneObject* object : doc->Objects())
        if (object->type == kTypeBodyPart) {
            object->Select();
            break;
        }
    RunEveryEnabledCommand(app->MainFrame());
}
