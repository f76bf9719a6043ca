// Reach and walking on the Human figure. Targets: at least 10,000 reach solves per second over
// a grid of targets around the right shoulder (some reached upright, some needing the trunk
// search, some out of reach, which tries every chest angle); a walk step with its posture
// update in under 1 ms.
#include "core/UserReporter.h"
#include "human/Mannequin.h"

#include "BenchData.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_ReachGrid(benchmark::State& state) {
    state.SetLabel(ChooseDataDirectory());
    CStderrReporter reporter;
    CMannequin figure(0, 1, -1, 2, 1, 1, 1, 2, 0, CAnthropometryContext{reporter});
    if (!figure.valid) {
        state.SkipWithError("the figure could not be built");
        return;
    }
    figure.UpdatePosture();
    const Vec3 shoulder = TranslationOf(figure.GetSegment(kRightArm)->transform);
    // 5 x 5 x 4 targets from 30 in beside, below and above the shoulder to 36 in in front.
    std::vector<Vec3> targets;
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 5; ++j)
            for (int k = 0; k < 4; ++k)
                targets.push_back(shoulder + Vec3(-30 + 15 * i, -30 + 15 * j, 6 + 10 * k));
    int reached = 0;
    std::size_t next = 0;
    for (auto _ : state) {
        reached += figure.ReachPoint(kRightPalm, targets[next]);
        next = (next + 1) % targets.size();
    }
    state.counters["reached_share"] =
        benchmark::Counter(reached, benchmark::Counter::kAvgIterations);
    state.counters["solves_per_s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_ReachGrid)->Unit(benchmark::kMicrosecond);

void BM_WalkStep(benchmark::State& state) {
    state.SetLabel(ChooseDataDirectory());
    CStderrReporter reporter;
    CMannequin figure(0, 1, -1, 2, 1, 1, 1, 2, 0, CAnthropometryContext{reporter});
    if (!figure.valid) {
        state.SkipWithError("the figure could not be built");
        return;
    }
    const std::vector<Vec3> path{{0, 0, 0}, {0, 0, 1e6}, {1e6, 0, 1e6}};
    figure.StartWalk(path);
    for (auto _ : state) {
        if (!figure.WalkStep())
            figure.StartWalk(path);
        figure.UpdatePosture();
        benchmark::DoNotOptimize(figure.GetSegment(kHead)->worldVertices.data());
    }
}
BENCHMARK(BM_WalkStep)->Unit(benchmark::kMicrosecond);

} // namespace
