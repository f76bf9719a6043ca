#include "app/VideoRecording.h"

#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "app/VideoCodecDialog.h"
#include "core/UserReporter.h"
#include "document/TavroDoc.h"
#include "human/Mannequin.h"
#include "view/TavroView.h"
#include "view/ViewFrameSource.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>

void RecordPostureTransitionVideo(CAppDoc& doc, CTavroView& view) {
    CTavroDoc& model = doc.Model();
    CMannequin* figure = model.CurrentMannequin();
    if (!figure || !model.InitialPosture() || !model.FinalPosture())
        return;
    QFileDialog files(&doc.Frame(), "Record AVI", QString(),
                      "AVI Files (*.avi);;MP4 Files (*.mp4)");
    files.setAcceptMode(QFileDialog::AcceptSave);
    files.selectFile("Untitled.avi");
    if (files.exec() != QDialog::Accepted || files.selectedFiles().isEmpty())
        return;
    CVideoCodecDialog codecs(&doc.Frame());
    if (codecs.exec() != QDialog::Accepted)
        return;

    CAviWriter writer(doc.Frame().Reporter());
    writer.codec = codecs.Codec();
    writer.fileName = files.selectedFiles().front().toStdString();
    writer.EnsureExtension();
    int width = 0, height = 0;
    CViewFrameSource::FrameSize(view, width, height);
    writer.SetSize(width, height);

    QProgressDialog progress("Recording the posture transition...", "Cancel", 0,
                             kPostureRecordingFrames, &doc.Frame());
    progress.setWindowTitle("Record AVI");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    auto step = [&progress](int done, int) {
        progress.setValue(done);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    CViewFrameSource source(view);
    const RecordingResult result = RecordPostureTransition(
        *figure, *model.InitialPosture(), *model.FinalPosture(), writer, source, step);
    progress.reset();
    doc.UpdateAllViews();
    // A failure has been reported by the writer.
    if (result == RecordingResult::Cancelled)
        QMessageBox::information(&doc.Frame(), "Record AVI",
                                 "The recording was cancelled; no video file was written.");
}
