// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line of tidewell-cli: commands, options and their checks. Parsing only reads the
// arguments; it never touches a file.

#include <optional>
#include <string>
#include <vector>

#include "analysis/Rating.h"
#include "analysis/Sizing.h"

namespace tidewell::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInvalidDesign = 1;
inline constexpr int kExitInputError = 2;
inline constexpr int kExitUsage = 64;

// The most steps a sweep takes.
inline constexpr int kMaxSweepSteps = 100000;

enum class Command { Help, Version, Report, Table, Validate, Materials, Size, Sweep };

struct CliOptions {
    Command command = Command::Help;
    std::string projectPath;                   // report, table, validate
    std::optional<std::string> outputPath;     // -o FILE (report, table)
    std::optional<std::string> materialsPath;  // --materials FILE
    std::optional<int> digits;                 // --digits N, 2 to 12
    std::optional<int> notation;               // --notation 0|2
    std::optional<int> range;                  // --range 0..5
    std::optional<std::string> rangeUnit;      // --range-unit psi|Bar
    std::optional<std::string> evalDiameter;   // --eval-dia TEXT
    bool csv = false;                          // table --csv
    std::string category = "All";              // materials --category C
    std::string subCategory = "All";           // materials --sub S

    std::optional<SafetyFactors> safety;    // --safety S[,B] (report, table, size, sweep)
    std::optional<std::string> depthUnit;   // --depth-unit U: the unit of rated depths
    std::optional<std::string> endcapPath;  // --endcap FILE: the housing's endcap project
    bool collapse = false;                  // report --collapse: the collapse estimate's block
    std::optional<double> outOfRoundness;   // --out-of-round PCT, as a fraction
    DimensionChoice vary;                   // size, sweep: --vary wall|od|id|length, --keep id|od
    double targetDepth = 0;                 // size --depth D
    double from = 0;                        // sweep --from A
    double to = 0;                          // sweep --to B
    int steps = 0;                          // sweep --steps N: N + 1 values from A to B
    std::optional<std::string> valueUnit;   // sweep --unit U: length unit of A and B

    std::string helpText;  // Help: the text to show
};

struct ParsedCommandLine {
    std::optional<CliOptions> options;  // set when the command line is usable
    std::string error;                  // why it is not
};

// Reads the arguments after the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string HelpText();

// An out-of-roundness in percent, above 0 and below 20: the fraction, or nothing.
std::optional<double> ParseOutOfRoundPercent(const std::string& text);

// "S" or "S,B": the strength factor and the buckling factor (one number sets both), each at least
// 1. Returns nothing when the text is not that.
std::optional<SafetyFactors> ParseSafetyFactors(const std::string& text);

}  // namespace tidewell::cli
