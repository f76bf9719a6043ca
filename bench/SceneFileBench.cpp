// Saving and reading a scene of 100 Human figures (about 70 MB), beside a plain copy of the
// same bytes (the disk and page-cache floor). Target: at least 100 MB/s both ways. Reading is
// measured twice: rebuilding each figure from the data directory as the program does, and
// with figures copied from one template, which isolates the file codec.
#include "core/ByteReader.h"
#include "core/ObjectList.h"
#include "core/SafeFileWrite.h"
#include "core/UserReporter.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"
#include "human/Mannequin.h"

#include "BenchData.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

constexpr int kFigures = 100;

struct BenchScene {
    CObjectList list;
    std::vector<std::unique_ptr<CMannequin>> figures;
    std::string path = (std::filesystem::temp_directory_path() / "tavrona-bench.tvr").string();
    std::size_t bytes = 0;

    BenchScene() {
        ChooseDataDirectory();
        CStderrReporter reporter;
        for (int i = 0; i < kFigures; ++i) {
            figures.push_back(std::make_unique<CMannequin>(0, i % 2, -1, 1 + i % 3, 1, 1,
                                                           1 + i % 37, i % 4, 0,
                                                           CAnthropometryContext{reporter}));
            figures.back()->transform =
                Translation(Vec3(40.0 * (i % 10), 0, 40.0 * (i / 10))) * figures.back()->transform;
            figures.back()->UpdatePosture();
            figures.back()->AddToList(list);
        }
        WriteSceneFile(path, list);
        bytes = std::filesystem::file_size(path);
    }
    ~BenchScene() {
        std::remove(path.c_str());
        std::remove(BackupName(path).c_str());
    }
};

BenchScene& Scene() {
    static BenchScene scene;
    return scene;
}

void Report(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void Release(CObjectList& list) {
    DeleteTopLevelObjects(list);
}

void BM_SaveScene(benchmark::State& state) {
    BenchScene& scene = Scene();
    for (auto _ : state)
        if (!WriteSceneFile(scene.path, scene.list))
            state.SkipWithError("save failed");
    Report(state, scene.bytes);
}
BENCHMARK(BM_SaveScene)->Unit(benchmark::kMillisecond)->UseRealTime();

// The encoding alone, without the disk.
void BM_EncodeScene(benchmark::State& state) {
    BenchScene& scene = Scene();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeScene(scene.list).size());
    Report(state, scene.bytes);
}
BENCHMARK(BM_EncodeScene)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadSceneRebuildingFigures(benchmark::State& state) {
    BenchScene& scene = Scene();
    CStderrReporter reporter;
    for (auto _ : state) {
        CObjectList read;
        if (!ReadSceneFile(scene.path, read, {&reporter, nullptr, nullptr}))
            state.SkipWithError("read failed");
        Release(read);
    }
    Report(state, scene.bytes);
}
BENCHMARK(BM_ReadSceneRebuildingFigures)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadSceneCodec(benchmark::State& state) {
    BenchScene& scene = Scene();
    const CMannequin& model = *scene.figures.front();
    auto copy = [&model](const CAnthropometry& a, int) {
        auto* figure = new CMannequin(model, false);
        figure->anthropometry = a;
        return figure;
    };
    for (auto _ : state) {
        CObjectList read;
        if (!ReadSceneFile(scene.path, read, {nullptr, nullptr, copy}))
            state.SkipWithError("read failed");
        Release(read);
    }
    Report(state, scene.bytes);
}
BENCHMARK(BM_ReadSceneCodec)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the same bytes read whole and written to another file, flushed as a save is.
void BM_PlainCopyOfTheFile(benchmark::State& state) {
    BenchScene& scene = Scene();
    const std::string target = scene.path + ".copy";
    for (auto _ : state) {
        std::vector<unsigned char> bytes;
        ReadFileBytes(scene.path, SIZE_MAX, bytes);
        if (!WriteFileReplacing(target, bytes))
            state.SkipWithError("copy failed");
    }
    std::remove(target.c_str());
    Report(state, scene.bytes);
}
BENCHMARK(BM_PlainCopyOfTheFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
