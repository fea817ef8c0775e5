// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A chart of the results table: any column against the pressure or the depth column, with the
// first failed row marked. The points are the numbers the grid shows.

#include <optional>
#include <string>
#include <vector>

#include "analysis/ResultsView.h"

namespace tidewell {

struct ChartPoint {
    double x = 0;
    double y = 0;
};

struct ChartSeries {
    std::string xTitle;                 // "Pressure (psi)" or "Depth (Ft (sea))"
    std::string yTitle;                 // "Max Hoop (Stress, psi)"
    std::vector<ChartPoint> points;     // rows whose two cells are numbers, in grid order
    std::optional<ChartPoint> failure;  // the first failed row, when it has both numbers
};

// The columns that can be drawn: every column after Pressure and Depth, titled with its unit.
// Index i of the list is grid column i + 2.
std::vector<std::string> ChartColumns(const ResultsView& view);

// The series of list entry `column` against the pressure column, or the depth column when
// againstDepth; empty points for a column out of range.
ChartSeries ChartOf(const ResultsView& view, int column, bool againstDepth);

}  // namespace tidewell
