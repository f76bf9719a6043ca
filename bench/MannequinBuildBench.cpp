// Building a Human figure from the data directory (mesh, limits, posture, scale file, mass
// table: every file read, the mesh twice) and rebuilding it with ChangeBody. Target: a figure
// built in under 10 ms. Uses $TAVRONA_DATA or the repository's data/ when their meshes are
// there, otherwise the small test data directory written into a temporary folder.
#include "human/Mannequin.h"
#include "model/DataDirectory.h"
#include "model/UserReporter.h"

#include "../tests/support/FixtureData.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// Points $TAVRONA_DATA at a data directory with meshes: the one it names already, else the
// repository's data/, else the test fixture. Returns which one.
std::string ChooseDataDirectory() {
    if (const char* given = std::getenv("TAVRONA_DATA");
        given && std::filesystem::exists(std::string(given) + "/usa_m.per"))
        return given;
    const std::string repoData = TAVRONA_BENCH_SOURCE_DIR "/data";
    if (std::filesystem::exists(repoData + "/usa_m.per")) {
        setenv("TAVRONA_DATA", repoData.c_str(), 1);
        return "data/";
    }
    static const std::string folder =
        (std::filesystem::temp_directory_path() / "tavrona-bench-data").string();
    std::filesystem::create_directories(folder);
    fixture::WriteDataDirectory(folder);
    setenv("TAVRONA_DATA", folder.c_str(), 1);
    return "test fixture (data/ has no meshes)";
}

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

// The part of both that reads and derives the Human mesh.
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
