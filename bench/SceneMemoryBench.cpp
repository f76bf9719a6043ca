// Memory of a scene of 1000 Human figures of five body types: built as New Mannequin builds
// them, and read from a scene file of their 1000 figure records (1.9 MB; the reader rebuilds
// each figure from the data directory). Figures of one body type share their meshes' own
// vertices, normals and faces; each keeps only its world vertices (about 0.5 MB). Target: under
// 700 MB held. Counters: held_MB, what the figures hold; peak_MB, the process's peak resident
// size during the benchmark (reset at its start).
#include "core/ObjectList.h"
#include "core/UserReporter.h"
#include "document/SceneFileFormat.h"
#include "document/SceneFileReader.h"
#include "document/SceneFileWriter.h"
#include "human/Mannequin.h"

#include "BenchData.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kFigures = 1000;

struct BodyType {
    int sex;
    int size;
    int bodyType;
};
constexpr BodyType kBodyTypes[5] = {{1, 2, 1}, {0, 2, 1}, {1, 3, 2}, {0, 1, 0}, {1, 0, 0}};

std::size_t HeldBytes() {
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// The kernel's high-water mark of the resident size, which writing 5 to clear_refs resets.
void ResetPeakResident() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakResidentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0.0;
}

CMannequin* BuildFigure(int i, CUserReporter& reporter) {
    const BodyType& t = kBodyTypes[i % 5];
    auto* figure = new CMannequin(0, t.sex, -1, t.size, t.bodyType, 1, 1 + i % 37, i % 4, 0,
                                  CAnthropometryContext{reporter});
    figure->transform = Translation(Vec3(40.0 * (i % 40), 0, 40.0 * (i / 40))) * figure->transform;
    figure->UpdatePosture();
    return figure;
}

void Report(benchmark::State& state, std::size_t before) {
    state.counters["held_MB"] = static_cast<double>(HeldBytes() - before) / 1e6;
    state.counters["peak_MB"] = PeakResidentMb();
}

void BM_BuildThousandFigures(benchmark::State& state) {
    state.SetLabel(ChooseDataDirectory());
    CStderrReporter reporter;
    for (auto _ : state) {
        ResetPeakResident();
        const std::size_t before = HeldBytes();
        CObjectList scene;
        for (int i = 0; i < kFigures; ++i)
            BuildFigure(i, reporter)->AddToList(scene);
        Report(state, before);
        DeleteTopLevelObjects(scene);
    }
}
BENCHMARK(BM_BuildThousandFigures)->Unit(benchmark::kMillisecond)->Iterations(1);

// The scene file of the figures' own records, without their segment records (which a reader
// rebuilds from the data directory anyway); written one figure at a time.
std::string WriteFigureRecords(CUserReporter& reporter) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "tavrona-bench-figures.tvr").string();
    std::vector<std::uint8_t> file;
    for (int i = 0; i < kFigures; ++i) {
        CObjectList one;
        BuildFigure(i, reporter)->AddToList(one);
        const std::vector<std::uint8_t> bytes = EncodeScene(one);
        DeleteTopLevelObjects(one);
        if (file.empty())
            file.assign(bytes.begin(), bytes.begin() + scenefile::kHeaderSize);
        for (std::size_t at = scenefile::kHeaderSize; at + 5 <= bytes.size();) {
            std::int32_t length = 0;
            std::memcpy(&length, bytes.data() + at, 4);
            if (bytes[at + 4] != kTypeBodyPart)
                file.insert(file.end(), bytes.begin() + at, bytes.begin() + at + length);
            at += length;
        }
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<long>(file.size()));
    return path;
}

void BM_ReadThousandFigureScene(benchmark::State& state) {
    state.SetLabel(ChooseDataDirectory());
    CStderrReporter reporter;
    const std::string path = WriteFigureRecords(reporter);
    for (auto _ : state) {
        ResetPeakResident();
        const std::size_t before = HeldBytes();
        CObjectList read;
        SceneReadReport report;
        SceneReadContext context;
        context.report = &report;
        if (!ReadSceneFile(path, read, context) || report.read != kFigures)
            state.SkipWithError("the scene was not read whole");
        Report(state, before);
        DeleteTopLevelObjects(read);
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadThousandFigureScene)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
