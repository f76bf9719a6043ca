#include "app/VideoRecording.h"

#include "anim/AviWriter.h"
#include "app/AppDoc.h"
#include "app/MainFrame.h"
#include "document/TavroDoc.h"
#include "human/Mannequin.h"
#include "view/TavroView.h"
#include "view/VideoRecordingDialogs.h"
#include "view/ViewFrameSource.h"

void RecordPostureTransitionVideo(CAppDoc& doc, CTavroView& view) {
    CTavroDoc& model = doc.Model();
    CMannequin* figure = model.CurrentMannequin();
    if (!figure || !model.InitialPosture() || !model.FinalPosture())
        return;
    CAviWriter writer(doc.Frame().Reporter());
    if (!ChooseVideoFile(&doc.Frame(), "Record AVI", writer))
        return;
    int width = 0, height = 0;
    CViewFrameSource::FrameSize(view, width, height);
    writer.SetSize(width, height);

    CRecordingProgressDialog progress(
        &doc.Frame(), "Record AVI", "Recording the posture transition...", kPostureRecordingFrames);
    CViewFrameSource source(view);
    const RecordingResult result =
        RecordPostureTransition(*figure, *model.InitialPosture(), *model.FinalPosture(), writer,
                                source, progress.Callback());
    progress.Finish(result);
    doc.UpdateAllViews();
}
