// Joint loads, balance and foot prediction of a 50th percentile man holding 20 lbf in the right
// hand with the predicted foot forces in place. Targets: all 16 joint loads in at most 20 us;
// balance with foot prediction in at most 50 us; a drag step (turn, posture update, panel and
// feet refreshed) far inside a 60 Hz frame (16.7 ms).
#include "BenchData.h"

#include "biomech/Force.h"
#include "biomech/JointLoads.h"
#include "biomech/SegmentReadouts.h"
#include "core/UserReporter.h"
#include "human/Mannequin.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::unique_ptr<CMannequin> LoadedFigure() {
    ChooseDataDirectory();
    CStderrReporter reporter;
    auto figure =
        std::make_unique<CMannequin>(0, 1, -1, 2, 1, 1, 1, 2, 0, CAnthropometryContext{reporter});
    figure->AddForce(kRightPalm, kForceExternal, figure->GetSegment(kRightPalm)->massCentre,
                     Vec3(0, -20, 0), Vec3(), nullptr, false);
    figure->AddFootPredictionForces();
    return figure;
}

void BM_AllJointLoads(benchmark::State& state) {
    auto figure = LoadedFigure();
    FigureJointLoads loads;
    for (auto _ : state) {
        ComputeFigureJointLoads(*figure, true, loads);
        benchmark::DoNotOptimize(loads.moment[kChest]);
    }
    state.SetItemsProcessed(state.iterations() * kMainSegmentCount);
}
BENCHMARK(BM_AllJointLoads)->Unit(benchmark::kMicrosecond);

// The same 16 forces and moments asked for one segment at a time, as the panel's API does.
void BM_JointLoadsSegmentBySegment(benchmark::State& state) {
    auto figure = LoadedFigure();
    for (auto _ : state)
        for (int s = 0; s < kMainSegmentCount; ++s) {
            const CBodyPart& part = *figure->GetSegment(s);
            benchmark::DoNotOptimize(part.GetJointForce(true, true));
            benchmark::DoNotOptimize(part.GetJointMoment(true, true, true));
        }
    state.SetItemsProcessed(state.iterations() * kMainSegmentCount);
}
BENCHMARK(BM_JointLoadsSegmentBySegment)->Unit(benchmark::kMicrosecond);

void BM_BalanceAndFootPrediction(benchmark::State& state) {
    auto figure = LoadedFigure();
    Vec3 left, leftPoint, right, rightPoint;
    for (auto _ : state) {
        benchmark::DoNotOptimize(figure->IsBalanced());
        benchmark::DoNotOptimize(figure->PredictFootForces(left, leftPoint, right, rightPoint));
    }
}
BENCHMARK(BM_BalanceAndFootPrediction)->Unit(benchmark::kMicrosecond);

// What the program does per mouse move while the elbow is dragged with the panel open: turn
// the joint, recompute the world data, refresh the feet and all load words, refill the panel.
void BM_DragStepWithLoads(benchmark::State& state) {
    auto figure = LoadedFigure();
    double step = 1.0;
    for (auto _ : state) {
        if (figure->RotateLinked(kRightForearm, 0, step, 0) != kWithinLimits)
            step = -step;
        figure->UpdateFootPredictionForces();
        benchmark::DoNotOptimize(FillSegmentProperties(*figure->GetSegment(kRightForearm), 0, 0));
    }
}
BENCHMARK(BM_DragStepWithLoads)->Unit(benchmark::kMicrosecond);

} // namespace
