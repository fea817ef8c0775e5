// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A collapse estimate of a shell under external pressure as pressure-vessel practice makes it,
// shown beside the classical failure pressures and never changing them. Buckling and yield
// interact, and a real shell's out-of-roundness lowers its collapse pressure: the estimate is the
// lower-bound interaction curve of the elastic buckling and yield pressures and, for a tube, the
// first yield of a ring with initial ellipticity. Pressures in psi, lengths in inches.

#include <cstdint>
#include <string>

#include "analysis/AnalysisState.h"

namespace tidewell {

// The usual fabrication tolerance of a tube's out-of-roundness (D_max - D_min) / D.
inline constexpr double kDefaultOutOfRoundness = 0.005;
// Out-of-roundness is a fraction below this bound (20 %).
inline constexpr double kMaxOutOfRoundness = 0.20;

// The lower-bound interaction curves, p_r / p_y as a function of x = p_m / p_y: linear between
// the table points and held at the last value beyond them.
double CylinderInteractionFactor(double x);
double SphereInteractionFactor(double x);

// Elastic buckling of a simply supported cylinder under lateral and end pressure, the lowest
// over the lobe counts n >= 2 (searched as the failure search does: 2 to 20, then on while the
// pressure keeps falling, up to 1000).
struct CylinderBuckling {
    double pressure = 0;
    int lobes = 0;
};
CylinderBuckling CylinderElasticBuckling(double youngsModulus, double poissonRatio,
                                         double meanRadius, double thickness, double length);

// Elastic buckling of a perfect sphere, 2 E t^2 / (R^2 sqrt(3 (1 - nu^2))).
double SphereElasticBuckling(double youngsModulus, double poissonRatio, double meanRadius,
                             double thickness);

// First yield (first fracture for a brittle material) of a ring of mean radius R and wall t
// whose initial deviation u R / 2 grows as 1 / (1 - p / p_m): the smaller root of
// p^2 - [sigma t/R + (1 + 3 u R/t) p_m] p + sigma (t/R) p_m = 0.
double OutOfRoundPressure(double strength, double meanRadius, double thickness,
                          double elasticPressure, double outOfRoundness);

enum class CollapseGoverning { InteractionCurve, OutOfRoundness };

struct CollapseEstimate {
    bool assessed = false;
    std::string notAssessedReason;  // a whole sentence when not assessed

    bool tube = false;               // tubes also have lobes and the out-of-roundness check
    int lobes = 0;                   // n of the tube's elastic buckling
    double elasticPressure = 0;      // p_m
    double yieldPressure = 0;        // p_y
    double interactionPressure = 0;  // p_r = p_y f(p_m / p_y)
    double outOfRoundness = 0;       // the fraction the tube was assessed with
    double outOfRoundPressure = 0;   // tube only
    double estimate = 0;             // the smaller of the two for a tube, p_r otherwise
    CollapseGoverning governing = CollapseGoverning::InteractionCurve;
};

// The strength the shell-failure check compares with under external pressure: the compressive
// strength for glass and ceramics, the working strength for a plastic with the design's option
// on, the primary strength (yield, or a plastic's ultimate) otherwise.
double CollapseStrength(const AnalysisState& s, const std::string& materialClass,
                        int16_t useWorkingStrength);

// The estimate of the loaded component: tube, sphere, hemisphere and hemispherical endcap under
// external pressure. Every other case is not assessed, with its reason.
CollapseEstimate EstimateCollapse(const AnalysisState& s, const std::string& materialClass,
                                  int16_t useWorkingStrength, double outOfRoundness);

// "interaction curve" or "out-of-roundness".
const char* GoverningText(CollapseGoverning governing);

}  // namespace tidewell
