// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Advisories where the method is on its weakest ground: buckling and strength close to each
// other, a tube so long that the buckling formula leaves no margin, and a collapse estimate well
// below the governing failure pressure. They change no figure and show with or without safety
// factors.

#include "analysis/AnalysisState.h"
#include "analysis/CollapseEstimate.h"

namespace tidewell {

// Elastic buckling pressure of an infinitely long tube, 2E/(1 - nu^2) (t/D)^3, D the mean
// diameter (psi).
double InfinitelyLongTubePressure(double youngsModulus, double poissonRatio, double thickness,
                                  double meanDiameter);

struct InteractionAdvice {
    // Buckling and strength failure pressures within a factor of 2 of each other.
    bool interaction = false;
    double bucklingPressure = 0;  // psi
    double strengthPressure = 0;  // psi
    double collapseEstimate = 0;  // psi, the collapse estimate; 0 where it is not assessed
    // A tube so long that its buckling pressure is within 10 % of the infinitely long tube's.
    bool longTube = false;
    double infiniteTubePressure = 0;  // psi
    // The governing failure pressure more than 1.5 times the collapse estimate.
    bool collapseLow = false;
    double governingFailurePressure = 0;  // psi
};

// For the tube, sphere, hemisphere and the hemispherical and conical endcaps under external
// pressure, after the failure search, with the component's collapse estimate; nothing for other
// components or internal pressure.
InteractionAdvice AdviseInteraction(const AnalysisState& s, const CollapseEstimate& collapse);

// Within this ratio of the collapse estimate the governing failure pressure is left without a note.
inline constexpr double kCollapseNoteRatio = 1.5;

}  // namespace tidewell
