#pragma once

#include "anim/PostureRecording.h"

#include <QString>
#include <memory>

class CAviWriter;
class QProgressDialog;
class QWidget;

// Asks for the video file (AVI or MP4) and then the compressor; fills the writer's file name,
// with the codec's extension ensured, and its codec. False when either dialog was cancelled.
bool ChooseVideoFile(QWidget* parent, const QString& title, CAviWriter& writer);

// A window-modal progress dialog with Cancel for a recording of about `frames` frames.
class CRecordingProgressDialog {
public:
    CRecordingProgressDialog(QWidget* parent, const QString& title, const QString& text,
                             int frames);
    ~CRecordingProgressDialog();
    // Moves the bar and lets Cancel be pressed; false once it has been.
    RecordingProgress Callback();
    // Closes the dialog and says that a cancelled recording wrote nothing.
    void Finish(RecordingResult result);

private:
    std::unique_ptr<QProgressDialog> dialog;
    QWidget* parent;
    QString title;
};
