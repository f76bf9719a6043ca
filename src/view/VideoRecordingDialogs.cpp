#include "view/VideoRecordingDialogs.h"

#include "anim/AviWriter.h"
#include "view/VideoCodecDialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

bool ChooseVideoFile(QWidget* parent, const QString& title, CAviWriter& writer) {
    QFileDialog files(parent, title, QString(), "AVI Files (*.avi);;MP4 Files (*.mp4)");
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.selectFile("Untitled.avi");
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return false;
    CVideoCodecDialog codecs(parent);
    if (codecs.exec() != QDialog::Accepted)
        return false;
    writer.codec = codecs.Codec();
    writer.fileName = files.selectedFiles().front().toStdString();
    writer.EnsureExtension();
    return true;
}

CRecordingProgressDialog::CRecordingProgressDialog(QWidget* parent, const QString& title,
                                                   const QString& text, int frames)
    : dialog(std::make_unique<QProgressDialog>(text, "Cancel", 0, frames, parent)), parent(parent),
      title(title) {
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    dialog->setValue(0);
}

CRecordingProgressDialog::~CRecordingProgressDialog() = default;

RecordingProgress CRecordingProgressDialog::Callback() {
    return [this](int done, int) {
        // A walk may take more steps than estimated: the bar then stays full.
        dialog->setValue(std::min(done, dialog->maximum()));
        QCoreApplication::processEvents();
        return !dialog->wasCanceled();
    };
}

void CRecordingProgressDialog::Finish(RecordingResult result) {
    dialog->reset();
    dialog->hide();
    // A failure has been reported by the writer.
    if (result == RecordingResult::Cancelled)
        QMessageBox::information(parent, title,
                                 "The recording was cancelled; no video file was written.");
}
