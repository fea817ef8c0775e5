// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/Advisories.h"

#include <algorithm>
#include <cmath>

namespace tidewell {

namespace {

// Within this ratio of each other, buckling and strength interact.
constexpr double kInteractionRatio = 2.0;
// Within this fraction of the infinitely long tube's pressure, a tube counts as long.
constexpr double kLongTubeMargin = 0.10;

bool IsShellUnderBucklingCheck(int16_t code) {
    return code == kTubeComponent || code == kSphereComponent || code == kHemisphereComponent ||
           code == kHemiEndcapComponent || code == kConeComponent;
}

}  // namespace

double InfinitelyLongTubePressure(double youngsModulus, double poissonRatio, double thickness,
                                  double meanDiameter) {
    const double ratio = thickness / meanDiameter;
    return 2.0 * youngsModulus / (1.0 - poissonRatio * poissonRatio) * ratio * ratio * ratio;
}

InteractionAdvice AdviseInteraction(const AnalysisState& s, const CollapseEstimate& collapse) {
    InteractionAdvice advice;
    if (s.PressureDirection != kExternalPressure || !IsShellUnderBucklingCheck(s.ComponentCode)) {
        return advice;
    }
    if (collapse.assessed) {
        advice.collapseEstimate = collapse.estimate;
        advice.governingFailurePressure = s.FailurePressure;
        advice.collapseLow = s.FailurePressure > 0 && s.FailurePressure < kNotApplicablePressure &&
                             s.FailurePressure > kCollapseNoteRatio * collapse.estimate;
    }
    const double buckling = s.BucklingPressure;
    const double strength = s.ShellFailurePressure;
    const bool bothApply = buckling > 0 && buckling < kNotApplicablePressure && strength > 0 &&
                           strength < kNotApplicablePressure;
    if (!bothApply) return advice;
    advice.bucklingPressure = buckling;
    advice.strengthPressure = strength;
    advice.interaction =
        std::max(buckling, strength) <= kInteractionRatio * std::min(buckling, strength);
    if (s.ComponentCode == kTubeComponent) {
        advice.infiniteTubePressure = InfinitelyLongTubePressure(
            s.YoungsModulus, s.PoissonRatio, s.WallThickness, 2.0 * s.MeanRadius);
        advice.longTube =
            advice.infiniteTubePressure > 0 && std::fabs(buckling - advice.infiniteTubePressure) <=
                                                   kLongTubeMargin * advice.infiniteTubePressure;
    }
    return advice;
}

}  // namespace tidewell
