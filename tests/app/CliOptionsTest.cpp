// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of tidewell-cli: accepted forms, refused forms, and CSV quoting.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/cli/CliMessages.h"
#include "app/cli/CliOptions.h"
#include "app/cli/CliOutput.h"

namespace tidewell::cli {
namespace {

using Args = std::vector<std::string>;

struct AcceptedCase {
    const char* name;
    Args arguments;
    void (*check)(const CliOptions&);
};

class AcceptedCommandLine : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedCommandLine, IsRead) {
    const ParsedCommandLine parsed = ParseCommandLine(GetParam().arguments);
    ASSERT_TRUE(parsed.options.has_value()) << parsed.error;
    EXPECT_EQ(parsed.error, "");
    GetParam().check(*parsed.options);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, AcceptedCommandLine,
    ::testing::Values(
        AcceptedCase{
            "Help", {"--help"}, [](const CliOptions& o) { EXPECT_EQ(o.command, Command::Help); }},
        AcceptedCase{"PlainReport",
                     {"report", "tube.prj"},
                     [](const CliOptions& o) {
                         EXPECT_EQ(o.command, Command::Report);
                         EXPECT_EQ(o.projectPath, "tube.prj");
                         EXPECT_FALSE(o.outputPath.has_value());
                         EXPECT_FALSE(o.digits.has_value());
                     }},
        AcceptedCase{
            "ReportWithEverything",
            {"report", "-o", "out.txt", "tube.prj", "--materials", "m.dat", "--digits", "7",
             "--notation=0", "--range", "3", "--range-unit", "Bar", "--eval-dia", "-2.5"},
            [](const CliOptions& o) {
                EXPECT_EQ(o.projectPath, "tube.prj");
                EXPECT_EQ(o.outputPath.value_or(""), "out.txt");
                EXPECT_EQ(o.materialsPath.value_or(""), "m.dat");
                EXPECT_EQ(o.digits.value_or(0), 7);
                EXPECT_EQ(o.notation.value_or(-1), 0);
                EXPECT_EQ(o.range.value_or(-1), 3);
                EXPECT_EQ(o.rangeUnit.value_or(""), "Bar");
                EXPECT_EQ(o.evalDiameter.value_or(""), "-2.5");
            }},
        AcceptedCase{"TableCsv",
                     {"table", "--csv", "p.prj"},
                     [](const CliOptions& o) {
                         EXPECT_EQ(o.command, Command::Table);
                         EXPECT_TRUE(o.csv);
                     }},
        AcceptedCase{"MaterialsAllInAnyCase",
                     {"materials", "--category", "aLL", "--sub=ALL"},
                     [](const CliOptions& o) {
                         EXPECT_EQ(o.category, "All");
                         EXPECT_EQ(o.subCategory, "All");
                     }},
        AcceptedCase{"DashDashEndsOptions",
                     {"report", "--", "-odd.prj"},
                     [](const CliOptions& o) { EXPECT_EQ(o.projectPath, "-odd.prj"); }},
        AcceptedCase{"DigitLimits",
                     {"table", "p", "--digits", "12", "--notation", "2"},
                     [](const CliOptions& o) {
                         EXPECT_EQ(o.digits.value_or(0), 12);
                         EXPECT_EQ(o.notation.value_or(0), 2);
                     }}),
    [](const ::testing::TestParamInfo<AcceptedCase>& row) { return row.param.name; });

struct RefusedCase {
    const char* name;
    Args arguments;
    const char* error;
};

class RefusedCommandLine : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommandLine, SaysWhy) {
    const ParsedCommandLine parsed = ParseCommandLine(GetParam().arguments);
    EXPECT_FALSE(parsed.options.has_value());
    EXPECT_EQ(parsed.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, RefusedCommandLine,
    ::testing::Values(
        RefusedCase{"Nothing", {}, "no command given"},
        RefusedCase{"UnknownCommand", {"print", "p.prj"}, "unknown command 'print'"},
        RefusedCase{
            "OptionBeforeCommand", {"--csv", "table"}, "unknown option '--csv' before the command"},
        RefusedCase{"UnknownOption", {"report", "p.prj", "--colour"}, "unknown option '--colour'"},
        RefusedCase{"CsvWithReport",
                    {"report", "p.prj", "--csv"},
                    "option '--csv' does not apply to the report command"},
        RefusedCase{
            "MissingValue", {"report", "p.prj", "--digits"}, "option '--digits' needs a value"},
        RefusedCase{
            "ValueOnFlag", {"table", "p.prj", "--csv=yes"}, "option '--csv' takes no value"},
        RefusedCase{"NoProject", {"report"}, "the report command needs a project file"},
        RefusedCase{"TwoProjects", {"table", "a.prj", "b.prj"}, "unexpected argument 'b.prj'"},
        RefusedCase{"DigitsTooMany",
                    {"report", "p", "--digits", "13"},
                    "--digits takes a whole number from 2 to 12, not '13'"},
        RefusedCase{"DigitsTooFew",
                    {"report", "p", "--digits", "1"},
                    "--digits takes a whole number from 2 to 12, not '1'"},
        RefusedCase{"NotationOne",
                    {"report", "p", "--notation", "1"},
                    "--notation takes 0 (scientific) or 2 (fixed point), not '1'"},
        RefusedCase{"RangeSix",
                    {"report", "p", "--range", "6"},
                    "--range takes a whole number from 0 to 5, not '6'"},
        RefusedCase{"RangeUnitCase",
                    {"report", "p", "--range-unit", "bar"},
                    "--range-unit takes psi or Bar, not 'bar'"},
        RefusedCase{"EmptyOutput", {"report", "p", "-o", ""}, "the output file name is empty"},
        RefusedCase{"DepthNegative",
                    {"size", "p", "--vary", "wall", "--depth", "-5"},
                    "--depth: takes a number greater than 0, not '-5'"},
        RefusedCase{"StepsFraction",
                    {"sweep", "p", "--vary", "wall", "--from", "1", "--to", "2", "--steps", "2.5"},
                    "--steps: takes a whole number from 1 to 100000, not '2.5'"}),
    [](const ::testing::TestParamInfo<RefusedCase>& row) { return row.param.name; });

}  // namespace
}  // namespace tidewell::cli
