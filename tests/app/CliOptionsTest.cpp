// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of tidewell-cli: accepted forms and refused forms.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/cli/CliOptions.h"

namespace tidewell::cli {
namespace {

using Args = std::vector<std::string>;

// Parses a command line that must be accepted.
CliOptions Accepted(const Args& arguments) {
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    EXPECT_TRUE(parsed.options.has_value()) << parsed.error;
    EXPECT_EQ(parsed.error, "");
    return parsed.options.value_or(CliOptions{});
}

TEST(CommandLine, AcceptedFormsAreRead) {
    EXPECT_EQ(Accepted({"--help"}).command, Command::Help);
    const CliOptions plain = Accepted({"report", "tube.prj"});
    EXPECT_EQ(plain.command, Command::Report);
    EXPECT_EQ(plain.projectPath, "tube.prj");
    EXPECT_FALSE(plain.outputPath.has_value());
    EXPECT_FALSE(plain.digits.has_value());
    const CliOptions o =
        Accepted({"report", "-o", "out.txt", "tube.prj", "--materials", "m.dat", "--digits", "7",
                  "--notation=0", "--range", "3", "--range-unit", "Bar", "--eval-dia", "-2.5"});
    EXPECT_EQ(o.projectPath, "tube.prj");
    EXPECT_EQ((Args{o.outputPath.value_or(""), o.materialsPath.value_or(""),
                    o.rangeUnit.value_or(""), o.evalDiameter.value_or("")}),
              (Args{"out.txt", "m.dat", "Bar", "-2.5"}));
    EXPECT_EQ(
        std::vector<int>({o.digits.value_or(0), o.notation.value_or(-1), o.range.value_or(-1)}),
        std::vector<int>({7, 0, 3}));
    const CliOptions table = Accepted({"table", "--csv", "p.prj"});
    EXPECT_EQ(table.command, Command::Table);
    EXPECT_TRUE(table.csv);
    const CliOptions all = Accepted({"materials", "--category", "aLL", "--sub=ALL"});
    EXPECT_EQ(all.category + "|" + all.subCategory, "All|All");
    EXPECT_EQ(Accepted({"report", "--", "-odd.prj"}).projectPath, "-odd.prj");  // -- ends options
    const CliOptions limits = Accepted({"table", "p", "--digits", "12", "--notation", "2"});
    EXPECT_EQ(limits.digits.value_or(0), 12);
    EXPECT_EQ(limits.notation.value_or(0), 2);
}

TEST(CommandLine, RefusedFormsSayWhy) {
    const std::vector<std::pair<Args, const char*>> rows = {
        {{}, "no command given"},
        {{"print", "p.prj"}, "unknown command 'print'"},
        {{"--csv", "table"}, "unknown option '--csv' before the command"},
        {{"report", "p.prj", "--colour"}, "unknown option '--colour'"},
        {{"report", "p.prj", "--csv"}, "option '--csv' does not apply to the report command"},
        {{"report", "p.prj", "--digits"}, "option '--digits' needs a value"},
        {{"table", "p.prj", "--csv=yes"}, "option '--csv' takes no value"},
        {{"report"}, "the report command needs a project file"},
        {{"table", "a.prj", "b.prj"}, "unexpected argument 'b.prj'"},
        {{"report", "p", "--digits", "13"}, "--digits takes a whole number from 2 to 12, not '13'"},
        {{"report", "p", "--digits", "1"}, "--digits takes a whole number from 2 to 12, not '1'"},
        {{"report", "p", "--notation", "1"},
         "--notation takes 0 (scientific) or 2 (fixed point), not '1'"},
        {{"report", "p", "--range", "6"}, "--range takes a whole number from 0 to 5, not '6'"},
        {{"report", "p", "--range-unit", "bar"}, "--range-unit takes psi or Bar, not 'bar'"},
        {{"report", "p", "-o", ""}, "the output file name is empty"},
        {{"size", "p", "--vary", "wall", "--depth", "-5"},
         "--depth: takes a number greater than 0, not '-5'"},
        {{"sweep", "p", "--vary", "wall", "--from", "1", "--to", "2", "--steps", "2.5"},
         "--steps: takes a whole number from 1 to 100000, not '2.5'"}};
    for (const auto& [arguments, error] : rows) {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        EXPECT_FALSE(parsed.options.has_value()) << error;
        EXPECT_EQ(parsed.error, error);
    }
}

}  // namespace
}  // namespace tidewell::cli
