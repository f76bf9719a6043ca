// UpdatePosture on a figure whose meshes hold 30,000 vertices in all, beside a plain copy of
// the same vertex arrays (the memory-bandwidth floor of placing every vertex).
#include "human/Mannequin.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr int kTotalVertices = 30000;

std::unique_ptr<CMannequin> MakeDenseFigure() {
    auto figure = std::make_unique<CMannequin>();
    for (int n = 0; n < kSegmentCount; ++n) {
        CBodyPart* s = figure->GetSegment(n);
        const int count = kTotalVertices / kSegmentCount + (n < kTotalVertices % kSegmentCount);
        std::vector<Vec3> vertices(count);
        for (int i = 0; i < count; ++i)
            vertices[i] = Vec3(0.01 * i, 1.0 - 0.02 * i, 0.5 * n);
        s->vertices = vertices;
        for (Vec3& offset : s->childOffsets)
            offset = Vec3(1, -3, 0.5);
        s->upperLimits = Vec3(90, 90, 90);
        s->lowerLimits = Vec3(-90, -90, -90);
        s->RotateAxisX(10 + n % 7);
        s->RotateAxisZ(-5);
    }
    figure->transform = Translation(Vec3(20, 0, -4)) * RotationY(30);
    return figure;
}

void BM_UpdatePosture(benchmark::State& state) {
    auto figure = MakeDenseFigure();
    for (auto _ : state) {
        figure->UpdatePosture();
        benchmark::DoNotOptimize(figure->GetSegment(45)->worldVertices.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kTotalVertices);
    state.SetBytesProcessed(state.iterations() * kTotalVertices * 2 * sizeof(Vec3));
}
BENCHMARK(BM_UpdatePosture);

void BM_CopyVertexArrays(benchmark::State& state) {
    auto figure = MakeDenseFigure();
    for (int n = 0; n < kSegmentCount; ++n)
        figure->GetSegment(n)->worldVertices.resize(figure->GetSegment(n)->vertices.size());
    for (auto _ : state) {
        for (int n = 0; n < kSegmentCount; ++n) {
            CBodyPart* s = figure->GetSegment(n);
            std::memcpy(s->worldVertices.data(), s->vertices.data(),
                        s->vertices.size() * sizeof(Vec3));
        }
        benchmark::DoNotOptimize(figure->GetSegment(45)->worldVertices.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kTotalVertices);
    state.SetBytesProcessed(state.iterations() * kTotalVertices * 2 * sizeof(Vec3));
}
BENCHMARK(BM_CopyVertexArrays);

} // namespace
