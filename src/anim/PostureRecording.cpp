#include "anim/PostureRecording.h"

#include "anim/AviWriter.h"
#include "human/Mannequin.h"
#include "human/Posture.h"

#include <vector>

RecordingResult RecordFrames(int frames, const std::function<bool(int)>& step, CAviWriter& writer,
                             CFrameSource& source, const RecordingProgress& progress) {
    if (!writer.Open())
        return RecordingResult::Failed;
    // One buffer for the whole recording.
    std::vector<std::uint8_t> pixels(writer.ImageSize());
    for (int i = 0; i < frames; ++i) {
        if (!step(i))
            break;
        if (!source.RenderFrame(pixels.data(), writer.Width(), writer.Height())) {
            writer.Discard();
            return RecordingResult::Failed;
        }
        if (!writer.WriteFrame(pixels.data()))
            return RecordingResult::Failed;
        if (progress && !progress(i + 1, frames)) {
            writer.Discard();
            return RecordingResult::Cancelled;
        }
    }
    return writer.Close() ? RecordingResult::Recorded : RecordingResult::Failed;
}

RecordingResult RecordPostureTransition(CMannequin& figure, const CPosture& initial,
                                        const CPosture& final, CAviWriter& writer,
                                        CFrameSource& source, const RecordingProgress& progress) {
    writer.frameRate = kPostureRecordingRate;
    const int steps = kPostureRecordingFrames - 1;
    auto pose = [&](int i) {
        InterpolatePosture(figure, 100.0 * i / steps, initial, final);
        figure.Invalidate();
        figure.UpdatePosture();
        return true;
    };
    return RecordFrames(kPostureRecordingFrames, pose, writer, source, progress);
}
