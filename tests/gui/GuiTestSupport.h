#pragma once

#include "app/TavroApp.h"

#include <QString>
#include <functional>
#include <memory>

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
// Saves a picture of the widget (or the whole screen when null) to /tmp/tavrona-<name>.png.
QString Screenshot(QWidget* widget, const QString& name);
