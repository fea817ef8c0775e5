// The printed report's font size: the widest line fits across the page and the longest page down
// it, rounded down.

#include <gtest/gtest.h>

#include "report/PrintFontFit.h"

namespace tidewell {
namespace {

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
}

}  // namespace
}  // namespace tidewell
