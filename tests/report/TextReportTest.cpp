// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The text-file report of every component against reports written out by hand; comment wrapping,
// print zones, time stamp and printed page layout; the report's texts assembled from the design.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
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

// Each component's report input and the report written out by hand for it.
const std::vector<std::pair<ReportInput (*)(), const char*>> kComponents = {
    {testing::TubeInput, "tube.txt"},
    {testing::SphereInput, "sphere.txt"},
    {testing::HemisphereInput, "hemisphere.txt"},
    {testing::ConicalInput, "conical.txt"},
    {testing::HemisphericalInput, "hemispherical.txt"},
    {testing::FlatCircularInput, "flat_circular.txt"},
    {testing::FlatAnnularInput, "flat_annular.txt"}};

TEST(TextReport, EveryComponentMatchesTheHandWrittenReport) {
    for (const auto& [input, file] : kComponents) {
        ScriptedMessages messages;
        const std::string expected = ExpectedFile(file);
        ASSERT_FALSE(expected.empty()) << file;
        EXPECT_EQ(TextReport(input(), messages), expected) << file;
        EXPECT_TRUE(messages.Empty()) << file;
    }
}

// Every geometry line shows its own field with its own unit, whatever the component; the annular
// plate's three load diameters share the line-load unit, its iterations have none.
TEST(ReportLines, EveryGeometryFieldWithItsOwnUnit) {
    for (const auto& component : kComponents) {
        ReportInput in = component.first();
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
    for (const auto& [stored, printed] : std::vector<std::pair<const char*, const char*>>{
             {"4.6", " 4.6"}, {"4.25", " 4.25"}, {"0", " 0.0"}, {"-1", " -1"}, {"4.6b", " 4.6b"}})
        EXPECT_EQ(PrintedVersionText(stored), printed);
}

// Rows are marked from the first failing cell on, with a footnote; short rows get empty cells.
TEST(ReportLines, TableMarksRowsFromTheFirstFailingCell) {
    const std::vector<std::pair<Grid, std::vector<std::string>>> rows = {
        {{{"P", "D"}, {"psi", "ft"}, {"1", "2"}, {"2", "4"}},
         {"\tP\tD", "\tpsi\tft", "\t1\t2", "\t2\t4"}},
        {{{"P"}, {"psi"}, {"1"}, {"2 (fail)"}, {"3 (fail)"}},
         {"\tP", "\tpsi", "\t1", "*\t2", "*\t3", "\t* = after housing failure"}},
        // A failing cell after the first one marks only the rows that follow.
        {{{"1", "x (fail)"}, {"2", "y"}}, {"\t1\tx", "*\t2\ty", "\t* = after housing failure"}},
        {{{"a", "b", "c"}, {"d"}}, {"\ta\tb\tc", "\td\t\t"}}};
    for (const auto& [grid, lines] : rows) EXPECT_EQ(TextReportTableLines(grid), lines);
}

TEST(ReportFile, WritesTheReportAndReplacesAnOldFile) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("Report.txt");
    testing::WriteBytes(path, "an older report that is much longer than nothing\n");
    ScriptedMessages messages;
    ASSERT_TRUE(WriteReportFile(testing::TubeInput(), path, messages));
    EXPECT_EQ(testing::ReadBytes(path), ExpectedFile("tube.txt"));
    EXPECT_TRUE(messages.Empty());
    EXPECT_FALSE(std::filesystem::exists(path + ".writing"));
    // A disk that fills while the next one is written leaves this one whole, nothing beside it.
    if (!std::filesystem::exists("/dev/full")) return;
    std::filesystem::create_symlink("/dev/full", path + ".writing");
    EXPECT_FALSE(WriteTextFileAtomically(path, std::string(100000, 'x')));
    EXPECT_EQ(testing::ReadBytes(path), ExpectedFile("tube.txt"));
    EXPECT_EQ(testing::EntryCount(folder.path()), 1);
}

std::string Repeat(const std::string& text, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += text;
    return s;
}

TEST(ReportLines, CommentBreaksLikeTheReport) {
    const std::string k60 = "123456789012345678901234567890123456789012345678901234567890";
    const std::string x48 = std::string(48, 'x'), x51 = std::string(51, 'x');
    const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
        {"Annealed.", {"Annealed."}},
        // 70 characters without a blank: 60, then the other 10.
        {k60 + "abcdefghij", {k60, "abcdefghij"}},
        // Exactly 60 characters: the line is full, an empty line follows.
        {k60, {k60, ""}},
        {k60.substr(1), {k60.substr(1)}},
        // A blank as the 52nd character ends the line there, the blank kept at its end.
        {x51 + " tail", {x51 + " ", "tail"}},
        // A blank as the 50th character already breaks; one as the 49th does not.
        {x48 + " " + std::string(20, 'y'), {x48 + " " + std::string(11, 'y'), std::string(9, 'y')}},
        {"one\r\ntwo", {"one", "two"}},
        {"one\ntwo", {"one", "two"}},
        {"\r\nx\ny", {"", "x", "y"}},
        // Sixty characters after either break fill a whole line.
        {"a\r" + k60, {"a", k60, ""}},
        {"a\n" + k60, {"a", k60, ""}},
        // A line break restarts the count.
        {std::string(40, 'a') + "\r\n" + std::string(40, 'b') + " c",
         {std::string(40, 'a'), std::string(40, 'b') + " c"}},
        // Multi-byte characters count once: 60 "é" fill one line.
        {Repeat("\xC3\xA9", 61), {Repeat("\xC3\xA9", 60), "\xC3\xA9"}}};
    for (const auto& [comment, lines] : rows) EXPECT_EQ(WrapComment(comment), lines) << comment;
}

// Each field starts at the next zone of 14; one that ends on a boundary still moves a zone on.
TEST(ReportLines, PrintZones) {
    EXPECT_EQ(JoinInPrintZones({"abc"}), "abc");
    EXPECT_EQ(JoinInPrintZones({"Tidewell  Ver. 4.6", "10:00:00", "2024-01-01"}),
              "Tidewell  Ver. 4.6" + std::string(10, ' ') + "10:00:00" + std::string(6, ' ') +
                  "2024-01-01");
    EXPECT_EQ(JoinInPrintZones({"12345678901234", "x"}),
              "12345678901234" + std::string(14, ' ') + "x");
}

// Calendar values from published epoch tables; 2100 is no leap year. Outside the calendar the
// clock is refused.
TEST(UtcClock, KnownInstantsAndTheEndsOfTheCalendar) {
    const std::vector<std::tuple<int64_t, const char*, const char*>> rows = {
        {0, "00:00:00", "1970-01-01"},
        {951782400, "00:00:00", "2000-02-29"},
        {1710770709, "14:05:09", "2024-03-18"},
        {4107542400, "00:00:00", "2100-03-01"},
        {253402300799LL, "23:59:59", "9999-12-31"}};
    for (const auto& [seconds, time, date] : rows) {
        const auto parts = UtcClockParts(seconds);
        ASSERT_TRUE(parts.has_value()) << seconds;
        const ReportClock clock = ReportClockFor(*parts);
        EXPECT_EQ(clock.timeText + " " + clock.dateText, std::string(time) + " " + date);
    }
    EXPECT_FALSE(UtcClockParts(-1).has_value());
    EXPECT_FALSE(UtcClockParts(253402300800LL).has_value());
}

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

// The longest first-row cell plus 2, at least 13; headings are not measured, and " (fail)"
// prints as a leading "*", so such a cell counts six characters less.
TEST(PrintLayout, ColumnWidthFromTheLongestFirstRowCell) {
    EXPECT_EQ(PrintColumnWidth(UniformGrid(7, "12345678")), 13);
    EXPECT_EQ(PrintColumnWidth(UniformGrid(5, "-1.2345678E+03")), 16);
    EXPECT_EQ(PrintColumnWidth({{"A very long column heading"}, {"Stress, psi"}, {"1.0"}}), 13);
    EXPECT_EQ(PrintColumnWidth({{"P"}, {"u"}, {"123456789012 (fail)"}}), 15);
    EXPECT_EQ(PrintColumnWidth({{"P"}, {"u"}, {std::string(79, '9')}}), 81);
}

// One page per block of columns that fits in 80 characters; a column wider than the page still
// gets a page of its own. 18 columns of 17 need 5 pages (306 / 80 would say 4).
TEST(PrintLayout, OnePagePerColumnBlock) {
    // Column width, columns, columns per page, pages.
    const std::vector<std::array<int, 4>> rows = {{13, 7, 6, 2},  {16, 5, 5, 1}, {13, 6, 6, 1},
                                                  {17, 18, 4, 5}, {81, 3, 1, 3}, {80, 2, 1, 2}};
    for (const auto& [width, columns, perPage, pages] : rows) {
        EXPECT_EQ(PrintColumnsPerPage(width), perPage) << width;
        EXPECT_EQ(PrintPageCount(columns, perPage), pages) << width << " x " << columns;
    }
}

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

// A page opens with its header and a blank line; the first then holds the report itself, a later
// one the distortion titles and a blank line above its columns of the table.
TEST(PrintedReport, PagesOpenWithTheirHeaderAndABlankLine) {
    ReportInput in = testing::TubeInput();
    in.grid = UniformGrid(7, "-1.2345678E+03");  // five columns to a page
    in.grid.back().resize(5);                    // a short row prints blanks where it has no cells
    ScriptedMessages messages;
    const PrintLayout layout = LayOutPrintedReport(in, messages);
    ASSERT_EQ(layout.pages.size(), 2U);
    EXPECT_EQ(layout.pages[1].lines.back(), "");
    const std::vector<std::string>& first = layout.pages[0].lines;
    EXPECT_EQ(std::vector<std::string>(first.begin() + 1, first.begin() + 3),
              (std::vector<std::string>{"", "TUBE CONFIGURATION  (External Pressure)"}));
    const std::vector<std::string>& second = layout.pages[1].lines;
    const std::size_t titles = DistortionTitleLines(in).size();
    EXPECT_EQ((std::vector<std::string>{second.at(1), second.at(2 + titles)}),
              (std::vector<std::string>{"", ""}));
    EXPECT_NE(second.at(2), "");
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

// Units Ksi, psi, Mpsi and gr/cu cm.
MaterialFieldTexts AcrylicTexts() {
    return {"10", "4.5", "0.45", "1.19", "0.37", "Cast sheet.", {0, 1, 0, 3}};
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
    EXPECT_EQ(std::vector<bool>({in.failureOptions[0].selected, in.failureOptions[1].selected,
                                 in.failureOptions[2].visible, in.secondStrengthVisible}),
              std::vector<bool>({false, true, false, true}));
    EXPECT_EQ(in.failureOptions[3].caption, "Shear d");
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
    texts.strength = "120";  // in Ksi, the first unit
    const ReportInput in =
        AssembleReportInput(design, texts, view, ResultsWindowTexts{"lbs", ""}, ReportClock{});
    EXPECT_EQ(std::vector<bool>(
                  {in.externalPressure, in.secondStrengthVisible, in.failureOptions[0].selected}),
              std::vector<bool>({false, false, true}));
    // The spare body dimension (99) is never shown.
    using Texts = std::vector<std::string>;
    EXPECT_EQ((Texts{in.fieldTexts[0], in.fieldTexts[3], in.fieldTexts[4], in.unitTexts[3],
                     in.strength.label, in.edgeRestraint, in.distortionCaption1}),
              (Texts{"5.0000", "24.000", "", "in", "Yield Strength", "", ""}));
}

}  // namespace
}  // namespace tidewell
