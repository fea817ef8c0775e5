// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-process time of `tidewell-cli sweep` (1000 steps) and `tidewell-cli size` on the titanium
// tube example, from process start to exit with the output discarded. Targets: the sweep under
// 100 ms, the sizing under 50 ms. The sizing search alone is timed in-process as well.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "analysis/Sizing.h"
#include "units/ScriptedMessages.h"

extern char** environ;

namespace {

#ifdef TIDEWELL_CLI_PATH
const std::string kTube = std::string(TIDEWELL_SOURCE_DIR) + "/data/examples/TitaniumTube6000m.prj";

// Runs the program with its output sent to /dev/null; false when it did not exit with 0.
bool RunProcess(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string program = TIDEWELL_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void ProcessBenchmark(benchmark::State& state, const std::vector<std::string>& arguments) {
    for (auto _ : state) {
        if (!RunProcess(arguments)) {
            state.SkipWithError("tidewell-cli failed");
            break;
        }
    }
}

void SweepThousandSteps(benchmark::State& state) {
    ProcessBenchmark(state, {"sweep", kTube, "--vary", "wall", "--from", "2", "--to", "20",
                             "--unit", "mm", "--steps", "1000", "--safety", "1.5,3"});
}
BENCHMARK(SweepThousandSteps)->Unit(benchmark::kMillisecond)->UseRealTime();

void SizeWall(benchmark::State& state) {
    ProcessBenchmark(state, {"size", kTube, "--depth", "6000", "--depth-unit", "m (sea)",
                             "--safety", "1.5,3", "--vary", "wall"});
}
BENCHMARK(SizeWall)->Unit(benchmark::kMillisecond)->UseRealTime();

#endif

// The search alone on an aluminium tube of I.D. 10 in, 200 in long (buckling governs).
void SizeDimensionSearch(benchmark::State& state) {
    tidewell::DesignRecord d;
    d.ProjectTitle = "Tube";
    d.MaterialClass = "Metals";
    d.YoungsModulus = 10e6;
    d.PoissonsRatio = 0.33;
    d.Density = 0.098;
    d.YieldStrength = 35000;
    d.BodyType = tidewell::kTubeBody;
    d.PressureSource = 1;
    d.BodyDim = {10, 11, 0.5, 200, 0};
    const tidewell::ResultsRequest request = tidewell::DefaultResultsRequest(d);
    tidewell::ScriptedMessages messages;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tidewell::SizeDimension(d, request, tidewell::DimensionChoice{},
                                                         tidewell::SafetyFactors{1.5, 3}, 300,
                                                         messages));
    }
}
BENCHMARK(SizeDimensionSearch)->Unit(benchmark::kMillisecond);

}  // namespace
