// File exchange: DXF import of a 50 MB file of 3DFACE entities beside ezdxf (the Debian
// python3-ezdxf) reading the same file in the same run (target: at least 20 times faster), and
// 3DS and glTF export of 50 figures.
#include "core/ObjectList.h"
#include "core/SceneObject.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"
#include "io/DxfImport.h"
#include "io/GltfExport.h"
#include "io/ThreeDsExchange.h"

#include "BenchData.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string& FacesFile() {
    static const std::string path = [] {
        const std::string p =
            (std::filesystem::temp_directory_path() / "tavrona-bench-faces.dxf").string();
        std::FILE* file = std::fopen(p.c_str(), "w");
        std::fputs("0\nSECTION\n2\nENTITIES\n", file);
        for (long i = 0; std::ftell(file) < 50L * 1024 * 1024; ++i) {
            const double x = static_cast<double>(i % 1000), y = static_cast<double>(i / 1000);
            std::fprintf(file,
                         "0\n3DFACE\n8\nFACES\n62\n%ld\n10\n%.6f\n20\n%.6f\n30\n0.0\n11\n%.6f\n"
                         "21\n%.6f\n31\n0.0\n12\n%.6f\n22\n%.6f\n32\n1.0\n13\n%.6f\n23\n%.6f\n"
                         "33\n1.0\n",
                         1 + i % 15, x, y, x + 1, y, x + 1, y + 1, x, y + 1);
        }
        std::fputs("0\nENDSEC\n0\nEOF\n", file);
        std::fclose(file);
        return p;
    }();
    return path;
}

void BM_DxfImport50MBOfFaces(benchmark::State& state) {
    const std::string& path = FacesFile();
    const auto bytes = std::filesystem::file_size(path);
    CStderrReporter reporter;
    std::size_t objects = 0;
    for (auto _ : state) {
        std::vector<std::unique_ptr<CSceneObject>> created;
        ReadDxfFile(path, created, reporter, nullptr);
        objects = created.size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["faces"] = static_cast<double>(objects);
}
BENCHMARK(BM_DxfImport50MBOfFaces)->Unit(benchmark::kSecond)->Iterations(2);

// The same file read by ezdxf, timed from outside (interpreter start-up is under a second).
void BM_EzdxfReads50MBOfFaces(benchmark::State& state) {
    const std::string& path = FacesFile();
    const auto bytes = std::filesystem::file_size(path);
    const std::string command =
        "/usr/bin/python3 -c 'import ezdxf,sys; ezdxf.readfile(sys.argv[1])' " + path;
    if (std::system("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") != 0) {
        state.SkipWithError("python3-ezdxf is not installed");
        return;
    }
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("ezdxf failed");
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_EzdxfReads50MBOfFaces)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

struct FiftyFigures {
    CObjectList list;
    FiftyFigures() {
        ChooseDataDirectory();
        CStderrReporter reporter;
        for (int i = 0; i < 50; ++i) {
            auto* figure = new CMannequin(0, i % 2, -1, 1 + i % 3, 1, 1, 1 + i % 37, i % 4, 0,
                                          CAnthropometryContext{reporter});
            figure->transform =
                Translation(Vec3(40.0 * (i % 10), 0, 40.0 * (i / 10))) * figure->transform;
            figure->UpdatePosture();
            figure->AddToList(list);
        }
    }
    ~FiftyFigures() { DeleteTopLevelObjects(list); }
};

FiftyFigures& Figures() {
    static FiftyFigures figures;
    return figures;
}

void BM_Export3dsOf50Figures(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "tavrona-bench.3ds").string();
    for (auto _ : state)
        Export3ds(Figures().list, path, nullptr);
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
    std::remove(path.c_str());
}
BENCHMARK(BM_Export3dsOf50Figures)->Unit(benchmark::kMillisecond);

void BM_ExportGlbOf50Figures(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / "tavrona-bench.glb").string();
    for (auto _ : state)
        ExportGlb(Figures().list, path, nullptr);
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(path)));
    std::remove(path.c_str());
}
BENCHMARK(BM_ExportGlbOf50Figures)->Unit(benchmark::kMillisecond);

} // namespace
