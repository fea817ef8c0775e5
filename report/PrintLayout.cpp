// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/PrintLayout.h"

#include <algorithm>

#include "report/ReportLines.h"

namespace tidewell {

namespace {

// The first data row of the grid; rows 0 and 1 are headings.
constexpr size_t kFirstDataRow = 2;

// "*" replaces the 7-character marker, so a failing cell prints 6 characters shorter.
constexpr int kFailMarkerSaving = 6;

std::string TrimRight(std::string text) {
    const size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

int ColumnCount(const std::vector<std::vector<std::string>>& grid) {
    size_t columns = 0;
    for (const auto& row : grid) columns = std::max(columns, row.size());
    return static_cast<int>(columns);
}

std::string HeaderTitle(const ReportInput& input) {
    return "Tidewell  Ver." + PrintedVersionText(input.programVersion);
}

// One table row of the columns first..last as printed: each cell starts at its column's place, or
// one blank after the cell before it when that one ran over its column (a heading as wide as the
// column or wider), so cells never run together and the row lines up again after them. Sets
// failed when a failing cell is met.
std::string PrintedRow(const std::vector<std::string>& row, int first, int last, int width,
                       bool& failed) {
    const std::string marker = kFailMarker;
    std::string line;
    int used = 0;  // characters on the line so far
    for (int c = first; c <= last; ++c) {
        std::string cell = static_cast<size_t>(c) < row.size() ? row[static_cast<size_t>(c)] : "";
        const size_t at = cell.find(marker);
        if (at != std::string::npos) {
            cell = "*" + cell.substr(0, at);
            failed = true;
        }
        if (c > first) {
            const int gap = std::max((c - first) * width - used, 1);
            line.append(static_cast<size_t>(gap), ' ');
            used += gap;
        }
        line += cell;
        used += TextLength(cell);
    }
    return line;
}

}  // namespace

int PrintColumnWidth(const std::vector<std::vector<std::string>>& grid) {
    int longest = 0;
    if (grid.size() > kFirstDataRow) {
        for (const std::string& cell : grid[kFirstDataRow]) {
            const int length = TextLength(cell);
            if (length > longest) {
                longest = length;
                if (cell.find(kFailMarker) != std::string::npos) longest -= kFailMarkerSaving;
            }
        }
    }
    return std::max(longest + 2, kMinimumColumnWidth);
}

int PrintColumnsPerPage(int columnWidth) {
    if (columnWidth <= 0) return 1;
    return std::max(kPrintPageWidth / columnWidth, 1);
}

int PrintPageCount(int columnCount, int columnsPerPage) {
    const int perPage = std::max(columnsPerPage, 1);
    return std::max((columnCount + perPage - 1) / perPage, 1);
}

PrintLayout LayOutPrintedReport(const ReportInput& input, UserMessages& messages) {
    PrintLayout layout;
    const int columns = ColumnCount(input.grid);
    layout.columnWidth = PrintColumnWidth(input.grid);
    layout.columnsPerPage = PrintColumnsPerPage(layout.columnWidth);
    layout.pageCount = PrintPageCount(columns, layout.columnsPerPage);

    const std::vector<ReportLine> body = ReportBodyLines(input, ReportForm::Printed, messages);
    const std::vector<ReportLine> distortion = DistortionTitleLines(input);
    bool failed = false;

    for (int page = 1; page <= layout.pageCount; ++page) {
        PrintedPage printed;
        auto add = [&printed](const ReportLine& line) {
            printed.lines.push_back(TrimRight(JoinInPrintZones(line)));
        };
        ReportLine header{HeaderTitle(input), input.timeText, input.dateText};
        if (page == 1) {
            if (layout.pageCount >= 2) {
                header.push_back("Page 1 of" + SignedNumberText(layout.pageCount));
            }
            add(header);
            add(ReportLine{""});
            for (const ReportLine& line : body) add(line);
        } else {
            header.push_back("Page " + std::to_string(page) + " of" +
                             SignedNumberText(layout.pageCount));
            add(header);
            add(ReportLine{""});
            for (const ReportLine& line : distortion) add(line);
            add(ReportLine{""});
        }

        const int first = (page - 1) * layout.columnsPerPage;
        const int last = page == layout.pageCount
                             ? columns - 1
                             : std::min(first + layout.columnsPerPage - 1, columns - 1);
        for (const auto& row : input.grid) {
            printed.lines.push_back(
                TrimRight(PrintedRow(row, first, last, layout.columnWidth, failed)));
        }
        if (failed) add(ReportLine{"", kFailFootnote});
        layout.pages.push_back(std::move(printed));
    }
    return layout;
}

}  // namespace tidewell
