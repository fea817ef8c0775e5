// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of the collapse estimate added to one analysis run: the estimate of a tube (its lobe search
// and the out-of-roundness root) and of a sphere, on the state a run has after its failure search.
// Target: under 5 us.

#include <benchmark/benchmark.h>

#include "analysis/CollapseEstimate.h"

namespace tidewell {
namespace {

AnalysisState Loaded(int16_t code) {
    AnalysisState s;
    s.ComponentCode = code;
    s.InnerRadius = 5.5895;
    s.OuterRadius = 6.0235;
    s.WallThickness = 0.434;
    s.BodyLength = 15.375;
    s.YoungsModulus = 44e6;
    s.PoissonRatio = 0.21;
    s.YieldStrength = 28000;
    s.SecondStrength = 300000;
    s.PressureDirection = kExternalPressure;
    return s;
}

void CollapseEstimateTube(benchmark::State& state) {
    const AnalysisState s = Loaded(kTubeComponent);
    for (auto _ : state) {
        benchmark::DoNotOptimize(EstimateCollapse(s, "Ceramics", 0, kDefaultOutOfRoundness));
    }
}
BENCHMARK(CollapseEstimateTube)->Unit(benchmark::kMicrosecond);

// A short, thin tube buckles in many lobes: the longest lobe search.
void CollapseEstimateShortThinTube(benchmark::State& state) {
    AnalysisState s = Loaded(kTubeComponent);
    s.WallThickness = 0.02;
    s.InnerRadius = s.OuterRadius - 0.02;
    s.BodyLength = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EstimateCollapse(s, "Metals", 0, kDefaultOutOfRoundness));
    }
}
BENCHMARK(CollapseEstimateShortThinTube)->Unit(benchmark::kMicrosecond);

void CollapseEstimateSphere(benchmark::State& state) {
    const AnalysisState s = Loaded(kSphereComponent);
    for (auto _ : state) {
        benchmark::DoNotOptimize(EstimateCollapse(s, "Ceramics", 0, kDefaultOutOfRoundness));
    }
}
BENCHMARK(CollapseEstimateSphere)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tidewell
