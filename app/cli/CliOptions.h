#pragma once
// The command line of tidewell-cli: commands, options and their checks. Parsing only reads the
// arguments; it never touches a file.

#include <optional>
#include <string>
#include <vector>

namespace tidewell::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitInvalidDesign = 1;
inline constexpr int kExitInputError = 2;
inline constexpr int kExitUsage = 64;

enum class Command { Help, Version, Report, Table, Validate, Materials };

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
};

struct ParsedCommandLine {
    std::optional<CliOptions> options;  // set when the command line is usable
    std::string error;                  // why it is not
};

// Reads the arguments after the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
std::string HelpText();

}  // namespace tidewell::cli
