// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Failure evaluation of the flat annular plate: a scan across the plate width for the radial and
// tangential bending failure, the shear failure at both edges and the seat failure, the captions
// of the five failure option buttons, the proposed evaluation diameter and the table of plate
// stresses across the width for the stress graph.

#include <cstdint>
#include <optional>
#include <string>

#include "analysis/AnalysisState.h"
#include "analysis/ResultsFormat.h"
#include "analysis/ResultsView.h"

namespace tidewell {

// Bounds of the number of radial increments of the scan.
inline constexpr int kMinRadialIncrements = 2;
inline constexpr int kMaxRadialIncrements = 1000;

// Below this magnitude (psi at 1000 psi) a bending stress counts as absent at a radius.
inline constexpr double kNegligibleBendingStress = 0.0000001;

// The number of radial increments a stored count stands for: rounded to the nearest whole
// number (halves up), then kept within 2 to 1000. Not a number reads as 2.
int RadialIncrements(double storedCount);

struct PlateFailureSettings {
    std::string materialClass;  // as stored; compared upper-cased
    std::string failureUnit;    // text of the annular failure unit list
    int16_t unitSystem = 0;     // 0 English (inches), non-zero metric (mm)
    int increments = 50;        // radial increments, already bounded by RadialIncrements
    // A recalculation at a typed diameter is running: no diameter is proposed.
    bool recalculatingAtTypedDiameter = false;
};

struct PlateFailureResult {
    FailureFrame frame;                // five buttons, one of 3 and 4 hidden
    std::optional<std::string> error;  // set when the run must stop
};

// Runs the whole evaluation on the loaded state (inputs set, ResetResults called,
// DesignStrength chosen): fills PlateFailurePressures, PlateFailureRadii, PlateFailureMode,
// PlateStressTable and FailurePressure and returns the captions.
PlateFailureResult FindPlateFailurePressures(AnalysisState& s, const PlateFailureSettings& settings,
                                             ResultsFormatter& format);

}  // namespace tidewell
