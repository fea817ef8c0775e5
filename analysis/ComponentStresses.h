// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The engine's branches, one per component. Each writes its results into the state and returns
// whether every value it wrote is finite. ComputeStresses dispatches to them; tests and the
// benchmark reach them only through ComputeStresses.

#include <cstdint>
#include <initializer_list>

#include "analysis/AnalysisState.h"

namespace tidewell {

// Tube body (code 10): thin and thick wall sets, point stresses at r, buckling for n lobes under
// external pressure, weights.
bool TubeStresses(AnalysisState& s, double p, double r, int16_t n);

// Sphere (9), hemisphere (8) and hemispherical endcap (3): thin and thick wall sets, point
// stresses at r, seat stress, buckling under external pressure, weights (doubled for the sphere).
bool SphericalShellStresses(AnalysisState& s, double p, double r);

// Conical endcap (2): thin-wall membrane set, meridian rotation, seat stress, weights.
bool ConicalEndcapStresses(AnalysisState& s, double p);

// Flat circular plate (4) under uniform pressure, simply supported or fixed at its free radius.
bool FlatCircularPlateStresses(AnalysisState& s, double p, double r);

// Flat annular plate (1): uniform pressure from r0 to the outer edge (lineLoadFlag 0) or line
// load w on the circle r0 (lineLoadFlag non-zero).
bool AnnularPlateStresses(AnalysisState& s, double p, double r, double r0, double w,
                          int16_t lineLoadFlag);

// True when none of the values is NaN or infinite.
bool AllFinite(std::initializer_list<double> values);

}  // namespace tidewell
