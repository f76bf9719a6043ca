#include "anim/AviWriter.h"
#include "anim/PostureRecording.h"
#include "anim/RenderFrameSource.h"
#include "anthro/AnthropometryDialogs.h"
#include "anthro/PopulationTables.h"
#include "core/BoundingBox.h"
#include "core/GlobalSettings.h"
#include "core/ObjectList.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "human/Posture.h"
#include "render/EglContext.h"
#include "render/GLRender.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

// Frames recorded per second at 800 x 600 for one codec, rendering included: the posture
// transition of a 50th-percentile US male Human figure from standing to posture 10.
void BM_RecordPostureTransition(benchmark::State& state) {
    const auto codec = static_cast<VideoCodec>(state.range(0));
    if (!IsVideoCodecAvailable(codec)) {
        state.SkipWithError("no encoder for this codec");
        return;
    }
    CGlobalSettings settings;
    CStderrReporter reporter;
    const CAnthropometryContext context{reporter};
    CMannequin figure(0, 1, -1, 2, 1, 1, 1, 2, kSizeAutomatic, context);
    if (!figure.valid) {
        state.SkipWithError("the Human figure cannot be built from the data directory");
        return;
    }
    figure.settings = &settings;
    CObjectList objects;
    figure.UpdatePosture();
    figure.AddToList(objects);
    CPosture initial, final;
    CapturePosture(figure, initial);
    figure.ApplyStandardPosture(10);
    CapturePosture(figure, final);

    CEglContext surface(800, 600);
    CGLRender render(settings, reporter);
    if (!render.InitOffscreenRender(&surface, nullptr, 800, 600)) {
        state.SkipWithError("no off-screen context");
        return;
    }
    render.SetRenderMode(RENDER_SHADED);
    render.SetViewType(VIEW_FRONT);
    BoundingBox box;
    figure.CollectBounds(box);
    render.ZoomToExtents(box.min, box.max);
    CRenderFrameSource source(render, objects);
    const std::string path =
        "/tmp/tavrona-bench-" + std::to_string(getpid()) + VideoCodecOf(codec).extension;
    std::int64_t frames = 0;
    for (auto _ : state) {
        CAviWriter writer(reporter);
        writer.codec = codec;
        writer.fileName = path;
        writer.SetSize(800, 600);
        if (RecordPostureTransition(figure, initial, final, writer, source) !=
            RecordingResult::Recorded) {
            state.SkipWithError("the recording failed");
            break;
        }
        frames += writer.frameCounter;
    }
    std::remove(path.c_str());
    state.SetLabel(VideoCodecOf(codec).key);
    state.counters["frames_per_s"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
    figure.RemoveFromList(objects);
}
BENCHMARK(BM_RecordPostureTransition)
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
