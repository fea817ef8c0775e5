// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the stress graph of the flat annular plate draws: the radial and the tangential bending
// stress across the plate under 1 ksi, one point per row of the plate stress table the run made.

#include <string>
#include <vector>

#include "analysis/AnalysisState.h"

namespace tidewell {

struct GraphPoint {
    double x = 0;  // diameter, inches
    double y = 0;  // stress, ksi
};

struct StressGraphSeries {
    std::vector<GraphPoint> radial;      // "Radial"
    std::vector<GraphPoint> tangential;  // "Tangential"
};

inline const char* const kStressGraphCaption = "Flat Annular Endcap Graph";
inline const char* const kStressGraphTitle = "Stress vs. Radial Location for 1 Ksi pressure";
inline const char* const kStressGraphXTitle = "Diameter, inches";
inline const char* const kStressGraphYTitle = "Stress, Ksi";

// One point per table row: the diameter (twice the radius) against the stress in ksi (the table
// holds psi under 1000 psi); values below 0.000001 in magnitude are drawn as 0.
StressGraphSeries PlateStressSeries(const std::vector<PlateStressRow>& table);

}  // namespace tidewell
