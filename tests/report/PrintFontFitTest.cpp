// The printed report's font size: the widest line fits across the page, the longest page fits
// down it, and the size is never rounded up past either edge.

#include <gtest/gtest.h>

#include <string>

#include "report/PrintFontFit.h"

namespace tidewell {
namespace {

PrintLayout Pages(int lineLength, int lines) {
    PrintLayout layout;
    layout.pages.push_back(
        PrintedPage{std::vector<std::string>(lines, std::string(lineLength, 'x'))});
    return layout;
}

struct FitCase {
    const char* name;
    PrintLayout layout;
    PrintPageMetrics metrics;
    double pointSize;
};

class FontFit : public ::testing::TestWithParam<FitCase> {};

TEST_P(FontFit, LargestSizeThatFits) {
    EXPECT_DOUBLE_EQ(PrintFontPointSize(GetParam().layout, GetParam().metrics),
                     GetParam().pointSize);
}

// Page 800 wide; 0.5 units per character per point; 1.2 units per line per point.
INSTANTIATE_TEST_SUITE_P(
    Report, FontFit,
    ::testing::Values(
        // Short lines still take the 80-character page: 800 / (80 x 0.5) = 20.
        FitCase{"ShortLinesUseThePageWidth", Pages(30, 10), {800, 10000, 0.5, 1.2}, 20},
        // 100 characters: 800 / (100 x 0.5) = 16.
        FitCase{"LongerLineNarrowsTheFont", Pages(100, 10), {800, 10000, 0.5, 1.2}, 16},
        // 100 lines down 1200: 1200 / (100 x 1.2) = 10, below the width's 20.
        FitCase{"LongPageShrinksTheFont", Pages(80, 100), {800, 1200, 0.5, 1.2}, 10},
        // 800 / (80 x 0.7) = 14.2857...: rounded down to hundredths.
        FitCase{"RoundedDown", Pages(80, 1), {800, 10000, 0.7, 1.2}, 14.28},
        FitCase{"NoPage", Pages(80, 1), {0, 1000, 0.5, 1.2}, 0},
        FitCase{"NoFont", Pages(80, 1), {800, 1000, 0, 1.2}, 0}),
    [](const ::testing::TestParamInfo<FitCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
