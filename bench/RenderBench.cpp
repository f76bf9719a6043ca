#include "anthro/AnthropometryDialogs.h"
#include "anthro/PopulationTables.h"
#include "core/BoundingBox.h"
#include "core/GlobalSettings.h"
#include "core/ObjectList.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "render/EglContext.h"
#include "render/GLRender.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// One shaded off-screen frame of 1280 x 720 pixels with N standing 50th-percentile US male
// Human figures side by side, zoomed to fit, drawn single-sample or multisampled (smooth edges).
// The frame includes finishing the picture.
void BM_ShadedFrameOfHumanFigures(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const int samples = static_cast<int>(state.range(1));
    CGlobalSettings settings;
    CStderrReporter reporter;
    const CAnthropometryContext context{reporter};
    std::vector<std::unique_ptr<CMannequin>> figures;
    CObjectList objects;
    for (int i = 0; i < count; ++i) {
        auto figure =
            std::make_unique<CMannequin>(0, 1, -1, 2, 1, 1, 1, 2, kSizeAutomatic, context);
        if (!figure->valid) {
            state.SkipWithError("the Human figure cannot be built from the data directory");
            return;
        }
        figure->settings = &settings;
        // Rows of ten, 30 inches apart.
        figure->transform = Translation(Vec3((i % 10) * 30.0, 0.0, -(i / 10) * 40.0));
        figure->UpdatePosture();
        figure->AddToList(objects);
        figures.push_back(std::move(figure));
    }
    CEglContext surface(1280, 720, samples);
    CGLRender render(settings, reporter);
    if (!render.InitOffscreenRender(&surface, nullptr, 1280, 720)) {
        state.SkipWithError("no off-screen context");
        return;
    }
    render.SetRenderMode(RENDER_SHADED);
    render.SetViewType(VIEW_USER);
    render.camera.SetUserVectors(Vec3(1, 1, 1), Vec3(0, 1, 0));
    BoundingBox box;
    for (const auto& figure : figures)
        figure->CollectBounds(box);
    render.ZoomToExtents(box.min, box.max);
    render.RenderObjectList(objects, PICK_NONE, 1, 1); // compiles the meshes once
    for (auto _ : state)
        render.RenderObjectList(objects, PICK_NONE, 1, 1);
    state.counters["figures"] = count;
    state.counters["samples"] = surface.Samples();
    for (auto& figure : figures)
        figure->RemoveFromList(objects);
}
BENCHMARK(BM_ShadedFrameOfHumanFigures)
    ->ArgsProduct({{1, 10, 50}, {0, CEglContext::kDefaultSamples}})
    ->ArgNames({"figures", "samples"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
