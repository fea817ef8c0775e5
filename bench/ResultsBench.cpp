// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one whole analysis run (failure search, twenty table rows, weights and notices) for a
// tube under external pressure, the default flat annular plate (50 radial increments, both
// loads) and the heaviest case the program allows (1000 increments, both loads).
// Targets on the reference machine: 0.1 ms, 0.5 ms and 5 ms.

#include <benchmark/benchmark.h>

#include "analysis/ResultsTable.h"
#include "bench/BenchDesigns.h"
#include "units/UserMessages.h"

namespace {

using namespace tidewell;
using namespace tidewell::bench;

void RunTable(benchmark::State& state, const DesignRecord& design) {
    const ResultsRequest request = DefaultResultsRequest(design);
    NoMessages messages;
    for (auto _ : state) {
        ResultsView view = BuildResultsTable(design, request, messages);
        if (!view.Ok()) state.SkipWithError("the run stopped");
        benchmark::DoNotOptimize(view);
    }
}

void BM_ResultsTable_TubeExternal(benchmark::State& state) {
    RunTable(state, ExternalTube());
}
BENCHMARK(BM_ResultsTable_TubeExternal)->Unit(benchmark::kMicrosecond);

void BM_ResultsTable_Annular50BothLoads(benchmark::State& state) {
    RunTable(state, AnnularPlate(50));
}
BENCHMARK(BM_ResultsTable_Annular50BothLoads)->Unit(benchmark::kMicrosecond);

void BM_ResultsTable_Annular1000BothLoads(benchmark::State& state) {
    RunTable(state, AnnularPlate(1000));
}
BENCHMARK(BM_ResultsTable_Annular1000BothLoads)->Unit(benchmark::kMicrosecond);

}  // namespace
