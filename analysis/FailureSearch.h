// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Failure pressure search for the shells (tube, sphere, hemisphere, hemispherical and conical
// endcaps) and the flat circular plate: the pressure at which each failure mode is reached, the
// captions of the failure option buttons and the governing mode. The flat annular plate has its
// own evaluation (PlateFailure.h).

#include <cstdint>
#include <optional>
#include <string>

#include "analysis/AnalysisState.h"
#include "analysis/ResultsFormat.h"
#include "analysis/ResultsView.h"

namespace tidewell {

// Relative tolerance and starting pressure of the rescaling searches.
inline constexpr double kSearchTolerance = 0.0001;
inline constexpr double kSearchStartPressure = 1000.0;  // psi
// The stresses are proportional to the pressure, so a search settles on its second evaluation;
// this bound only keeps a broken formula from looping.
inline constexpr int kSearchMaxRounds = 50;

// Pressure (psi) at which the tube buckling lobe count is searched.
inline constexpr double kBucklingTrialPressure = 100.0;
// Lobe counts of the tube buckling search: 2 to 20 always, then on while the buckling pressure
// keeps falling, up to 1000.
inline constexpr int16_t kFirstLobeCount = 2;
inline constexpr int16_t kPlainLobeLimit = 20;
inline constexpr int16_t kMaxLobeCount = 1000;

// What the captions need beyond the analysis state.
struct FailureSearchSettings {
    std::string materialClass;  // as stored; compared upper-cased
    std::string failureUnit;    // text of the failure unit list
    int16_t unitSystem = 0;     // 0 English, non-zero metric (plate location suffixes)
};

struct FailureSearchResult {
    FailureFrame frame;                // four buttons; button 4 hidden for the circular plate
    std::optional<std::string> error;  // set when the run must stop
};

// Runs the buckling, shell, seat and shear searches on the loaded state (inputs set,
// ResetResults called, DesignStrength chosen), writes the failure pressures, LobeCount,
// FailureMode, FailurePressure and, for the flat circular plate, TableEvalRadius, and returns the
// captions. Non-applicable modes end at kNotApplicablePressure.
FailureSearchResult FindFailurePressures(AnalysisState& s, const FailureSearchSettings& settings,
                                         ResultsFormatter& format);

}  // namespace tidewell
