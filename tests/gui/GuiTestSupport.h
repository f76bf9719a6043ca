#pragma once

#include "app/TavroApp.h"
#include "core/Vec3.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class CAppDoc;
class CMainFrame;
class CMannequin;
class CPolyface;
class CTavroView;
class QWidget;

// Starts a fresh program (main frame and one empty document) with clean settings.
std::unique_ptr<CTavroApp> StartApp(const QStringList& files = {});
// Removes every stored setting of the program.
void ClearSettings();
// Lets queued events and paints run for about `ms` milliseconds.
void Pump(int ms = 30);
// Runs `action` once the next modal dialog or message box is shown, then returns; the action
// receives the dialog. Used to answer dialogs that a command opens and waits on.
void WhenModal(std::function<void(QWidget*)> action);
// Text of the last message box seen by the default modal handler (see AnswerMessageBoxes).
QString& LastMessage();
// Answers every message box with its default button, remembering its text in LastMessage().
void AnswerMessageBoxesFor(const std::function<void()>& body);
// Saves a picture of the widget (or the whole screen when null) as tavrona-<name>.png in the
// folder $TAVRONA_SCREENSHOTS (default /tmp).
QString Screenshot(QWidget* widget, const QString& name);
// Whether the body meshes are in the data directory (figures can be built).
bool HaveMeshes();
// A box between corners a and b (in), added to the document.
CPolyface* AddBox(CAppDoc* doc, Vec3 a, Vec3 b);
// A 50th percentile man standing at the origin, added to the document.
CMannequin* AddFigure(CAppDoc* doc, CMainFrame* frame);

// A fresh program in an 1100 x 800 main window with its empty document and view.
struct ViewFixture : testing::Test {
    void SetUp() override;
    std::unique_ptr<CTavroApp> app;
    CMainFrame* frame = nullptr;
    CAppDoc* doc = nullptr;
    CTavroView* view = nullptr;
};
