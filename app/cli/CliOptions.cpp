#include "app/cli/CliOptions.h"

#include <map>

namespace tidewell::cli {

namespace {

// Which command accepts which option.
enum OptionUse : unsigned {
    kForReport = 1U,
    kForTable = 2U,
    kForValidate = 4U,
    kForMaterials = 8U,
};

struct OptionRule {
    bool takesValue;
    unsigned usedBy;
};

const std::map<std::string, OptionRule>& OptionRules() {
    static const std::map<std::string, OptionRule> rules = {
        {"-o", {true, kForReport | kForTable}},
        {"--output", {true, kForReport | kForTable}},
        {"--materials", {true, kForReport | kForTable | kForValidate | kForMaterials}},
        {"--digits", {true, kForReport | kForTable}},
        {"--notation", {true, kForReport | kForTable}},
        {"--range", {true, kForReport | kForTable}},
        {"--range-unit", {true, kForReport | kForTable}},
        {"--eval-dia", {true, kForReport | kForTable}},
        {"--csv", {false, kForTable}},
        {"--category", {true, kForMaterials}},
        {"--sub", {true, kForMaterials}},
    };
    return rules;
}

unsigned UseOf(Command command) {
    switch (command) {
        case Command::Report:
            return kForReport;
        case Command::Table:
            return kForTable;
        case Command::Validate:
            return kForValidate;
        case Command::Materials:
            return kForMaterials;
        default:
            return 0;
    }
}

std::optional<Command> CommandNamed(const std::string& name) {
    if (name == "report") return Command::Report;
    if (name == "table") return Command::Table;
    if (name == "validate") return Command::Validate;
    if (name == "materials") return Command::Materials;
    return std::nullopt;
}

// A whole number written with digits only (an optional leading minus), within [low, high].
std::optional<int> WholeNumber(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    size_t start = text[0] == '-' ? 1 : 0;
    if (start == text.size()) return std::nullopt;
    int value = 0;
    for (size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (start == 1) value = -value;
    if (value < low || value > high) return std::nullopt;
    return value;
}

// "All" in any letter case: the lists' wildcard.
bool IsAll(const std::string& text) {
    return text.size() == 3 && (text[0] == 'a' || text[0] == 'A') &&
           (text[1] == 'l' || text[1] == 'L') && (text[2] == 'l' || text[2] == 'L');
}

ParsedCommandLine Failure(const std::string& why) {
    return ParsedCommandLine{std::nullopt, why};
}

const char* CommandName(Command command) {
    switch (command) {
        case Command::Report:
            return "report";
        case Command::Table:
            return "table";
        case Command::Validate:
            return "validate";
        case Command::Materials:
            return "materials";
        default:
            return "";
    }
}

// Stores one option's value; returns an error text when the value is not acceptable.
std::string Apply(const std::string& name, const std::string& value, CliOptions& options) {
    if (name == "-o" || name == "--output") {
        if (value.empty()) return "the output file name is empty";
        options.outputPath = value;
    } else if (name == "--materials") {
        if (value.empty()) return "the materials file name is empty";
        options.materialsPath = value;
    } else if (name == "--digits") {
        options.digits = WholeNumber(value, 2, 12);
        if (!options.digits)
            return "--digits takes a whole number from 2 to 12, not '" + value + "'";
    } else if (name == "--notation") {
        options.notation = WholeNumber(value, 0, 2);
        if (!options.notation || *options.notation == 1) {
            return "--notation takes 0 (scientific) or 2 (fixed point), not '" + value + "'";
        }
    } else if (name == "--range") {
        options.range = WholeNumber(value, 0, 5);
        if (!options.range) return "--range takes a whole number from 0 to 5, not '" + value + "'";
    } else if (name == "--range-unit") {
        if (value != "psi" && value != "Bar") {
            return "--range-unit takes psi or Bar, not '" + value + "'";
        }
        options.rangeUnit = value;
    } else if (name == "--eval-dia") {
        options.evalDiameter = value;
    } else if (name == "--csv") {
        options.csv = true;
    } else if (name == "--category") {
        options.category = IsAll(value) ? "All" : value;
    } else if (name == "--sub") {
        options.subCategory = IsAll(value) ? "All" : value;
    }
    return "";
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    // --help and --version win wherever they stand (before a "--").
    for (const std::string& argument : arguments) {
        if (argument == "--") break;
        if (argument == "-h" || argument == "--help") {
            CliOptions options;
            options.command = Command::Help;
            return ParsedCommandLine{options, ""};
        }
        if (argument == "--version") {
            CliOptions options;
            options.command = Command::Version;
            return ParsedCommandLine{options, ""};
        }
    }
    if (arguments.empty()) return Failure("no command given");

    const std::optional<Command> command = CommandNamed(arguments[0]);
    if (!command) {
        if (!arguments[0].empty() && arguments[0][0] == '-') {
            return Failure("unknown option '" + arguments[0] + "' before the command");
        }
        return Failure("unknown command '" + arguments[0] + "'");
    }
    CliOptions options;
    options.command = *command;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-' || argument == "-") {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = argument;
        std::optional<std::string> value;
        const size_t equals = argument.find('=');
        if (argument.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const auto rule = OptionRules().find(name);
        if (rule == OptionRules().end()) return Failure("unknown option '" + name + "'");
        if ((rule->second.usedBy & UseOf(*command)) == 0) {
            return Failure("option '" + name + "' does not apply to the " + CommandName(*command) +
                           " command");
        }
        if (rule->second.takesValue && !value) {
            if (i + 1 >= arguments.size()) return Failure("option '" + name + "' needs a value");
            value = arguments[++i];
        } else if (!rule->second.takesValue && value) {
            return Failure("option '" + name + "' takes no value");
        }
        const std::string error = Apply(name, value.value_or(""), options);
        if (!error.empty()) return Failure(error);
    }

    if (*command == Command::Materials) {
        if (!positional.empty()) return Failure("unexpected argument '" + positional[0] + "'");
        return ParsedCommandLine{options, ""};
    }
    if (positional.empty()) {
        return Failure(std::string("the ") + CommandName(*command) +
                       " command needs a project file");
    }
    if (positional.size() > 1) return Failure("unexpected argument '" + positional[1] + "'");
    if (positional[0].empty()) return Failure("the project file name is empty");
    options.projectPath = positional[0];
    return ParsedCommandLine{options, ""};
}

std::string HelpText() {
    return R"(Usage: tidewell-cli COMMAND [ARGUMENTS] [OPTIONS]

Analyses Tidewell pressure-housing projects without a display.

Commands:
  report PROJECT.prj [-o FILE]   Open the project, check it, analyse it and write the
                                 analysis report (the text-file form) to standard output
                                 or to FILE.
  table PROJECT.prj [--csv]      Write only the results table: tab-separated as in the
                                 report, or comma-separated values with --csv.
  validate PROJECT.prj           Check the design and list its faults.
  materials [--category C] [--sub S]
                                 List the material names of the materials database.

Options of report and table:
  -o FILE, --output FILE         Write to FILE (replaced only when complete) instead of
                                 standard output.
  --materials FILE               The materials database (default: DesMat.Dat in the
                                 program's folder).
  --digits N                     Significant digits of the numbers shown, 2 to 12
                                 (default: the project's).
  --notation 0|2                 0 scientific, 2 fixed point (default 2).
  --range 0..5                   Pressure range of the table (default: the project's):
                                 0 = 0.1 - 2 psi, 1 = 1 - 20 psi, 2 = 10 - 200 psi,
                                 3 = 100 - 2000 psi, 4 = 1000 - 20000 psi,
                                 5 = 10000 - 200000 psi; with Bar the same numbers
                                 divided by 100 (3 = 1 - 20 Bar).
  --range-unit psi|Bar           Unit of the pressure range (default: the project's).
  --eval-dia TEXT                Flat annular endcap only: evaluate the table at this
                                 diameter (inches, or mm for a metric design); it must lie
                                 between the hole and the free diameter.
  --csv                          (table) Comma-separated values.

Option of validate:  --materials FILE
Options of materials:
  --materials FILE               The materials database, as above.
  --category C                   All (default), Ceramics, Glass, Metals or Plastics.
  --sub S                        A sub-category, or All (default).

Other:
  -h, --help                     Show this help and stop.
  --version                      Show the program's version and stop.

Messages go to standard error; notices about the results start with "note: ".

Exit status:
  0   success
  1   the design is not valid (its faults on standard error)
  2   a file or input error (the message on standard error)
  64  a usage error

Environment:
  SOURCE_DATE_EPOCH              When set (whole seconds since 1970-01-01 UTC), the
                                 report's time and date are that instant in UTC, so the
                                 same project always gives the same report.
)";
}

}  // namespace tidewell::cli
