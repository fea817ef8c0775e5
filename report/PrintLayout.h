// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The printed analysis report laid out as pages of text lines for a fixed-width font: an
// 80-character line, 14-character print zones, and the results table in blocks of whole columns,
// one block per page. The desktop program only draws these lines.

#include <string>
#include <vector>

#include "report/ReportInput.h"
#include "units/UserMessages.h"

namespace tidewell {

// The page is taken as this many characters wide.
inline constexpr int kPrintPageWidth = 80;
// Narrowest printed table column.
inline constexpr int kMinimumColumnWidth = 13;

struct PrintedPage {
    std::vector<std::string> lines;  // without line ends or trailing blanks
};

struct PrintLayout {
    int columnWidth = kMinimumColumnWidth;  // W
    int columnsPerPage = 1;                 // C
    int pageCount = 1;                      // N
    std::vector<PrintedPage> pages;
};

// Width of every printed table column: the longest first-data-row cell (row 2) plus 2, where a
// cell holding " (fail)" counts 6 less (it prints as "*" and the value) when it sets the longest
// length; at least kMinimumColumnWidth.
int PrintColumnWidth(const std::vector<std::vector<std::string>>& grid);

// Whole columns that fit the page; at least 1, so a column wider than the page prints alone.
int PrintColumnsPerPage(int columnWidth);

// Number of pages: one per block of columnsPerPage columns, at least 1.
int PrintPageCount(int columnCount, int columnsPerPage);

// The whole printed report for one copy.
PrintLayout LayOutPrintedReport(const ReportInput& input, UserMessages& messages);

}  // namespace tidewell
