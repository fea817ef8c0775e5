// The text-file report of every component against reports written out by hand.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "report/TextReport.h"
#include "tests/report/ReportFixtures.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::Grid;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ExpectedFile(const std::string& name) {
    return ReadFile(std::string(TIDEWELL_SOURCE_DIR) + "/tests/report/expected/" + name);
}

struct ComponentCase {
    const char* name;
    ReportInput (*input)();
    const char* expectedFile;
};

class TextReportOfComponent : public ::testing::TestWithParam<ComponentCase> {};

TEST_P(TextReportOfComponent, MatchesTheHandWrittenReport) {
    ScriptedMessages messages;
    const std::string expected = ExpectedFile(GetParam().expectedFile);
    ASSERT_FALSE(expected.empty()) << GetParam().expectedFile;
    EXPECT_EQ(TextReport(GetParam().input(), messages), expected);
    EXPECT_TRUE(messages.Empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryComponent, TextReportOfComponent,
    ::testing::Values(
        ComponentCase{"Tube", testing::TubeInput, "tube.txt"},
        ComponentCase{"Sphere", testing::SphereInput, "sphere.txt"},
        ComponentCase{"Hemisphere", testing::HemisphereInput, "hemisphere.txt"},
        ComponentCase{"Conical", testing::ConicalInput, "conical.txt"},
        ComponentCase{"Hemispherical", testing::HemisphericalInput, "hemispherical.txt"},
        ComponentCase{"FlatCircular", testing::FlatCircularInput, "flat_circular.txt"},
        ComponentCase{"FlatAnnular", testing::FlatAnnularInput, "flat_annular.txt"}),
    [](const ::testing::TestParamInfo<ComponentCase>& row) { return row.param.name; });

struct TableCase {
    const char* name;
    Grid grid;
    std::vector<std::string> lines;
};

class TextReportTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(TextReportTable, MarksRowsFromTheFirstFailingCell) {
    EXPECT_EQ(TextReportTableLines(GetParam().grid), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextReportTable,
    ::testing::Values(
        TableCase{"NoFailureNoFootnote",
                  {{"P", "D"}, {"psi", "ft"}, {"1", "2"}, {"2", "4"}},
                  {"\tP\tD", "\tpsi\tft", "\t1\t2", "\t2\t4"}},
        TableCase{"FailFromSecondRowOn",
                  {{"P"}, {"psi"}, {"1"}, {"2 (fail)"}, {"3 (fail)"}},
                  {"\tP", "\tpsi", "\t1", "*\t2", "*\t3", "\t* = after housing failure"}},
        // Once a failing cell is met the flag stays set, marked or not.
        // A failing cell after the first one marks only the rows that follow.
        TableCase{"FailInALaterCell",
                  {{"1", "x (fail)"}, {"2", "y"}},
                  {"\t1\tx", "*\t2\ty", "\t* = after housing failure"}},
        TableCase{"ShortRowsGetEmptyCells", {{"a", "b", "c"}, {"d"}}, {"\ta\tb\tc", "\td\t\t"}}),
    [](const ::testing::TestParamInfo<TableCase>& row) { return row.param.name; });

class ReportFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tidewell-report-test-" +
                   std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(ReportFileTest, WritesTheReportAndReplacesAnOldFile) {
    const std::string path = (folder_ / "Report.txt").string();
    {
        std::ofstream old(path);
        old << "an older report that is much longer than nothing\n";
    }
    ScriptedMessages messages;
    ASSERT_TRUE(WriteReportFile(testing::TubeInput(), path, messages));
    EXPECT_EQ(ReadFile(path), ExpectedFile("tube.txt"));
    EXPECT_TRUE(messages.Empty());
    EXPECT_FALSE(std::filesystem::exists(path + ".writing"));
}

}  // namespace
}  // namespace tidewell
