// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysis/CollapseEstimate.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/DesignValidation.h"

namespace tidewell {

namespace {

constexpr double kCirclePi = 3.14159265358979323846;

// p_r / p_y at x = 0, 0.25, 0.5, ... 7 (cylinders) and x = 0, 0.5, ... 6.5 (spheres): the
// lower-bound curves of current pressure-vessel practice for shells under external pressure.
constexpr double kCylinderStep = 0.25;
constexpr std::array<double, 29> kCylinderCurve = {
    0,   .125, .251, .375, .5,   .605, .68,  .72,  .755, .78,  .803, .822, .836, .849, .861,
    .87, .879, .887, .896, .905, .914, .917, .923, .929, .935, .941, .947, .953, .959};
constexpr double kSphereStep = 0.5;
constexpr std::array<double, 14> kSphereCurve = {0,    .09, .18,  .255, .324, .386, .435,
                                                 .479, .51, .533, .548, .565, .567, .57};

template <size_t N>
double Interpolate(const std::array<double, N>& curve, double step, double x) {
    if (!(x > 0)) return 0.0;
    const double position = x / step;
    if (!(position < static_cast<double>(N - 1))) return curve[N - 1];
    const auto below = static_cast<size_t>(position);
    const double fraction = position - static_cast<double>(below);
    return curve[below] + fraction * (curve[below + 1] - curve[below]);
}

// The lobe counts of the cylinder's buckling search: as the failure search bounds its own.
constexpr int kFirstLobes = 2;
constexpr int kPlainLobeLimit = 20;
constexpr int kMaxLobes = 1000;

// E t eps_n / R for n lobes, Z = pi R / L.
double CylinderLobePressure(double youngsModulus, double poissonRatio, double meanRadius,
                            double thickness, double z, int lobes) {
    const double n2 = static_cast<double>(lobes) * lobes;
    const double z2 = z * z;
    const double shape = n2 / z2 + 1.0;
    const double bending = n2 - 1.0 + z2;
    const double epsilon = (1.0 / (n2 - 1.0 + z2 / 2.0)) *
                           (1.0 / (shape * shape) + thickness * thickness * bending * bending /
                                                        (12.0 * meanRadius * meanRadius *
                                                         (1.0 - poissonRatio * poissonRatio)));
    return youngsModulus * thickness * epsilon / meanRadius;
}

bool Positive(double value) {
    return value > 0 && std::isfinite(value);
}

const char* NotAssessedReason(const AnalysisState& s) {
    if (s.PressureDirection != kExternalPressure) {
        return "The collapse estimate is made for external pressure only.";
    }
    switch (s.ComponentCode) {
        case kConeComponent:
            return "A conical endcap has no interaction curve here.";
        case kCircularPlateComponent:
        case kAnnularPlateComponent:
            return "A flat plate fails in bending, not by shell collapse.";
        default:
            return "The collapse estimate covers tubes, spheres and "
                   "hemispherical endcaps.";
    }
}

}  // namespace

double CylinderInteractionFactor(double x) {
    return Interpolate(kCylinderCurve, kCylinderStep, x);
}

double SphereInteractionFactor(double x) {
    return Interpolate(kSphereCurve, kSphereStep, x);
}

CylinderBuckling CylinderElasticBuckling(double youngsModulus, double poissonRatio,
                                         double meanRadius, double thickness, double length) {
    const double z = kCirclePi * meanRadius / length;
    CylinderBuckling lowest;
    double previous = 0;
    for (int n = kFirstLobes; n <= kMaxLobes; ++n) {
        const double pressure =
            CylinderLobePressure(youngsModulus, poissonRatio, meanRadius, thickness, z, n);
        if (n > kPlainLobeLimit && !(pressure < previous)) break;
        if (n == kFirstLobes || pressure < lowest.pressure) lowest = {pressure, n};
        previous = pressure;
    }
    return lowest;
}

double SphereElasticBuckling(double youngsModulus, double poissonRatio, double meanRadius,
                             double thickness) {
    return 2.0 * youngsModulus * thickness * thickness /
           (meanRadius * meanRadius * std::sqrt(3.0 * (1.0 - poissonRatio * poissonRatio)));
}

double OutOfRoundPressure(double strength, double meanRadius, double thickness,
                          double elasticPressure, double outOfRoundness) {
    const double slenderness = meanRadius / thickness;
    const double yieldPressure = strength / slenderness;
    const double b = yieldPressure + (1.0 + 3.0 * slenderness * outOfRoundness) * elasticPressure;
    const double c = yieldPressure * elasticPressure;
    // The smaller root written without the difference of two near-equal numbers.
    return 2.0 * c / (b + std::sqrt(std::max(0.0, b * b - 4.0 * c)));
}

double CollapseStrength(const AnalysisState& s, const std::string& materialClass,
                        int16_t useWorkingStrength) {
    if (IsGlassOrCeramic(materialClass)) return s.SecondStrength;
    if (useWorkingStrength != 0 && IsPlastic(materialClass)) return s.SecondStrength;
    return s.YieldStrength;
}

CollapseEstimate EstimateCollapse(const AnalysisState& s, const std::string& materialClass,
                                  int16_t useWorkingStrength, double outOfRoundness) {
    CollapseEstimate estimate;
    const bool tube = s.ComponentCode == kTubeComponent;
    const bool sphere = s.ComponentCode == kSphereComponent ||
                        s.ComponentCode == kHemisphereComponent ||
                        s.ComponentCode == kHemiEndcapComponent;
    if (s.PressureDirection != kExternalPressure || !(tube || sphere)) {
        estimate.notAssessedReason = NotAssessedReason(s);
        return estimate;
    }
    const double t = s.WallThickness;
    const double radius = s.OuterRadius - t / 2.0;
    const double strength = CollapseStrength(s, materialClass, useWorkingStrength);
    const bool usable = Positive(t) && Positive(radius) && Positive(strength) &&
                        Positive(s.YoungsModulus) && s.PoissonRatio >= 0 && s.PoissonRatio < 0.5 &&
                        (!tube || Positive(s.BodyLength)) &&
                        (!tube || (outOfRoundness >= 0 && outOfRoundness < kMaxOutOfRoundness));
    if (!usable) {
        estimate.notAssessedReason =
            "The design's dimensions or material strength do not allow it.";
        return estimate;
    }
    estimate.tube = tube;
    if (tube) {
        const CylinderBuckling buckling =
            CylinderElasticBuckling(s.YoungsModulus, s.PoissonRatio, radius, t, s.BodyLength);
        estimate.elasticPressure = buckling.pressure;
        estimate.lobes = buckling.lobes;
        estimate.yieldPressure = strength * t / radius;
    } else {
        estimate.elasticPressure =
            SphereElasticBuckling(s.YoungsModulus, s.PoissonRatio, radius, t);
        estimate.yieldPressure = 2.0 * strength * t / radius;
    }
    const double x = estimate.elasticPressure / estimate.yieldPressure;
    estimate.interactionPressure =
        estimate.yieldPressure * (tube ? CylinderInteractionFactor(x) : SphereInteractionFactor(x));
    estimate.estimate = estimate.interactionPressure;
    if (tube) {
        estimate.outOfRoundness = outOfRoundness;
        estimate.outOfRoundPressure =
            OutOfRoundPressure(strength, radius, t, estimate.elasticPressure, outOfRoundness);
        if (estimate.outOfRoundPressure < estimate.interactionPressure) {
            estimate.estimate = estimate.outOfRoundPressure;
            estimate.governing = CollapseGoverning::OutOfRoundness;
        }
    }
    // Extreme inputs that overflow are refused rather than shown.
    if (!std::isfinite(estimate.estimate) || !std::isfinite(estimate.elasticPressure)) {
        CollapseEstimate refused;
        refused.notAssessedReason = "The design's dimensions or material strength do not allow it.";
        return refused;
    }
    estimate.assessed = true;
    return estimate;
}

const char* GoverningText(CollapseGoverning governing) {
    return governing == CollapseGoverning::OutOfRoundness ? "out-of-roundness"
                                                          : "interaction curve";
}

}  // namespace tidewell
