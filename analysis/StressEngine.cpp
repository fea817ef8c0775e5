// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Entry of the stress engine: dispatch on the component, wall-theory selection, reset of the
// result state, and the half-angle of a conical endcap.

#include "analysis/StressEngine.h"

#include <cmath>

#include "analysis/ComponentStresses.h"

namespace tidewell {

bool AllFinite(std::initializer_list<double> values) {
    // 0 * x is 0 for every finite x and NaN for NaN or infinity, so one test covers them all
    // without the overflow a plain sum could meet.
    double probe = 0.0;
    for (double v : values) probe += 0.0 * v;
    return probe == 0.0;
}

void ResetResults(AnalysisState& s) {
    s.LobeCount = 2;
    s.BucklingPressure = 0;
    s.ShellFailurePressure = 0;
    s.WeightInAir = 0;
    s.WeightInWater = 0;

    s.ThinAxialStress = 0;
    s.ThinHoopStress = 0;
    s.ThinRadialStress = 0;
    s.ThinInnerRadiusChange = 0;
    s.ThinOuterRadiusChange = 0;
    s.ThinLengthChange = 0;

    s.ThickAxialStress = 0;
    s.ThickHoopStress = 0;
    s.ThickRadialStress = 0;
    s.ThickInnerRadiusChange = 0;
    s.ThickOuterRadiusChange = 0;
    s.ThickLengthChange = 0;

    s.AxialStress = 0;
    s.HoopStress = 0;
    s.RadialStress = 0;
    s.MaxShearStress = 0;
    s.InnerRadiusChange = 0;
    s.OuterRadiusChange = 0;
    s.LengthChange = 0;
}

namespace {

// Chooses the thin- or thick-wall set as the current set. Plates keep their own results; the
// cone has only membrane (thin-wall) formulas; other shells are thin when R / t > 10 unless
// the design forces the thick-wall equations.
void SelectWallTheory(AnalysisState& s) {
    if (s.ComponentCode == kAnnularPlateComponent || s.ComponentCode == kCircularPlateComponent) {
        s.WallTheory = kThickWallText;
        return;
    }
    const bool thin = s.ComponentCode == kConeComponent ||
                      (!s.ForceThickWall && s.MeanRadius / s.WallThickness > 10);
    if (thin) {
        s.AxialStress = s.ThinAxialStress;
        s.HoopStress = s.ThinHoopStress;
        s.RadialStress = s.ThinRadialStress;
        s.EquivalentStress = s.ThinEquivalentStress;
        s.InnerRadiusChange = s.ThinInnerRadiusChange;
        s.OuterRadiusChange = s.ThinOuterRadiusChange;
        s.LengthChange = s.ThinLengthChange;
        s.WallTheory = kThinWallText;
    } else {
        s.AxialStress = s.ThickAxialStress;
        s.HoopStress = s.ThickHoopStress;
        s.RadialStress = s.ThickRadialStress;
        s.EquivalentStress = s.ThickEquivalentStress;
        s.InnerRadiusChange = s.ThickInnerRadiusChange;
        s.OuterRadiusChange = s.ThickOuterRadiusChange;
        s.LengthChange = s.ThickLengthChange;
        s.WallTheory = kThickWallText;
    }
}

}  // namespace

void ComputeStresses(AnalysisState& s, double p, double r, double r0, double w, int16_t n,
                     int16_t lineLoadFlag) {
    s.WallTheory.clear();
    s.ConeAngleNotConverged = false;
    s.UnknownEdgeRestraint = false;
    bool finite = true;
    switch (s.ComponentCode) {
        case kTubeComponent:
            finite = TubeStresses(s, p, r, n);
            break;
        case kSphereComponent:
        case kHemisphereComponent:
        case kHemiEndcapComponent:
            finite = SphericalShellStresses(s, p, r);
            break;
        case kConeComponent:
            finite = ConicalEndcapStresses(s, p);
            break;
        case kCircularPlateComponent:
            finite = FlatCircularPlateStresses(s, p, r);
            break;
        case kAnnularPlateComponent:
            finite = AnnularPlateStresses(s, p, r, r0, w, lineLoadFlag);
            break;
        default:
            break;  // not a component: nothing to compute
    }
    SelectWallTheory(s);
    s.ResultNotFinite = !finite;
}

std::optional<double> ConeHalfAngle(double d1, double d2, double h) {
    const double meanBaseRadius = (d1 + d2) / 4;
    const double halfWallSpan = (d2 - d1) / 4;
    double theta = kPi / 4;
    double tanTheta = std::tan(theta);  // carried along: tan(atan(x)) is x
    for (int round = 0; round < kConeHalfAngleMaxRounds; ++round) {
        // halfWallSpan / tan(theta): how far the apex of the mid-surface lies below the apex of
        // the outer surface for half-angle theta.
        const double tanNew = meanBaseRadius / (h - halfWallSpan / tanTheta);
        const double thetaNew = std::atan(tanNew);
        if (!std::isfinite(thetaNew)) return std::nullopt;
        if (std::fabs(thetaNew / theta - 1) < 0.00001) return thetaNew;
        theta = thetaNew;
        tanTheta = tanNew;
    }
    return std::nullopt;
}

}  // namespace tidewell
