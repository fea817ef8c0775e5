// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results grid as the clipboard takes it: tab-separated cells, one line per row, which a
// spreadsheet pastes as a table.

#include <string>
#include <utility>
#include <vector>

#include "analysis/ResultsView.h"

namespace tidewell {

// A grid cell: row (the two header rows included) and column.
using GridCell = std::pair<int, int>;

// The selected cells, from the first selected row and column to the last, with an empty field
// for a cell inside that block that is not selected; the whole grid with its header rows when
// nothing is selected. Cells outside the grid are ignored.
std::string TabSeparatedCells(const ResultsView& view, const std::vector<GridCell>& selected);

}  // namespace tidewell
