// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/cli/CliOptions.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <cstdlib>
#include <map>

namespace tidewell::cli {

namespace {

std::optional<Command> CommandNamed(const std::string& name) {
    if (name == "report") return Command::Report;
    if (name == "table") return Command::Table;
    if (name == "validate") return Command::Validate;
    if (name == "materials") return Command::Materials;
    if (name == "size") return Command::Size;
    if (name == "sweep") return Command::Sweep;
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
        case Command::Size:
            return "size";
        case Command::Sweep:
            return "sweep";
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

// The texts of the options as given; checked with the program's own messages after parsing.
struct GivenTexts {
    std::vector<std::string> project;
    std::map<std::string, std::string> values;  // option name -> text
};

// Options that take a value and are checked by Apply, by command.
struct TextOption {
    const char* names;  // CLI11 name list
    const char* key;    // the name Apply knows
    const char* help;
};

const std::vector<TextOption>& AnalysisTextOptions() {
    static const std::vector<TextOption> options = {
        {"-o,--output", "-o", "Write to FILE (replaced only when complete)"},
        {"--materials", "--materials", "The materials database"},
        {"--digits", "--digits", "Significant digits, 2 to 12"},
        {"--notation", "--notation", "0 scientific, 2 fixed point"},
    };
    return options;
}

const std::vector<TextOption>& TableTextOptions() {
    static const std::vector<TextOption> options = {
        {"--range", "--range", "Pressure range of the table, 0 to 5"},
        {"--range-unit", "--range-unit", "Unit of the pressure range: psi or Bar"},
        {"--eval-dia", "--eval-dia", "Flat annular endcap: evaluate the table at this diameter"},
    };
    return options;
}

void AddTextOptions(CLI::App& command, const std::vector<TextOption>& options, GivenTexts& given) {
    for (const TextOption& option : options) {
        command.add_option(option.names, given.values[option.key], option.help)->type_name("TEXT");
    }
}

std::vector<std::string> DepthUnitNames() {
    return {"Ft (sea)", "Ft (fresh)", "m (sea)", "m (fresh)"};
}

// A depth or a length: a number above 0, said plainly when it is not (CLI11's own range message
// prints the largest double in full).
CLI::Validator PositiveValue() {
    return CLI::Validator(
        [](std::string& text) {
            char* end = nullptr;
            const double value = std::strtod(text.c_str(), &end);
            const bool number = end != text.c_str() && *end == '\0' && std::isfinite(value);
            return number && value > 0 ? std::string()
                                       : "takes a number greater than 0, not '" + text + "'";
        },
        "NUMBER > 0");
}

CLI::Validator WholeNumberFrom1To(int largest) {
    return CLI::Validator(
        [largest](std::string& text) {
            char* end = nullptr;
            const long value = std::strtol(text.c_str(), &end, 10);
            const bool whole = end != text.c_str() && *end == '\0';
            return whole && value >= 1 && value <= largest
                       ? std::string()
                       : "takes a whole number from 1 to " + std::to_string(largest) + ", not '" +
                             text + "'";
        },
        "1.." + std::to_string(largest));
}

// --safety and --depth-unit: the rating options.
void AddRatingOptions(CLI::App& command, CliOptions& options, GivenTexts& given) {
    command
        .add_option("--safety", given.values["--safety"],
                    "Safety factors: S on strength, B on buckling (one number: both), each >= 1")
        ->type_name("S[,B]")
        ->check(
            [](const std::string& text) {
                return ParseSafetyFactors(text)
                           ? std::string()
                           : "takes one or two factors of at least 1 (S or S,B), not '" + text +
                                 "'";
            },
            "");
    command.add_option("--depth-unit", options.depthUnit, "Unit of the rated depths")
        ->check(CLI::IsMember(DepthUnitNames()));
    command
        .add_option("--out-of-round", given.values["--out-of-round"],
                    "Out-of-roundness of a tube's collapse estimate, percent (default 0.5)")
        ->type_name("PCT")
        ->check(
            [](const std::string& text) {
                return ParseOutOfRoundPercent(text)
                           ? std::string()
                           : "takes a percentage above 0 and below 20, not '" + text + "'";
            },
            "");
}

void AddDimensionOptions(CLI::App& command, CliOptions& options, GivenTexts& given) {
    command
        .add_option("--vary", given.values["--vary"], "The dimension varied: wall, od, id, length")
        ->check(CLI::IsMember({"wall", "od", "id", "length"}))
        ->required();
    command
        .add_option("--keep", given.values["--keep"],
                    "Varying the wall, keep the I.D. (id, default) or the O.D. (od)")
        ->check(CLI::IsMember({"id", "od"}));
    (void)options;
}

struct Commands {
    CLI::App app{"Analyses Tidewell pressure-housing projects without a display.", "tidewell-cli"};
    std::map<Command, CLI::App*> byCommand;
};

void BuildCommands(Commands& commands, CliOptions& options, GivenTexts& given) {
    CLI::App& app = commands.app;
    app.set_help_flag();
    auto add = [&](Command command, const char* description, bool project) {
        CLI::App* sub = app.add_subcommand(CommandName(command), description);
        sub->set_help_flag();
        sub->allow_extras();
        if (project)
            sub->add_option("project", given.project, "The project file")->type_name("PROJECT.prj");
        commands.byCommand[command] = sub;
        return sub;
    };
    CLI::App* report = add(Command::Report, "Write the analysis report", true);
    CLI::App* table = add(Command::Table, "Write the results table", true);
    CLI::App* validate = add(Command::Validate, "Check the design and list its faults", true);
    CLI::App* materials = add(Command::Materials, "List the material names", false);
    CLI::App* size = add(Command::Size, "Size one dimension to a target rated depth", true);
    CLI::App* sweep = add(Command::Sweep, "Rate the design over a range of one dimension", true);
    for (CLI::App* sub : {report, table, size, sweep}) {
        AddTextOptions(*sub, AnalysisTextOptions(), given);
        AddRatingOptions(*sub, options, given);
    }
    for (CLI::App* sub : {report, table}) AddTextOptions(*sub, TableTextOptions(), given);
    for (CLI::App* sub : {report, table, size}) {
        sub->add_option("--endcap", options.endcapPath,
                        "The housing's endcap project: rates the body with this endcap")
            ->type_name("ENDCAP.prj")
            ->needs("--safety");
    }
    report
        ->add_flag("--collapse", options.collapse,
                   "Add the collapse estimate after the failure pressures")
        ->disable_flag_override();
    for (CLI::App* sub : {table, sweep}) {
        sub->add_flag("--csv", options.csv, "Comma-separated values")->disable_flag_override();
    }
    AddTextOptions(*validate, {AnalysisTextOptions()[1]}, given);
    AddTextOptions(*materials, {AnalysisTextOptions()[1]}, given);
    materials->add_option("--category", given.values["--category"], "Category, or All");
    materials->add_option("--sub", given.values["--sub"], "Sub-category, or All");

    for (CLI::App* sub : {size, sweep}) AddDimensionOptions(*sub, options, given);
    size->add_option("--depth", options.targetDepth, "The target rated depth")
        ->check(PositiveValue())
        ->required();
    sweep->add_option("--from", options.from, "First value of the dimension")
        ->check(PositiveValue())
        ->required();
    sweep->add_option("--to", options.to, "Last value of the dimension")
        ->check(PositiveValue())
        ->required();
    sweep->add_option("--steps", options.steps, "Steps from the first to the last value")
        ->check(WholeNumberFrom1To(kMaxSweepSteps))
        ->required();
    sweep
        ->add_option("--unit", options.valueUnit,
                     "Length unit of --from and --to (default: the project's for the dimension)")
        ->check(CLI::IsMember({"in", "mm", "Ft", "m", "cm"}));
}

bool TakesValue(const CLI::Option& option) {
    return option.get_type_size_max() > 0 && option.get_expected_max() > 0;
}

// Reports arguments the command did not take: options first (in order), then extra names.
std::string RefuseExtras(const Commands& commands, Command command,
                         const std::vector<std::string>& extras) {
    for (const std::string& extra : extras) {
        if (extra.size() < 2 || extra[0] != '-' || extra == "--") continue;
        std::string name =
            extra.substr(0, extra.rfind("--", 0) == 0 ? extra.find('=') : extra.npos);
        for (const auto& other : commands.byCommand) {
            if (other.first != command && other.second->get_option_no_throw(name) != nullptr) {
                return "option '" + name + "' does not apply to the " + CommandName(command) +
                       " command";
            }
        }
        return "unknown option '" + name + "'";
    }
    for (const std::string& extra : extras) {
        if (extra != "--") return "unexpected argument '" + extra + "'";
    }
    return "";
}

// The program's own words for what CLI11 refused.
std::string RefusalText(const Commands& commands, Command command, const CLI::ParseError& error,
                        const std::vector<std::string>& arguments) {
    const CLI::App* sub = commands.byCommand.at(command);
    for (const std::string& argument : arguments) {
        if (argument == "--") break;
        const size_t equals = argument.find('=');
        if (argument.rfind("--", 0) != 0 || equals == std::string::npos) continue;
        const CLI::Option* option = sub->get_option_no_throw(argument.substr(0, equals));
        if (option != nullptr && !TakesValue(*option)) {
            return "option '" + argument.substr(0, equals) + "' takes no value";
        }
    }
    const std::string what = error.what();
    const size_t colon = what.find(':');
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr &&
        colon != std::string::npos && what.find("missing") != std::string::npos) {
        return "option '" + what.substr(0, colon) + "' needs a value";
    }
    return what;
}

// The subcommand's own help, with the program's notes on exit status.
std::string CommandHelp(const Commands& commands, Command command) {
    return commands.byCommand.at(command)->help("tidewell-cli") +
           "\nExit status: 0 success, 1 invalid design, 2 file or input error, 64 usage "
           "error.\n";
}

const char* const kDimensionNames[] = {"wall", "od", "id", "length"};

std::string ApplyGiven(const GivenTexts& given, const CLI::App& sub, CliOptions& options) {
    for (const auto& entry : given.values) {
        const std::string& name = entry.first;
        const CLI::Option* option = sub.get_option_no_throw(name);
        if (option == nullptr || option->count() == 0) continue;
        if (name == "--safety") {
            options.safety = ParseSafetyFactors(entry.second);
        } else if (name == "--out-of-round") {
            options.outOfRoundness = ParseOutOfRoundPercent(entry.second);
        } else if (name == "--vary") {
            for (int i = 0; i < 4; ++i) {
                if (entry.second == kDimensionNames[i]) {
                    options.vary.dimension = static_cast<SizedDimension>(i);
                }
            }
        } else if (name == "--keep") {
            options.vary.keepOuterDiameter = entry.second == "od";
        } else {
            const std::string error = Apply(name, entry.second, options);
            if (!error.empty()) return error;
        }
    }
    return "";
}

}  // namespace

std::optional<double> ParseOutOfRoundPercent(const std::string& text) {
    char* end = nullptr;
    const double percent = std::strtod(text.c_str(), &end);
    const bool number = !text.empty() && end != text.c_str() && *end == '\0';
    if (!number || !(percent > 0) || !(percent < 100.0 * kMaxOutOfRoundness)) return std::nullopt;
    return percent / 100.0;
}

std::optional<SafetyFactors> ParseSafetyFactors(const std::string& text) {
    auto factor = [](const std::string& part) -> std::optional<double> {
        if (part.empty() || part.size() > 32) return std::nullopt;
        char* end = nullptr;
        const double value = std::strtod(part.c_str(), &end);
        if (end != part.c_str() + part.size() || !std::isfinite(value)) return std::nullopt;
        if (value < kMinSafetyFactor) return std::nullopt;
        return value;
    };
    const size_t comma = text.find(',');
    const std::optional<double> strength = factor(text.substr(0, comma));
    const std::optional<double> buckling =
        comma == std::string::npos ? strength : factor(text.substr(comma + 1));
    if (!strength || !buckling) return std::nullopt;
    return SafetyFactors{*strength, *buckling};
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    // --help and --version win wherever they stand (before a "--"); after a command, its help.
    for (const std::string& argument : arguments) {
        if (argument == "--") break;
        if (argument == "-h" || argument == "--help" || argument == "--version") {
            CliOptions options;
            options.command = argument == "--version" ? Command::Version : Command::Help;
            const std::optional<Command> command =
                arguments.empty() ? std::nullopt : CommandNamed(arguments[0]);
            if (command && options.command == Command::Help) {
                Commands commands;
                GivenTexts given;
                CliOptions ignored;
                BuildCommands(commands, ignored, given);
                options.helpText = CommandHelp(commands, *command);
            }
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
    Commands commands;
    GivenTexts given;
    BuildCommands(commands, options, given);
    CLI::App& sub = *commands.byCommand.at(*command);
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        commands.app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        // An argument the command does not take is named before what CLI11 found missing.
        const std::string extras = RefuseExtras(commands, *command, sub.remaining());
        return Failure(!extras.empty() ? extras
                                       : RefusalText(commands, *command, error, arguments));
    }
    const std::string extras = RefuseExtras(commands, *command, sub.remaining());
    if (!extras.empty()) return Failure(extras);
    const std::string error = ApplyGiven(given, sub, options);
    if (!error.empty()) return Failure(error);

    if (*command == Command::Materials) return ParsedCommandLine{options, ""};
    if (given.project.empty()) {
        return Failure(std::string("the ") + CommandName(*command) +
                       " command needs a project file");
    }
    if (given.project.size() > 1) return Failure("unexpected argument '" + given.project[1] + "'");
    if (given.project[0].empty()) return Failure("the project file name is empty");
    options.projectPath = given.project[0];
    if (*command == Command::Sweep && !(options.from < options.to)) {
        return Failure("--from must be smaller than --to");
    }
    return ParsedCommandLine{options, ""};
}

std::string HelpText() {
    return R"HELP(Usage: tidewell-cli COMMAND [ARGUMENTS] [OPTIONS]

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
  size PROJECT.prj --depth D --vary wall|od|id|length [--safety S[,B]] [-o NEW.prj]
                                 The smallest wall or O.D. (the largest I.D. or length)
                                 at which the rated depth reaches D; with -o, the project
                                 resized to it is written to NEW.prj.
  sweep PROJECT.prj --vary wall|od|id|length --from A --to B --steps N [--csv]
                                 One row per value from A to B (N steps): the failure
                                 pressure of every mode and the collapse estimate, the
                                 governing mode and, with
                                 --safety, the rated depth. Progress goes to standard
                                 error; Ctrl+C stops with the rows written so far.

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
  --csv                          (table, sweep) Comma-separated values.
  --safety S[,B]                 (report, table, size, sweep) Safety factors, each at
                                 least 1: S on the strength modes (shell, seat, shear,
                                 plate bending), B on buckling; one number sets both.
                                 Adds the rating: rated pressure and depth, the mode
                                 (and, for a body with an endcap, the part) governing it.
  --endcap ENDCAP.prj            (report, table, size, with --safety) The housing's
                                 endcap, kept in its own project: the body of PROJECT.prj
                                 and this endcap are each rated with their own material,
                                 and the housing's rated depth is the lower, with the part
                                 and mode that govern it. size notes an endcap that rates
                                 below the target.
  --depth-unit U                 Unit of rated depths: "Ft (sea)", "Ft (fresh)",
                                 "m (sea)" or "m (fresh)" (default: the project's).
  --collapse                     (report) Add the collapse estimate after the failure
                                 pressures: elastic buckling and yield pressure, their
                                 interaction curve and, for a tube, the first yield of
                                 a shell out of round; the lower is the estimate. It is
                                 also a mode of the rating, on the strength factor.
  --out-of-round PCT             (report, table, size, sweep) A tube's out-of-roundness
                                 (D max - D min) / D in percent, above 0 and below 20
                                 (default 0.5).

Options of size and sweep (besides --materials, --digits, --notation, --safety,
--depth-unit and -o):
  --vary wall|od|id|length       The dimension varied, of the body (or of the endcap when
                                 the design has no body); the others stay as saved.
  --keep id|od                   Varying the wall: keep the I.D. (default) or the O.D.
  --depth D                      (size) The target rated depth, in --depth-unit.
  --from A, --to B               (sweep) First and last value of the dimension.
  --unit U                       (sweep) in, mm, Ft, m or cm (default: the project's).
  --steps N                      (sweep) Steps from A to B: N + 1 rows, 1 to 100000.

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
  2   a file or input error, or a size that cannot be found (the message on
      standard error)
  64  a usage error
  130 a sweep stopped by Ctrl+C (the rows so far are complete)

Environment:
  SOURCE_DATE_EPOCH              When set (whole seconds since 1970-01-01 UTC), the
                                 report's time and date are that instant in UTC, so the
                                 same project always gives the same report.
)HELP";
}

}  // namespace tidewell::cli
