// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one stress-engine call per component and of the annular plate under both loads.
// Targets: under 0.2 us per shell call, under 2 us per CombinedPlateLoads call.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "analysis/StressEngine.h"

namespace tidewell {
namespace {

AnalysisState ShellState(int16_t code) {
    AnalysisState s;
    s.ComponentCode = code;
    s.InnerRadius = 4.0;
    s.OuterRadius = 4.5;
    s.WallThickness = 0.5;
    s.MeanRadius = 4.25;
    s.BodyLength = 20;
    s.ConeHeight = 5;
    s.ConeMidHeight = 5 - (0.25) / (4.5 / 5);
    s.YoungsModulus = 30e6;
    s.PoissonRatio = 0.3;
    s.Density = 0.283;
    s.PressureDirection = kExternalPressure;
    s.PressureSign = -1;
    ResetResults(s);
    return s;
}

AnalysisState PlateState(int16_t code, int16_t restraint) {
    AnalysisState s;
    s.ComponentCode = code;
    s.OuterRadius = 5;
    s.InnerRadius = code == kCircularPlateComponent ? 5.5 : 1.5;
    s.PlateOuterRadius = 5.5;
    s.WallThickness = 0.5;
    s.MeanRadius = (s.OuterRadius + s.InnerRadius) / 2;
    s.YoungsModulus = 30e6;
    s.PoissonRatio = 0.3;
    s.Density = 0.283;
    s.EdgeRestraint = restraint;
    s.PressureDirection = kExternalPressure;
    s.PressureSign = -1;
    s.LineLoadRadius = 3;
    s.UniformLoadInnerRadius = 2;
    s.LineLoadOuterRadius = 2.5;
    s.UniformLoadOn = -1;
    s.LineLoadOn = -1;
    return s;
}

// The pressure changes every call so nothing can be hoisted out of the loop.
void RunEngine(benchmark::State& bench, AnalysisState s, double r, double r0, double w,
               int16_t lineLoadFlag) {
    double p = 1000;
    for (auto _ : bench) {
        ComputeStresses(s, p, r, r0, w, 3, lineLoadFlag);
        benchmark::DoNotOptimize(s.HoopStress);
        benchmark::DoNotOptimize(s.PlateRadialStressAtR);
        benchmark::ClobberMemory();
        p += 1;
    }
}

void BM_ComputeStresses_Tube(benchmark::State& bench) {
    RunEngine(bench, ShellState(kTubeComponent), 4.0, 0, 0, 0);
}
BENCHMARK(BM_ComputeStresses_Tube);

void BM_ComputeStresses_Sphere(benchmark::State& bench) {
    RunEngine(bench, ShellState(kSphereComponent), 4.0, 0, 0, 0);
}
BENCHMARK(BM_ComputeStresses_Sphere);

void BM_ComputeStresses_HemisphericalEndcap(benchmark::State& bench) {
    RunEngine(bench, ShellState(kHemiEndcapComponent), 4.0, 0, 0, 0);
}
BENCHMARK(BM_ComputeStresses_HemisphericalEndcap);

void BM_ComputeStresses_Cone(benchmark::State& bench) {
    RunEngine(bench, ShellState(kConeComponent), 4.0, 0, 0, 0);
}
BENCHMARK(BM_ComputeStresses_Cone);

void BM_ComputeStresses_CircularPlate(benchmark::State& bench) {
    RunEngine(bench, PlateState(kCircularPlateComponent, 1), 2.0, 0, 0, 0);
}
BENCHMARK(BM_ComputeStresses_CircularPlate);

void BM_ComputeStresses_AnnularPlateUniform(benchmark::State& bench) {
    RunEngine(bench, PlateState(kAnnularPlateComponent, 6), 3.5, 2, 0, 0);
}
BENCHMARK(BM_ComputeStresses_AnnularPlateUniform);

void BM_ComputeStresses_AnnularPlateLine(benchmark::State& bench) {
    RunEngine(bench, PlateState(kAnnularPlateComponent, 6), 3.5, 3, 40, -1);
}
BENCHMARK(BM_ComputeStresses_AnnularPlateLine);

void BM_CombinedPlateLoads(benchmark::State& bench) {
    AnalysisState s = PlateState(kAnnularPlateComponent, 6);
    double p = 1000;
    for (auto _ : bench) {
        CombinedPlateLoads(s, p, 3.5, 3, 2, PlateLineLoad(s, p));
        benchmark::DoNotOptimize(s.PlateRadialStressAtR);
        benchmark::ClobberMemory();
        p += 1;
    }
}
BENCHMARK(BM_CombinedPlateLoads);

// The heaviest sweep of an analysis run: both loads at 1000 radii across the plate.
void BM_AnnularPlateSweep1000(benchmark::State& bench) {
    AnalysisState s = PlateState(kAnnularPlateComponent, 6);
    const int steps = 1000;
    const double dr = (s.OuterRadius - s.InnerRadius) / (steps - 1);
    for (auto _ : bench) {
        for (int i = 0; i < steps; ++i) {
            ComputeSelectedPlateLoads(s, 1000, s.InnerRadius + i * dr);
            benchmark::DoNotOptimize(s.PlateRadialStressAtR);
        }
    }
    bench.SetItemsProcessed(bench.iterations() * steps);
}
BENCHMARK(BM_AnnularPlateSweep1000);

}  // namespace
}  // namespace tidewell
