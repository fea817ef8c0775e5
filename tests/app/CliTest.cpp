// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// tidewell-cli: its command line, accepted and refused, and the real executable run on the example
// projects and on broken inputs (exit status, standard output and standard error).

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/cli/CliOptions.h"
#include "materials/MaterialsFile.h"
#include "tests/TestFiles.h"

namespace tidewell::cli {
namespace {

namespace fs = std::filesystem;
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
    EXPECT_FALSE(plain.outputPath || plain.digits);
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
    EXPECT_EQ(std::pair(table.command, table.csv), std::pair(Command::Table, true));
    const CliOptions all = Accepted({"materials", "--category", "aLL", "--sub=ALL"});
    EXPECT_EQ(all.category + "|" + all.subCategory, "All|All");
    EXPECT_EQ(Accepted({"report", "--", "-odd.prj"}).projectPath, "-odd.prj");  // -- ends options
    const CliOptions limits = Accepted({"table", "p", "--digits", "12", "--notation", "2"});
    EXPECT_EQ(std::pair(limits.digits.value_or(0), limits.notation.value_or(0)), std::pair(12, 2));
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

struct CliResult {
    int status = -1;
    std::string out, err;
};

std::vector<std::string> Split(const std::string& text, char by = '\n') {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, by);) parts.push_back(part);
    return parts;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string Example(const std::string& name) {
    return std::string(TIDEWELL_SOURCE_DIR) + "/data/examples/" + name;
}

class CliRun : public ::testing::Test {
protected:
    // Runs the program in the test's folder; environment given as NAME=value texts. The report's
    // time is fixed unless the test sets SOURCE_DATE_EPOCH itself.
    CliResult Run(const std::vector<std::string>& arguments,
                  std::vector<std::string> environment = {"SOURCE_DATE_EPOCH=1710770709"}) {
        std::string command =
            "cd " + Quoted(folder_.string()) + " && env HOME=" + Quoted(folder_.string());
        for (const std::string& variable : environment) command += " " + Quoted(variable);
        command += " " + Quoted(TIDEWELL_CLI_PATH);
        for (const std::string& argument : arguments) command += " " + Quoted(argument);
        command += " >" + Quoted((folder_ / "stdout").string()) + " 2>" +
                   Quoted((folder_ / "stderr").string()) + " </dev/null";
        const int raw = std::system(command.c_str());
        CliResult result;
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = testing::ReadBytes(folder_ / "stdout");
        result.err = testing::ReadBytes(folder_ / "stderr");
        return result;
    }

    testing::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.path();
};

const std::string kMaterials = TIDEWELL_MATERIALS_DATABASE;
const std::string kPlasticsNote =
    "note: The effects of time (duration of load) and service temperature on plastic materials "
    "should be considered when evaluating these results.\n";

// Each example analyses cleanly; the lines its report must hold were worked out by hand.
TEST_F(CliRun, ExampleReportsAnalyseCleanly) {
    const std::vector<std::tuple<const char*, std::vector<std::string>, std::string>> examples = {
        // Lame at the bore under 100 Bar outside: hoop -2p b^2/(b^2-a^2) = -530.88 Bar, axial
        // -p b^2/(b^2-a^2) = -265.44 Bar (a = 75 mm, b = 95 mm).
        {"TitaniumTube6000m.prj",
         {"TUBE CONFIGURATION  (External Pressure)", "\tInner Diameter :  150.00  mm",
          "\tOuter Diameter :  190.00  mm", "\tWall Thickness :  20.000  mm",
          "\tTube Length    :  600.00  mm",
          "Ti-6Al-4V Annealed Properties:", "\tYield Strength : 120 Ksi", "Tube distortion values:",
          "\tPressure\tDepth\tMax Axial\tMax Hoop\tMax Equiv\td ID\td OD\td Length",
          "\tBar\tm (sea)\tStress, Bar\tStress, Bar\tStress, Bar\tmm\tmm\tmm"},
         ""},
        // Membrane hoop stress p R / (2 t) with R = 8.25 in, t = 0.5 in: 8.25 p.
        {"AcrylicAnnularPort.prj",
         {"ANNULAR ENDCAP CONFIGURATION  (External Pressure)",
          "\tHole Diameter        :  1.0000  in", "\tOuter Diameter       :  6.0000  in",
          "\tFree Diameter        :  5.0000  in", "\tThickness            :  1.0000  in",
          "\tNumber of Iterations :  50.000", "\tEdge Restraint  :  Simply Supported/Free",
          "Acrylic Cast Sheet Properties:", "\tUltimate Strength : 10.5 Ksi",
          "\tWorking Strength : 1.5 Ksi"},
         kPlasticsNote},
        // Simply supported plate centre: 3 (3 + v) p a^2 / (8 t^2) = 19.98 p reaches 35 ksi at
        // 1751.8 psi (a = 3 in, t = 0.75 in, v = 0.33).
        {"AluminumFlatEndcap.prj",
         {"PLATE ENDCAP CONFIGURATION  (External Pressure)", "\tOuter Diameter  :  6.5000  in",
          "\tFree Diameter   :  6.0000  in", "\tPlate Thickness :  0.75000  in",
          "\tEdge Restraint  :  Simply Supported",
          "Failure Mode: Radial Stress Failure at 1751.8 psi (plate center)"},
         ""}};
    for (const auto& [file, expected, stderrText] : examples) {
        SCOPED_TRACE(file);
        const CliResult result = Run({"report", Example(file), "--materials", kMaterials});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, stderrText);
        const std::vector<std::string> lines = Split(result.out);
        ASSERT_GT(lines.size(), 30U);
        EXPECT_EQ(lines[0], "Tidewell  Ver.4.6");
        EXPECT_EQ(lines[1], "\t14:05:09\t2024-03-18");
        for (const std::string& line : expected)
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
    }
}

TEST_F(CliRun, NegativeModulusInTheMaterialsFileStopsTheRun) {
    // The desktop program refuses such a project with the same validation line.
    const std::string database = (folder_ / "DesMat.Dat").string();
    fs::copy_file(kMaterials, database);
    MaterialRecord titanium = ReadMaterial(database, "Ti-6Al-4V Annealed");
    titanium.ModulusValue = -titanium.ModulusValue;
    ASSERT_TRUE(UpdateMaterial(database, titanium));
    const CliResult result =
        Run({"validate", Example("TitaniumTube6000m.prj"), "--materials", database});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Invalid Design Parameters:\n     Young's Modulus\n");
}

TEST_F(CliRun, ResizedProjectReopensAndRatesToTheTarget) {
    const CliResult sized = Run({"size", Example("TitaniumTube6000m.prj"), "--depth", "6000",
                                 "--depth-unit", "m (sea)", "--safety", "1.5,3", "--vary", "wall",
                                 "-o", "resized.prj", "--materials", kMaterials});
    ASSERT_EQ(sized.status, 0) << sized.err;
    EXPECT_EQ(sized.out.rfind("Wall thickness: ", 0), 0U) << sized.out;
    const CliResult rated = Run({"report", "resized.prj", "--safety", "1.5,3", "--depth-unit",
                                 "m (sea)", "--digits", "9", "--materials", kMaterials});
    ASSERT_EQ(rated.status, 0) << rated.err;
    EXPECT_NE(rated.out.find("\nRating with safety factors 1.5 (strength) and 3 (buckling):\n"),
              std::string::npos);
    const std::string label = "Rated depth    :  ";
    const size_t at = rated.out.find(label);
    ASSERT_NE(at, std::string::npos) << rated.out;
    const double depth = std::strtod(rated.out.c_str() + at + label.size(), nullptr);
    EXPECT_GE(depth, 6000.0);
    EXPECT_NEAR(depth, 6000.0, 6000.0 * 1e-6);
}

TEST_F(CliRun, SizingRefusalsSayWhy) {
    const CliResult deep =
        Run({"size", Example("TitaniumTube6000m.prj"), "--depth", "60000", "--depth-unit",
             "m (sea)", "--vary", "wall", "--materials", kMaterials});
    EXPECT_EQ(deep.status, 2);
    EXPECT_EQ(deep.err.rfind("No wall thickness from ", 0), 0U) << deep.err;
    EXPECT_NE(deep.err.find("the highest rated depth in that range is "), std::string::npos);
    const CliResult sphere = Run({"size", Example("GlassSphereFloat.prj"), "--depth", "100",
                                  "--vary", "length", "--materials", kMaterials});
    EXPECT_EQ(sphere.status, 2);
    EXPECT_EQ(sphere.err, "Only a tube has a length to vary.\n");
}

TEST_F(CliRun, SweepWritesOneWellFormedRowPerValue) {
    const CliResult sweep = Run({"sweep", Example("TitaniumTube6000m.prj"), "--vary", "wall",
                                 "--from", "2", "--to", "20", "--unit", "mm", "--steps", "4",
                                 "--csv", "--safety", "1.5", "--materials", kMaterials});
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    const std::vector<std::string> lines = Split(sweep.out);
    EXPECT_EQ(lines.size(), 6U);
    for (const std::string& line : lines)  // 5 modes and the estimate
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 7) << line;
}

// A tube with the endcap of another project, each of its own material. The aluminium endcap's
// collapse estimate, 0.5655 of its yield pressure 9419.4 psi on the sphere curve (5326.5 psi),
// over 1.5 is 3551.0 psi, 7955 ft = 2424.7 m rated. --endcap needs --safety; size notes the
// endcap short of 6000 m; a first project without a body is refused.
TEST_F(CliRun, HousingOfTwoProjects) {
    const std::string tube = Example("TitaniumTube6000m.prj");
    auto run = [&](std::vector<std::string> arguments) {
        arguments.insert(arguments.end(), {"--endcap", Example("AluminumHemisphericalEndcap.prj"),
                                           "--materials", kMaterials});
        return Run(arguments);
    };
    const CliResult housing = run({"table", tube, "--safety", "1.5,3"});
    EXPECT_EQ(housing.status, 0) << housing.err;
    // The line is broken between words, the depth kept with its unit.
    EXPECT_NE(housing.out.find("\tHousing (endcap AluminumHemisphericalEndcap.prj):\n\t   2424.7 m "
                               "(sea), governed by the endcap (Collapse estimate)\n"),
              std::string::npos);
    EXPECT_EQ(run({"table", tube}).status, 64);
    const CliResult sized =
        run({"size", tube, "--depth", "6000", "--vary", "wall", "--safety", "1.5,3"});
    EXPECT_NE(sized.err.find("note: The endcap rates to 2424.7 m (sea) (Collapse estimate)"),
              std::string::npos);
    const CliResult noBody = run({"table", Example("AcrylicAnnularPort.prj"), "--safety", "2"});
    EXPECT_EQ(noBody.status, 2);
    EXPECT_NE(noBody.err.find("is not a tube"), std::string::npos);
}

// The alumina cylinder of a deep-housing test, worked by hand in the collapse estimate's test:
// the block after the failure results, its note on standard error with or without --collapse,
// and nothing else of the report changed by the option.
TEST_F(CliRun, CollapseBlockAndItsNote) {
    const std::string e5 = std::string(TIDEWELL_SOURCE_DIR) + "/data/verification/ExperimentE5.prj";
    const CliResult plain = Run({"report", e5, "--materials", kMaterials});
    const CliResult block = Run({"report", e5, "--collapse", "--materials", kMaterials});
    ASSERT_EQ(block.status, 0) << block.err;
    const std::string expected =
        "\nCollapse estimate (out-of-roundness 0.5 %):\n"
        "\tElastic buckling (n = 3) : 23171 psi\n"
        "\tYield pressure : 22419 psi\n"
        "\tInteraction curve : 11525 psi\n"
        "\tOut-of-roundness : 14558 psi\n"
        "\tEstimate : 11525 psi (interaction curve)\n";
    const size_t at = block.out.find(expected);
    ASSERT_NE(at, std::string::npos) << block.out;
    EXPECT_EQ(block.out.substr(0, at) + block.out.substr(at + expected.size()), plain.out);
    const std::string note =
        "note: The collapse estimate (11525 psi) is below two thirds of the governing failure "
        "pressure (19240 psi): a real shell with its imperfections may collapse well below the "
        "governing failure pressure.\n";
    for (const CliResult& run : {plain, block, Run({"table", e5, "--materials", kMaterials})}) {
        EXPECT_NE(run.err.find(note), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("Collapse estimate: 11525 psi."), std::string::npos) << run.err;
    }
    // A larger out-of-roundness brings the ring's first yield below the interaction curve.
    const CliResult oval =
        Run({"report", e5, "--collapse", "--out-of-round", "3", "--materials", kMaterials});
    EXPECT_NE(oval.out.find("Collapse estimate (out-of-roundness 3 %):"), std::string::npos);
    EXPECT_NE(oval.out.find("(out-of-roundness)\n"), std::string::npos) << oval.out;
    for (const char* wrong : {"0", "20", "-1", "abc", ""})
        EXPECT_EQ(Run({"report", e5, "--out-of-round", wrong}).status, 64) << wrong;
    EXPECT_EQ(Run({"table", e5, "--collapse"}).status, 64);
}

// Each closed-form case of data/verification/ analysed as the manual's page does it, beside its
// published value: the ratio is 1 but for the finite-length tube buckling formula and the sphere's
// empirical knock-down, which the page explains.
TEST_F(CliRun, VerificationCasesMatchTheirClosedForms) {
    const std::string folder = std::string(TIDEWELL_SOURCE_DIR) + "/data/verification/";
    int cases = 0;
    for (const std::string& row : Split(testing::ReadBytes(folder + "cases.tsv"))) {
        const std::vector<std::string> field = Split(row, '\t');
        if (row.empty() || row[0] == '#' || field.size() < 4) continue;
        const std::string project = folder + field[0] + ".prj", where = field[2].substr(5);
        std::string shown;
        if (field[2].rfind("cell:", 0) == 0) {  // the column of that title in the 1000 psi row
            const auto table = Split(
                Run({"table", "--csv", "--digits", "8", project, "--materials", kMaterials}).out);
            ASSERT_GT(table.size(), 2U) << row;
            const auto titles = Split(table[0], ','), values = Split(table[2], ',');
            const size_t column = std::find(titles.begin(), titles.end(), where) - titles.begin();
            ASSERT_LT(column, values.size()) << row;
            shown = values[column];
        } else {  // the number after a failure caption
            const std::string report =
                Run({"report", "--digits", "8", project, "--materials", kMaterials}).out;
            ASSERT_NE(report.find(where), std::string::npos) << row;
            std::istringstream(report.substr(report.find(where) + where.size())) >> shown;
        }
        const double expected = field[0] == "LongTubeBuckling" ? 1.0667
                                : field[0] == "SphereBuckling" ? 0.3005
                                                               : 1.0;
        EXPECT_NEAR(std::fabs(std::stod(shown)) / std::stod(field[3]), expected, 1e-4) << row;
        ++cases;
    }
    EXPECT_EQ(cases, 13);
}

}  // namespace
}  // namespace tidewell::cli
