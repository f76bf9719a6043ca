#pragma once

#include <cstdint>
#include <functional>

class CAviWriter;
class CMannequin;
class CUserReporter;
struct CPosture;

// Renders the scene as it now stands and reads the picture back into a video frame.
class CFrameSource {
public:
    virtual ~CFrameSource() = default;
    // Fills width x height blue-green-red pixels, rows from the bottom up (padded to 4 bytes).
    virtual int RenderFrame(std::uint8_t* bgrBottomUp, int width, int height) = 0;
};

// Told after each frame (frames done, frames in all); false cancels the recording.
using RecordingProgress = std::function<bool(int done, int total)>;

enum class RecordingResult { Recorded, Failed, Cancelled };

// Frames of a posture transition recording: 0, 10, ..., 100 percent.
constexpr int kPostureRecordingFrames = 11;
// The frame rate of a posture transition recording.
constexpr int kPostureRecordingRate = 10;

// Records the transition from `initial` to `final` through the writer, which has its size and
// codec set: for each step the figure takes the blended posture and the source renders it.
// The writer is opened and closed here. A failure has been reported by the writer; a cancelled
// or failed recording leaves nothing on disk. The figure stays in the last posture shown.
RecordingResult RecordPostureTransition(CMannequin& figure, const CPosture& initial,
                                        const CPosture& final, CAviWriter& writer,
                                        CFrameSource& source,
                                        const RecordingProgress& progress = nullptr);

// Records `frames` frames: before each, `step(i)` moves the scene to frame i (false ends the
// recording early, keeping what was recorded). Shared by the posture and walk recordings.
RecordingResult RecordFrames(int frames, const std::function<bool(int)>& step, CAviWriter& writer,
                             CFrameSource& source, const RecordingProgress& progress);
