// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The text-file report of every component against reports written out by hand, its table rows
// and the file written; the wrapping of the material comment and the print zones of its fields;
// the report's time stamp, from known instants to the ends of the calendar; and the page layout of
// the printed report: column width, page count, the page header and data rows, and the font size
// (the widest line fits across the page and the longest page down it, rounded down); and the
// report's texts assembled from the design, the materials editor's texts and a results view.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "report/PrintFontFit.h"
#include "report/PrintLayout.h"
#include "report/ReportAssembly.h"
#include "report/ReportClock.h"
#include "report/ReportLines.h"
#include "report/TextReport.h"
#include "tests/TestFiles.h"
#include "tests/report/ReportFixtures.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::Grid;

std::string ExpectedFile(const std::string& name) {
    return testing::ReadBytes(std::string(TIDEWELL_SOURCE_DIR) + "/tests/report/expected/" + name);
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

// Every geometry line shows its own field with its own unit, whatever the component; the annular
// plate's three load diameters share the line-load unit, its iterations have none.
TEST(ReportLines, EveryGeometryFieldWithItsOwnUnit) {
    for (const auto input :
         {testing::TubeInput, testing::SphereInput, testing::HemisphereInput, testing::ConicalInput,
          testing::HemisphericalInput, testing::FlatCircularInput, testing::FlatAnnularInput}) {
        ReportInput in = input();
        in.fieldTexts = {"F0", "F1", "F2", "F3", "F4", "F5", "F6", "F7"};
        in.unitTexts = {"U0", "U1", "U2", "U3", "U4"};
        ScriptedMessages messages;
        int fields = 0;
        for (const ReportLine& line : ReportBodyLines(in, ReportForm::TextFile, messages)) {
            const std::string text = JoinWithTabs(line);
            const size_t at = text.find(":  F");
            if (at == std::string::npos || text[at + 4] == '5') continue;
            const int field = text[at + 4] - '0';
            EXPECT_EQ(text.substr(at + 3),
                      "F" + std::to_string(field) + "  U" + std::to_string(std::min(field, 4)));
            ++fields;
        }
        EXPECT_GE(fields, 3) << in.componentCode;
    }
}

// The stored version printed with one or two decimals when it reads as a number from 0 up,
// otherwise as it is stored.
TEST(ReportLines, PrintedVersion) {
    EXPECT_EQ(PrintedVersionText("4.6"), " 4.6");
    EXPECT_EQ(PrintedVersionText("4.25"), " 4.25");
    EXPECT_EQ(PrintedVersionText("0"), " 0.0");
    EXPECT_EQ(PrintedVersionText("-1"), " -1");
    EXPECT_EQ(PrintedVersionText("4.6b"), " 4.6b");
}

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

TEST(ReportFile, WritesTheReportAndReplacesAnOldFile) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("Report.txt");
    testing::WriteBytes(path, "an older report that is much longer than nothing\n");
    ScriptedMessages messages;
    ASSERT_TRUE(WriteReportFile(testing::TubeInput(), path, messages));
    EXPECT_EQ(testing::ReadBytes(path), ExpectedFile("tube.txt"));
    EXPECT_TRUE(messages.Empty());
    EXPECT_FALSE(std::filesystem::exists(path + ".writing"));
}

// ---- The material comment and print zones ----

struct WrapCase {
    const char* name;
    std::string comment;
    std::vector<std::string> lines;
};

class CommentWrap : public ::testing::TestWithParam<WrapCase> {};

TEST_P(CommentWrap, BreaksLikeTheReport) {
    EXPECT_EQ(WrapComment(GetParam().comment), GetParam().lines);
}

std::string Repeat(const std::string& text, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += text;
    return s;
}

const std::string k60 = "123456789012345678901234567890123456789012345678901234567890";

INSTANTIATE_TEST_SUITE_P(
    Comments, CommentWrap,
    ::testing::Values(
        WrapCase{"Short", "Annealed.", {"Annealed."}},
        // 70 characters without a blank: 60, then the other 10.
        WrapCase{"SeventyWithoutBlanks", k60 + "abcdefghij", {k60, "abcdefghij"}},
        // Exactly 60 characters: the line is full, an empty line follows.
        WrapCase{"ExactlySixty", k60, {k60, ""}},
        WrapCase{"FiftyNine", k60.substr(1), {k60.substr(1)}},
        // A blank as the 52nd character ends the line there, the blank kept at its end.
        WrapCase{"BlankAt52", std::string(51, 'x') + " tail", {std::string(51, 'x') + " ", "tail"}},
        // A blank as the 50th character already breaks; one as the 49th does not.
        WrapCase{"BlankAt49NoBreak",
                 std::string(48, 'x') + " " + std::string(20, 'y'),
                 {std::string(48, 'x') + " " + std::string(11, 'y'), std::string(9, 'y')}},
        WrapCase{"CarriageReturnLineFeed", "one\r\ntwo", {"one", "two"}},
        WrapCase{"LineFeedOnly", "one\ntwo", {"one", "two"}},
        WrapCase{"LeadingBreaks", "\r\nx\ny", {"", "x", "y"}},
        // Sixty characters after either break fill a whole line.
        WrapCase{"SixtyAfterCarriageReturn", "a\r" + k60, {"a", k60, ""}},
        WrapCase{"SixtyAfterLineFeed", "a\n" + k60, {"a", k60, ""}},
        // A line break restarts the count.
        WrapCase{"BreakRestartsCount",
                 std::string(40, 'a') + "\r\n" + std::string(40, 'b') + " c",
                 {std::string(40, 'a'), std::string(40, 'b') + " c"}},
        // Multi-byte characters count once: 60 "é" fill one line.
        WrapCase{
            "Utf8CountsCharacters", Repeat("\xC3\xA9", 61), {Repeat("\xC3\xA9", 60), "\xC3\xA9"}}),
    [](const ::testing::TestParamInfo<WrapCase>& row) { return row.param.name; });

struct ZoneCase {
    const char* name;
    ReportLine line;
    std::string printed;
};

class PrintZones : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(PrintZones, FieldsStartAtTheNextZone) {
    EXPECT_EQ(JoinInPrintZones(GetParam().line), GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PrintZones,
    ::testing::Values(ZoneCase{"Single", {"abc"}, "abc"},
                      ZoneCase{"Header",
                               {"Tidewell  Ver. 4.6", "10:00:00", "2024-01-01"},
                               "Tidewell  Ver. 4.6" + std::string(10, ' ') + "10:00:00" +
                                   std::string(6, ' ') + "2024-01-01"},
                      // A field that ends on a zone boundary still moves one zone on.
                      ZoneCase{"FullZone",
                               {"12345678901234", "x"},
                               "12345678901234" + std::string(14, ' ') + "x"}),
    [](const ::testing::TestParamInfo<ZoneCase>& row) { return row.param.name; });

// ---- The time stamp ----

struct EpochCase {
    const char* name;
    int64_t seconds;
    const char* time;
    const char* date;
};

class UtcClock : public ::testing::TestWithParam<EpochCase> {};

TEST_P(UtcClock, KnownInstants) {
    const auto parts = UtcClockParts(GetParam().seconds);
    ASSERT_TRUE(parts.has_value());
    const ReportClock clock = ReportClockFor(*parts);
    EXPECT_EQ(clock.timeText, GetParam().time);
    EXPECT_EQ(clock.dateText, GetParam().date);
}

// Calendar values from published epoch tables.
INSTANTIATE_TEST_SUITE_P(
    Instants, UtcClock,
    ::testing::Values(EpochCase{"Epoch", 0, "00:00:00", "1970-01-01"},
                      EpochCase{"LeapDay2000", 951782400, "00:00:00", "2000-02-29"},
                      EpochCase{"March2024", 1710770709, "14:05:09", "2024-03-18"},
                      // 2100 is no leap year: 28 February is followed by 1 March.
                      EpochCase{"Mar2100", 4107542400, "00:00:00", "2100-03-01"},
                      EpochCase{"LastSecond", 253402300799LL, "23:59:59", "9999-12-31"}),
    [](const ::testing::TestParamInfo<EpochCase>& row) { return row.param.name; });

TEST(UtcClockLimits, OutsideTheCalendarIsRefused) {
    EXPECT_FALSE(UtcClockParts(-1).has_value());
    EXPECT_FALSE(UtcClockParts(253402300800LL).has_value());
}

// ---- The printed page layout ----

// A grid of `columns` columns whose first data row holds the given cell in every column.
Grid UniformGrid(int columns, const std::string& firstRowCell) {
    Grid grid(3);
    for (int c = 0; c < columns; ++c) {
        grid[0].push_back("H" + std::to_string(c));
        grid[1].push_back("u");
        grid[2].push_back(firstRowCell);
    }
    return grid;
}

struct WidthCase {
    const char* name;
    Grid grid;
    int width;
};

class ColumnWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(ColumnWidth, FromTheLongestFirstRowCell) {
    EXPECT_EQ(PrintColumnWidth(GetParam().grid), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnWidth,
    ::testing::Values(
        // 8 characters + 2 = 10, raised to the minimum 13.
        WidthCase{"MinimumThirteen", UniformGrid(7, "12345678"), 13},
        WidthCase{"FourteenGivesSixteen", UniformGrid(5, "-1.2345678E+03"), 16},
        // Headings are not measured: only row 2.
        WidthCase{
            "HeadingsIgnored", {{"A very long column heading"}, {"Stress, psi"}, {"1.0"}}, 13},
        // " (fail)" prints as a leading "*": 19 characters count as 13.
        WidthCase{"FailCellCountsSixLess", {{"P"}, {"u"}, {"123456789012 (fail)"}}, 15},
        // The reduced length is what later cells are compared with.
        WidthCase{"SeventyNineCharacters", {{"P"}, {"u"}, {std::string(79, '9')}}, 81}),
    [](const ::testing::TestParamInfo<WidthCase>& row) { return row.param.name; });

struct PagesCase {
    const char* name;
    int width;
    int columns;
    int perPage;
    int pages;
};

class PageCount : public ::testing::TestWithParam<PagesCase> {};

TEST_P(PageCount, OnePagePerColumnBlock) {
    EXPECT_EQ(PrintColumnsPerPage(GetParam().width), GetParam().perPage);
    EXPECT_EQ(PrintPageCount(GetParam().columns, GetParam().perPage), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageCount,
    ::testing::Values(
        // 7 columns of 13: 91 characters, 6 columns per page, 2 pages.
        PagesCase{"SevenOfThirteen", 13, 7, 6, 2},
        // 5 columns of 16 fill exactly 80 characters: one page.
        PagesCase{"ExactlyEighty", 16, 5, 5, 1}, PagesCase{"SixOfThirteen", 13, 6, 6, 1},
        // 18 columns of 17: 4 per page need 5 pages (306 / 80 would say 4).
        PagesCase{"EighteenOfSeventeen", 17, 18, 4, 5},
        // A column wider than the page still gets a page of its own.
        PagesCase{"WiderThanThePage", 81, 3, 1, 3}, PagesCase{"EightyWide", 80, 2, 1, 2}),
    [](const ::testing::TestParamInfo<PagesCase>& row) { return row.param.name; });

TEST(PrintedReport, ExactlyEightyCharactersIsOnePageWithoutPageNumber) {
    ReportInput in = testing::TubeInput();
    in.grid = UniformGrid(5, "-1.2345678E+03");
    ScriptedMessages messages;
    const PrintLayout layout = LayOutPrintedReport(in, messages);
    EXPECT_EQ(layout.columnWidth, 16);
    ASSERT_EQ(layout.pages.size(), 1U);
    const std::string header = layout.pages[0].lines.at(0);
    EXPECT_EQ(header, "Tidewell  Ver. 4.6" + std::string(10, ' ') + "14:05:09" +
                          std::string(6, ' ') + "2024-03-18");
    // The data row: four cells of 16 and the last one unpadded, 78 characters in all.
    const auto& lines = layout.pages[0].lines;
    EXPECT_EQ(lines.back(),
              "-1.2345678E+03  -1.2345678E+03  -1.2345678E+03  -1.2345678E+03  "
              "-1.2345678E+03");
}

PrintLayout Page(int lineLength, int lines) {
    PrintLayout layout;
    layout.pages.push_back({std::vector<std::string>(lines, std::string(lineLength, 'x'))});
    return layout;
}

// A page 800 wide and 1200 high; 0.5 across per character and 1.2 down per line, per point.
TEST(PrintFontFit, LargestSizeThatFits) {
    const PrintPageMetrics page{800, 1200, 0.5, 1.2};
    EXPECT_DOUBLE_EQ(PrintFontPointSize(Page(30, 10), page), 20);   // 800 / (80 x 0.5)
    EXPECT_DOUBLE_EQ(PrintFontPointSize(Page(100, 10), page), 16);  // 800 / (100 x 0.5)
    EXPECT_DOUBLE_EQ(PrintFontPointSize(Page(80, 100), page), 10);  // 1200 / (100 x 1.2)
    EXPECT_DOUBLE_EQ(PrintFontPointSize(Page(80, 1), {800, 1200, 0.7, 1.2}), 14.28);  // 14.285..
    EXPECT_DOUBLE_EQ(PrintFontPointSize(Page(80, 1), {0, 1200, 0.5, 1.2}), 0);
    EXPECT_DOUBLE_EQ(PrintFontPointSize(Page(30, 10), {0.8, 0.9, 0.5, 1.2}), 0.02);  // any page
}

// ---- The report's input assembled from the design and the results ----

MaterialFieldTexts AcrylicTexts() {
    MaterialFieldTexts texts;
    texts.strength = "10";
    texts.strength2 = "4.5";
    texts.modulus = "0.45";
    texts.density = "1.19";
    texts.poisson = "0.37";
    texts.comment = "Cast sheet.";
    texts.units.strength = 0;   // "Ksi"
    texts.units.strength2 = 1;  // "psi"
    texts.units.modulus = 0;    // "Mpsi"
    texts.units.density = 3;    // "gr/cu cm"
    return texts;
}

DesignRecord AnnularDesign() {
    DesignRecord design;
    design.ProgramVersion = "4.6";
    design.EndcapType = kFlatAnnularEndcap;
    design.PressureSource = 1;
    design.UnitSystem = 1;
    design.EdgeRestraint = 4;
    // Every field and unit its own, so that two swapped fields show.
    design.EndcapDimEntered = {254, 279.4, 25.4, 50.8, 76.2, 50, 101.6, 127};
    design.EndcapDimUnit = {1, 4, 1, 3, -1};
    design.MaterialName = "Acrylic (cast)";
    design.MaterialClass = "Plastics";
    return design;
}

ResultsView AnnularView() {
    ResultsView view;
    view.componentCode = kAnnularPlateComponent;
    view.weightInAir = "1.8088";
    view.weightInWater = "0.14560";
    view.failure.options = {{"Radial a", true},
                            {"Tangential b", true},
                            {"Shear c", false},
                            {"Shear d", true},
                            {"Seat e", true}};
    view.failure.selected = 2;
    view.failure.annularEvalLabel = "Table eval dia., De (mm):";
    view.failure.proposedEvalDiameter = "63.500";
    view.cells = {{"Pressure"}, {"Bar"}, {"10.000"}};
    return view;
}

TEST(ReportAssembly, FlatAnnularPlateInMetricUnits) {
    const ReportInput in =
        AssembleReportInput(AnnularDesign(), AcrylicTexts(), AnnularView(),
                            ResultsWindowTexts{"kg", ""}, ReportClock{"09:00:00", "2024-01-02"});
    using Texts = std::vector<std::string>;
    EXPECT_EQ((Texts{in.programVersion, in.timeText, in.dateText}),
              (Texts{"4.6", "09:00:00", "2024-01-02"}));
    EXPECT_EQ(in.componentCode, 1);
    EXPECT_TRUE(in.externalPressure);
    // The increments field (50) is reformatted like the others.
    EXPECT_EQ(in.fieldTexts, (std::array<std::string, 8>{"254.00", "279.40", "25.400", "50.800",
                                                         "76.200", "50.000", "101.60", "127.00"}));
    // The fifth unit is unset: the metric default.
    EXPECT_EQ((Texts{in.unitTexts[0], in.unitTexts[1], in.unitTexts[3], in.unitTexts[4]}),
              (Texts{"mm", "cm", "m", "mm"}));
    EXPECT_EQ((Texts{in.edgeRestraint, in.weightInAir, in.weightInWater, in.weightUnit}),
              (Texts{"Simply Supported/Free", "1.8088", "0.14560", "kg"}));
    ASSERT_EQ(in.failureOptions.size(), 5U);
    EXPECT_FALSE(in.failureOptions[0].selected);
    EXPECT_TRUE(in.failureOptions[1].selected);
    EXPECT_FALSE(in.failureOptions[2].visible);
    EXPECT_EQ(in.failureOptions[3].caption, "Shear d");
    EXPECT_TRUE(in.secondStrengthVisible);
    EXPECT_EQ((Texts{in.materialName, in.strength.label, in.strength.value, in.strength.unit,
                     in.secondStrength.label, in.secondStrength.value, in.secondStrength.unit,
                     in.modulus.value, in.modulus.unit, in.density.unit, in.poissonRatio,
                     in.comment, in.distortionCaption1, in.distortionCaption2}),
              (Texts{"Acrylic (cast)", "Ultimate Strength", "10", "Ksi", "Working Strength", "4.5",
                     "psi", "0.45", "Mpsi", "gr/cu cm", "0.37", "Cast sheet.",
                     "Table eval dia., De (mm):", "63.500"}));
    EXPECT_EQ(in.grid, AnnularView().cells);
}

TEST(ReportAssembly, TubeTakesTheBodyFieldsAndHidesTheSecondStrengthOfAMetal) {
    DesignRecord design;
    design.BodyType = kTubeBody;
    design.PressureSource = 0;
    design.UnitSystem = 0;
    design.BodyDimEntered = {5, 6, 0.5, 24, 99};
    design.BodyDimUnit = {0, 0, 0, -1, 0};
    design.EndcapDimEntered = {1, 1, 1, 1, 1, 1, 1, 1};
    design.MaterialName = "Titanium";
    design.MaterialClass = "Metals";
    ResultsView view;
    view.componentCode = kTubeComponent;
    view.failure.options = {{"a", true}, {"b", true}, {"c", true}, {"d", true}};
    view.failure.selected = 1;
    MaterialFieldTexts texts;
    texts.strength = "120";
    texts.units.strength = 0;
    const ReportInput in =
        AssembleReportInput(design, texts, view, ResultsWindowTexts{"lbs", ""}, ReportClock{});
    EXPECT_FALSE(in.externalPressure);
    EXPECT_EQ(in.fieldTexts[0], "5.0000");
    EXPECT_EQ(in.fieldTexts[3], "24.000");
    EXPECT_EQ(in.fieldTexts[4], "");  // the spare body dimension is never shown
    EXPECT_EQ(in.unitTexts[3], "in");
    EXPECT_EQ(in.strength.label, "Yield Strength");
    EXPECT_FALSE(in.secondStrengthVisible);
    EXPECT_TRUE(in.failureOptions[0].selected);
    EXPECT_EQ(in.edgeRestraint, "");
    EXPECT_EQ(in.distortionCaption1, "");
}

}  // namespace
}  // namespace tidewell
