// Time of one whole analysis run (failure search, twenty table rows, weights and notices) for a
// tube under external pressure, the default flat annular plate (50 radial increments, both
// loads) and the heaviest case the program allows (1000 increments, both loads).
// Targets on the reference machine: 0.1 ms, 0.5 ms and 5 ms.

#include <benchmark/benchmark.h>

#include "analysis/ResultsTable.h"
#include "units/UserMessages.h"

namespace {

using namespace tidewell;

// Every run of these designs is silent; a message would be a fault of the benchmark.
class NoMessages : public UserMessages {
public:
    using UserMessages::Show;
    MessageAnswer Show(const Message&) override { return MessageAnswer::Ok; }
};

DesignRecord Aluminium() {
    DesignRecord d;
    d.ProjectTitle = "Benchmark";
    d.MaterialName = d.LoadedMaterialName = "6061-T6";
    d.MaterialClass = "Metals";
    d.YoungsModulus = 10.0e6;
    d.PoissonsRatio = 0.33;
    d.Density = 0.098;
    d.YieldStrength = 35000;
    d.PressureSource = 1;
    return d;
}

DesignRecord ExternalTube() {
    DesignRecord d = Aluminium();
    d.BodyType = kTubeBody;
    d.BodyDim = {4.8, 5, 0.1, 20, 0};
    return d;
}

DesignRecord AnnularPlate(double increments) {
    DesignRecord d = Aluminium();
    d.EndcapType = kFlatAnnularEndcap;
    d.EdgeRestraint = 4;
    d.UniformLoadOn = kTrue;
    d.LineLoadOn = kTrue;
    d.EndcapDim = {6, 7, 0.5, 1, 4, increments, 1, 5};
    return d;
}

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
