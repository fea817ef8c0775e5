// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/GridCopy.h"

#include <algorithm>
#include <set>

namespace tidewell {

std::string TabSeparatedCells(const ResultsView& view, const std::vector<GridCell>& selected) {
    std::set<GridCell> cells;
    for (const GridCell& cell : selected) {
        if (cell.first >= 0 && cell.first < view.rowCount && cell.second >= 0 &&
            cell.second < view.columnCount) {
            cells.insert(cell);
        }
    }
    int firstRow = 0, lastRow = view.rowCount - 1;
    int firstColumn = 0, lastColumn = view.columnCount - 1;
    if (!cells.empty()) {
        firstRow = cells.begin()->first;
        lastRow = cells.rbegin()->first;
        firstColumn = lastColumn = cells.begin()->second;
        for (const GridCell& cell : cells) {
            firstColumn = std::min(firstColumn, cell.second);
            lastColumn = std::max(lastColumn, cell.second);
        }
    }
    std::string text;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            if (column > firstColumn) text += '\t';
            if (cells.empty() || cells.count({row, column}) != 0) text += view.Cell(row, column);
        }
        text += '\n';
    }
    return text;
}

}  // namespace tidewell
