// Building a Human figure from the data directory (mesh, limits, posture, scale file, mass
// table: every file read, the mesh twice) and rebuilding it with ChangeBody. Target: a figure
// built in under 10 ms. Uses $TAVRONA_DATA or the repository's data/ when their meshes are
// there, otherwise the small test data directory written into a temporary folder.
#include "core/DataDirectory.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"

#include "BenchData.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void BM_BuildHumanFigure(benchmark::State& state) {
    state.SetLabel(ChooseDataDirectory());
    CStderrReporter reporter;
    for (auto _ : state) {
        CMannequin figure(0, 1, -1, 2, 1, 1, 1, 2, 0, CAnthropometryContext{reporter});
        if (!figure.valid) {
            state.SkipWithError("the figure could not be built");
            break;
        }
        benchmark::DoNotOptimize(figure.GetSegment(kHead)->mass);
    }
}
BENCHMARK(BM_BuildHumanFigure)->Unit(benchmark::kMillisecond);

void BM_ChangeBody(benchmark::State& state) {
    state.SetLabel(ChooseDataDirectory());
    CStderrReporter reporter;
    CMannequin figure(0, 1, -1, 2, 1, 1, 1, 2, 0, CAnthropometryContext{reporter});
    for (auto _ : state) {
        figure.ChangeBody(-1, reporter);
        benchmark::DoNotOptimize(figure.GetSegment(kHead)->mass);
    }
}
BENCHMARK(BM_ChangeBody)->Unit(benchmark::kMillisecond);

// The part of both that loads the Human mesh: while a figure uses it, the file is read and
// compared with it, not derived again.
void BM_LoadHumanMesh(benchmark::State& state) {
    state.SetLabel(ChooseDataDirectory());
    CStderrReporter reporter;
    CMannequin figure;
    for (auto _ : state) {
        figure.LoadMesh(0, reporter);
        benchmark::DoNotOptimize(figure.GetSegment(kHead)->vertices.data());
    }
}
BENCHMARK(BM_LoadHumanMesh)->Unit(benchmark::kMillisecond);

} // namespace
