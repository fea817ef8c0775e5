// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/StressGraphSeries.h"

#include <cmath>

namespace tidewell {

namespace {

double Drawn(double value) {
    return std::fabs(value) < 0.000001 ? 0.0 : value;
}

}  // namespace

StressGraphSeries PlateStressSeries(const std::vector<PlateStressRow>& table) {
    StressGraphSeries series;
    series.radial.reserve(table.size());
    series.tangential.reserve(table.size());
    for (const PlateStressRow& row : table) {
        const double diameter = Drawn(2.0 * row.Radius);
        series.radial.push_back({diameter, Drawn(row.RadialStress / 1000.0)});
        series.tangential.push_back({diameter, Drawn(row.TangentialStress / 1000.0)});
    }
    return series;
}

}  // namespace tidewell
