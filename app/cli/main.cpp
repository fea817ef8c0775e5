// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tidewell-cli: opens, checks and analyses Tidewell projects without a display, and writes the
// analysis report or its results table.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "Version.h"
#include "app/cli/CliAnalysis.h"
#include "app/cli/CliMessages.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliOutput.h"
#include "app/cli/CliPlaces.h"
#include "app/cli/CliSizing.h"

namespace {

using namespace tidewell::cli;

// A project named on the command line is relative to the current folder, as a shell user
// expects; the program's own folder is only for bare names chosen inside the program.
std::string AbsoluteProjectPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

int Run(const CliOptions& options, const char* argv0, CliMessages& messages) {
    const CliPlaces places = LocatePlaces(argv0, options.materialsPath.value_or(""));
    if (!places.problem.empty()) {
        messages.Line(places.problem);
        return kExitInputError;
    }
    if (options.command == Command::Materials) {
        return ListMaterials(options, places.materialsFile, messages);
    }

    tidewell::ReportClock clock;
    if (options.command == Command::Report) {
        std::string problem;
        if (!ReportTimeNow(clock, problem)) {
            messages.Line(problem);
            return kExitInputError;
        }
    }

    OpenedDesign opened = OpenDesign(AbsoluteProjectPath(options.projectPath), places.programFolder,
                                     places.materialsFile, messages);
    if (opened.exitCode != kExitOk) return opened.exitCode;
    const int check = CheckDesign(opened.design, messages);
    if (check != kExitOk || options.command == Command::Validate) {
        if (check == kExitOk) std::printf("The design is valid.\n");
        return check;
    }

    // A housing's endcap kept in a project of its own is opened and checked as the design is.
    std::optional<OpenedDesign> endcap;
    if (options.endcapPath) {
        endcap = OpenDesign(AbsoluteProjectPath(*options.endcapPath), places.programFolder,
                            places.materialsFile, messages);
        if (endcap->exitCode != kExitOk) return endcap->exitCode;
        const int endcapCheck = CheckDesign(endcap->design, messages);
        if (endcapCheck != kExitOk) return endcapCheck;
    }
    const tidewell::DesignRecord* endcapDesign = endcap ? &endcap->design : nullptr;

    if (options.command == Command::Size) {
        return SizeCommand(opened.design, options, messages, endcapDesign);
    }
    if (options.command == Command::Sweep) return SweepCommand(opened.design, options, messages);
    const AnalysisRun run = RunAnalysis(opened.design, options, messages, endcapDesign);
    if (run.exitCode != kExitOk) return run.exitCode;
    if (options.command == Command::Table) return WriteTable(run, options, messages);
    return WriteReport(opened.design, run, options, places.materialsFile, clock, messages);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    CliMessages messages(stderr);

    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.options) {
        messages.Line("tidewell-cli: " + parsed.error);
        messages.Line("Try 'tidewell-cli --help'.");
        return kExitUsage;
    }
    const CliOptions& options = *parsed.options;
    if (options.command == Command::Help) {
        const std::string help = options.helpText.empty() ? HelpText() : options.helpText;
        std::fputs(help.c_str(), stdout);
        return kExitOk;
    }
    if (options.command == Command::Version) {
        std::printf("tidewell-cli %s\n", TIDEWELL_VERSION_STRING);
        return kExitOk;
    }
    try {
        return Run(options, argc > 0 ? argv[0] : nullptr, messages);
    } catch (const std::exception& error) {
        messages.Line(std::string("tidewell-cli: ") + error.what());
        return kExitInputError;
    }
}
