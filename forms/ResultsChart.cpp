// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/ResultsChart.h"

#include <cmath>
#include <cstdlib>

namespace tidewell {

namespace {

constexpr int kFirstChartColumn = 2;

// The number a cell shows ("N/A" and empty cells have none); the failure marker is not part of it.
std::optional<double> CellNumber(std::string text) {
    const std::string marker = " (fail)";
    const size_t at = text.find(marker);
    if (at != std::string::npos) text.erase(at);
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::string Titled(const ResultsView& view, int column) {
    if (view.cells.size() < 2 || column >= static_cast<int>(view.cells[0].size())) return "";
    const size_t c = static_cast<size_t>(column);
    return view.cells[0][c] + " (" + view.cells[1][c] + ")";
}

}  // namespace

std::vector<std::string> ChartColumns(const ResultsView& view) {
    std::vector<std::string> titles;
    for (int c = kFirstChartColumn; c < view.columnCount; ++c) titles.push_back(Titled(view, c));
    return titles;
}

ChartSeries ChartOf(const ResultsView& view, int column, bool againstDepth) {
    ChartSeries series;
    const int xColumn = againstDepth ? 1 : 0;
    const int yColumn = column + kFirstChartColumn;
    if (column < 0 || yColumn >= view.columnCount || view.cells.size() < 2) return series;
    series.xTitle = Titled(view, xColumn);
    series.yTitle = Titled(view, yColumn);
    for (int r = kHeaderRows; r < static_cast<int>(view.cells.size()); ++r) {
        const auto& row = view.cells[static_cast<size_t>(r)];
        const std::optional<double> x = CellNumber(row[static_cast<size_t>(xColumn)]);
        const std::optional<double> y = CellNumber(row[static_cast<size_t>(yColumn)]);
        if (!x || !y) continue;
        series.points.push_back(ChartPoint{*x, *y});
        if (r == view.failureRow) series.failure = ChartPoint{*x, *y};
    }
    return series;
}

}  // namespace tidewell
