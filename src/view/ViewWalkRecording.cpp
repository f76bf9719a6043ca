#include "view/TavroView.h"

#include "anim/AviWriter.h"
#include "core/GlobalSettings.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "view/VideoRecordingDialogs.h"
#include "view/ViewFrameSource.h"

#include <climits>

namespace {

// Steps of a walk along the path: one stride each, and the first.
int EstimatedSteps(const std::vector<Vec3>& path) {
    double length = 0.0;
    for (std::size_t i = 1; i < path.size(); ++i)
        length += Distance(path[i - 1], path[i]);
    return static_cast<int>(length / kWalkStride) + 1;
}

} // namespace

void CTavroView::RecordWalk() {
    SetPrompt("Please wait while recording walking mannequin.");
    if (points.size() < 2) {
        frame.Reporter().Message(
            "Two or more points are required. Please reselect points with left button");
        SetMode(MODE_WALK_RECORD_PATH);
        return;
    }
    if (doc->BeginWalk(points)) {
        CAviWriter writer(frame.Reporter());
        if (ChooseVideoFile(this, "Walk and record AVI", writer)) {
            int width = 0, height = 0;
            CViewFrameSource::FrameSize(*this, width, height);
            writer.SetSize(width, height);
            writer.frameRate = frame.Settings().recordingSetting;
            const int steps = EstimatedSteps(points);
            CRecordingProgressDialog progress(this, "Walk and record AVI", "Recording the walk...",
                                              steps);
            CViewFrameSource source(*this);
            // Each frame shows the figure after its next step, until the path ends.
            auto step = [this](int) { return doc->WalkStep() != 0; };
            progress.Finish(RecordFrames(INT_MAX, step, writer, source, progress.Callback()));
        }
        doc->EndWalk();
    }
    RemoveConstruction();
    SetMode(MODE_SELECT);
    UpdateAllViews();
}
