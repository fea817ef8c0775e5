// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Page layout of the printed report: column width, page count, the page header and data rows;
// and the font size: the widest line fits across the page and the longest page down it, rounded
// down.

#include <gtest/gtest.h>

#include <string>

#include "report/PrintFontFit.h"
#include "report/PrintLayout.h"
#include "tests/report/ReportFixtures.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::Grid;

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

}  // namespace
}  // namespace tidewell
