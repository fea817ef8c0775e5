// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/PrintFontFit.h"

#include <algorithm>
#include <cmath>

#include "report/ReportLines.h"

namespace tidewell {

int PrintLineCharacters(const PrintLayout& layout) {
    int longest = kPrintPageWidth;
    for (const PrintedPage& page : layout.pages) {
        for (const std::string& line : page.lines) longest = std::max(longest, TextLength(line));
    }
    return longest;
}

int PrintLinesPerPage(const PrintLayout& layout) {
    size_t longest = 1;
    for (const PrintedPage& page : layout.pages) longest = std::max(longest, page.lines.size());
    return static_cast<int>(longest);
}

double PrintFontPointSize(const PrintLayout& layout, const PrintPageMetrics& metrics) {
    const bool usable = metrics.pageWidth > 0 && metrics.pageHeight > 0 &&
                        metrics.advancePerPoint > 0 && metrics.lineSpacingPerPoint > 0 &&
                        std::isfinite(metrics.pageWidth) && std::isfinite(metrics.pageHeight);
    if (!usable) return 0;
    const double across =
        metrics.pageWidth / (PrintLineCharacters(layout) * metrics.advancePerPoint);
    const double down =
        metrics.pageHeight / (PrintLinesPerPage(layout) * metrics.lineSpacingPerPoint);
    // Rounded down so that the rounding never pushes a line past the edge.
    return std::floor(std::min(across, down) * 100.0) / 100.0;
}

}  // namespace tidewell
