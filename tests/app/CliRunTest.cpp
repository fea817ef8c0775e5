// Runs the real tidewell-cli executable on the example projects and on broken inputs and checks
// its exit status, standard output and standard error.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/TestFiles.h"

namespace {

namespace fs = std::filesystem;

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool HasLine(const std::string& text, const std::string& line) {
    for (const std::string& l : Lines(text)) {
        if (l == line) return true;
    }
    return false;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
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
        result.out = ReadFile(folder_ / "stdout");
        result.err = ReadFile(folder_ / "stderr");
        return result;
    }

    // Writes a project made from an example with some lines (1-based) replaced.
    std::string Variant(const std::string& example, const std::string& name,
                        const std::vector<std::pair<int, std::string>>& replaced) {
        std::vector<std::string> lines = Lines(ReadFile(Example(example)));
        for (const auto& [number, text] : replaced) {
            lines.at(static_cast<size_t>(number - 1)) = text + "\r";
        }
        const fs::path path = folder_ / name;
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : lines) out << line << "\n";
        return path.string();
    }

    tidewell::testing::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.path();
};

const std::string kMaterials = TIDEWELL_MATERIALS_DATABASE;
const std::string kPlasticsNote =
    "note: The effects of time (duration of load) and service temperature on plastic materials "
    "should be considered when evaluating these results.\n";

struct ExampleCase {
    const char* name;
    const char* file;
    std::vector<std::string> lines;  // lines the report must hold, worked out by hand
    std::string stderrText;
};

class ExampleReport : public CliRun, public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(ExampleReport, AnalysesCleanly) {
    const CliResult result = Run({"report", Example(GetParam().file), "--materials", kMaterials});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, GetParam().stderrText);
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_GT(lines.size(), 30U);
    EXPECT_EQ(lines[0], "Tidewell  Ver.4.6");
    EXPECT_EQ(lines[1], "\t14:05:09\t2024-03-18");
    for (const std::string& line : GetParam().lines) {
        EXPECT_TRUE(HasLine(result.out, line)) << "missing: " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExampleReport,
    ::testing::Values(
        // Lame at the bore under 100 Bar outside: hoop -2p b^2/(b^2-a^2) = -530.88 Bar, axial
        // -p b^2/(b^2-a^2) = -265.44 Bar (a = 75 mm, b = 95 mm).
        ExampleCase{"TitaniumTube",
                    "TitaniumTube6000m.prj",
                    {"TUBE CONFIGURATION  (External Pressure)", "\tInner Diameter :  150.00  mm",
                     "\tOuter Diameter :  190.00  mm", "\tWall Thickness :  20.000  mm",
                     "\tTube Length    :  600.00  mm", "Ti-6Al-4V Annealed Properties:",
                     "\tYield Strength : 120 Ksi", "Tube distortion values:",
                     "\tPressure\tDepth\tMax Axial\tMax Hoop\tMax Equiv\td ID\td OD\td Length",
                     "\tBar\tm (sea)\tStress, Bar\tStress, Bar\tStress, Bar\tmm\tmm\tmm"},
                    ""},
        // Membrane hoop stress p R / (2 t) with R = 8.25 in, t = 0.5 in: 8.25 p.
        ExampleCase{"AcrylicPort",
                    "AcrylicAnnularPort.prj",
                    {"ANNULAR ENDCAP CONFIGURATION  (External Pressure)",
                     "\tHole Diameter        :  1.0000  in", "\tOuter Diameter       :  6.0000  in",
                     "\tFree Diameter        :  5.0000  in", "\tThickness            :  1.0000  in",
                     "\tNumber of Iterations :  50.000",
                     "\tEdge Restraint  :  Simply Supported/Free", "Acrylic Cast Sheet Properties:",
                     "\tUltimate Strength : 10.5 Ksi", "\tWorking Strength : 1.5 Ksi"},
                    kPlasticsNote},
        // Simply supported plate centre: 3 (3 + v) p a^2 / (8 t^2) = 19.98 p reaches 35 ksi at
        // 1751.8 psi (a = 3 in, t = 0.75 in, v = 0.33).
        ExampleCase{"AluminumPlate",
                    "AluminumFlatEndcap.prj",
                    {"PLATE ENDCAP CONFIGURATION  (External Pressure)",
                     "\tOuter Diameter  :  6.5000  in", "\tFree Diameter   :  6.0000  in",
                     "\tPlate Thickness :  0.75000  in", "\tEdge Restraint  :  Simply Supported",
                     "Failure Mode: Radial Stress Failure at 1751.8 psi (plate center)"},
                    ""}),
    [](const ::testing::TestParamInfo<ExampleCase>& row) { return row.param.name; });

}  // namespace
