// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shell bodies: the closed-end tube and the spherical shell (sphere, hemisphere, hemispherical
// endcap). Thick wall from the Lame solutions (Roark 6th ed. tube cases 1a-1d, sphere 2a-2b),
// thin wall from membrane theory (tube 1c, sphere 3a), buckling from tube case 20 and sphere
// case 22. Symbols: a inner radius, b outer radius, R mean radius, t wall, L length.

#include <cmath>

#include "analysis/ComponentStresses.h"
#include "analysis/StressEngine.h"

namespace tidewell {

namespace {

// Von Mises stress of two principal stresses (the third zero).
double BiaxialEquivalent(double sa, double sh) {
    return std::sqrt((sa * sa + sh * sh + (sa - sh) * (sa - sh)) / 2);
}

// Von Mises stress of three principal stresses.
double TriaxialEquivalent(double sa, double sh, double sr) {
    return std::sqrt(((sr - sa) * (sr - sa) + (sa - sh) * (sa - sh) + (sh - sr) * (sh - sr)) / 2);
}

// Elastic buckling pressure of a tube for n circumferential lobes, times the knock-down 0.8.
double TubeBucklingPressure(double E, double nu, double t, double R, double L, int16_t n) {
    const double x = n * L / (R * kPi);
    const double y = R * kPi / (n * L);
    const double f = 1 / (n * n * (x * x + 1) * (x * x + 1)) +
                     (t * t * n * n / (12 * R * R * (1 - nu * nu))) * (y * y + 1) * (y * y + 1);
    return (E * t / R) * f * 0.8 / (0.5 * y * y + 1);
}

}  // namespace

bool TubeStresses(AnalysisState& s, double p, double r, int16_t n) {
    const double a = s.InnerRadius;
    const double b = s.OuterRadius;
    const double R = s.MeanRadius;
    const double t = s.WallThickness;
    const double L = s.BodyLength;
    const double E = s.YoungsModulus;
    const double nu = s.PoissonRatio;
    const double sp = s.PressureSign * p;  // signed pressure, + internal
    const double a2 = a * a;
    const double b2 = b * b;
    const double r2 = r * r;

    // Weights: the wall, and the wall less the sea water the whole outer cylinder displaces.
    s.WeightInAir = (b2 - a2) * kPi * L * s.Density;
    s.WeightInWater = s.WeightInAir - b2 * kPi * L * kSeaWaterDensity;

    // Thin wall (membrane) set.
    s.ThinAxialStress = sp * R / (2 * t);
    s.ThinHoopStress = sp * R / t;
    s.ThinOuterRadiusChange = sp * R * R * (1 - nu / 2) / (E * t);
    s.ThinInnerRadiusChange = s.ThinOuterRadiusChange;
    s.ThinLengthChange = sp * R * L * (0.5 - nu) / (E * t);
    s.ThinEquivalentStress = BiaxialEquivalent(s.ThinAxialStress, s.ThinHoopStress);

    bool bucklingWritten = false;
    if (s.PressureDirection == kInternalPressure) {
        s.AxialStressAtR = p * a2 / (b2 - a2);
        s.HoopStressAtR = p * a2 * (b2 + r2) / (r2 * (b2 - a2));
        s.RadialStressAtR = -p * a2 * (b2 - r2) / (r2 * (b2 - a2));
        s.ThickAxialStress = p * a2 / (b2 - a2);
        s.ThickHoopStress = p * (b2 + a2) / (b2 - a2);
        s.ThickRadialStress = -p;
        s.MaxShearStress = (s.ThickHoopStress - s.ThickRadialStress) / 2;
        s.ThickOuterRadiusChange = p * a2 * b * (2 - nu) / (E * (b2 - a2));
        s.ThickInnerRadiusChange = p * a * (b2 * (1 + nu) + a2 * (1 - 2 * nu)) / (E * (b2 - a2));
        s.ThickLengthChange = p * a2 * L * (1 - 2 * nu) / (E * (b2 - a2));
    } else {
        s.BucklingPressure = TubeBucklingPressure(E, nu, t, R, L, n);
        bucklingWritten = true;
        s.AxialStressAtR = -p * b2 / (b2 - a2);
        s.HoopStressAtR = -p * b2 * (a2 + r2) / (r2 * (b2 - a2));
        s.RadialStressAtR = -p * b2 * (r2 - a2) / (r2 * (b2 - a2));
        s.ThickAxialStress = s.AxialStressAtR;
        s.ThickHoopStress = -2 * p * b2 / (b2 - a2);
        s.ThickRadialStress = -p;
        s.MaxShearStress = s.ThickHoopStress / 2;
        s.ThickOuterRadiusChange = -p * b * (a2 * (1 + nu) + b2 * (1 - 2 * nu)) / (E * (b2 - a2));
        s.ThickInnerRadiusChange = -p * a * b2 * (2 - nu) / (E * (b2 - a2));
        s.ThickLengthChange = -p * b2 * L * (1 - 2 * nu) / (E * (b2 - a2));
    }
    // Equivalent stress of the point stresses at r (not of the maximum stresses).
    s.ThickEquivalentStress =
        TriaxialEquivalent(s.AxialStressAtR, s.HoopStressAtR, s.RadialStressAtR);

    return AllFinite({s.WeightInAir, s.WeightInWater, s.ThinAxialStress, s.ThinHoopStress,
                      s.ThinOuterRadiusChange, s.ThinLengthChange, s.ThinEquivalentStress,
                      s.AxialStressAtR, s.HoopStressAtR, s.RadialStressAtR, s.ThickAxialStress,
                      s.ThickHoopStress, s.ThickRadialStress, s.MaxShearStress,
                      s.ThickOuterRadiusChange, s.ThickInnerRadiusChange, s.ThickLengthChange,
                      s.ThickEquivalentStress, bucklingWritten ? s.BucklingPressure : 0.0});
}

bool SphericalShellStresses(AnalysisState& s, double p, double r) {
    const double a = s.InnerRadius;
    const double b = s.OuterRadius;
    const double R = s.MeanRadius;
    const double t = s.WallThickness;
    const double E = s.YoungsModulus;
    const double nu = s.PoissonRatio;
    const double sp = s.PressureSign * p;
    const double a3 = a * a * a;
    const double b3 = b * b * b;
    const double r3 = r * r * r;

    // Weights of a hemisphere; a full sphere is two of them.
    s.WeightInAir = (b3 - a3) * (2.0 / 3.0) * kPi * s.Density;
    s.WeightInWater = s.WeightInAir - b3 * (2.0 / 3.0) * kPi * kSeaWaterDensity;
    if (s.ComponentCode == kSphereComponent) {
        s.WeightInAir *= 2;
        s.WeightInWater *= 2;
    }

    // Thin wall (membrane) set: equal meridional and hoop stress.
    s.ThinAxialStress = sp * R / (2 * t);
    s.ThinHoopStress = s.ThinAxialStress;
    s.ThinOuterRadiusChange = sp * R * R * (1 - nu) / (2 * E * t);
    s.ThinInnerRadiusChange = s.ThinOuterRadiusChange;
    s.ThinEquivalentStress = BiaxialEquivalent(s.ThinAxialStress, s.ThinHoopStress);

    // The load on the full outer circle carried by the annular rim of the shell.
    s.SeatStress = sp * b * b / (b * b - a * a);

    bool bucklingWritten = false;
    bool shearWritten = false;
    if (s.PressureDirection == kInternalPressure) {
        s.AxialStressAtR = p * a3 * (b3 + 2 * r3) / (2 * r3 * (b3 - a3));
        s.HoopStressAtR = s.AxialStressAtR;
        s.RadialStressAtR = -p * a3 * (b3 - r3) / (r3 * (b3 - a3));
        s.ThickAxialStress = p * (b3 + 2 * a3) / (2 * (b3 - a3));
        s.ThickHoopStress = s.ThickAxialStress;
        s.ThickRadialStress = -p;
        s.MaxShearStress = 3 * p * b3 / (4 * (b3 - a3));
        shearWritten = true;
        s.ThickOuterRadiusChange = 3 * p * a3 * b * (1 - nu) / (2 * E * (b3 - a3));
        s.ThickInnerRadiusChange = (p * a / E) * ((1 - nu) * (b3 + 2 * a3) / (2 * (b3 - a3)) + nu);
    } else {
        s.BucklingPressure = 0.365 * E * t * t / (R * R);
        bucklingWritten = true;
        s.AxialStressAtR = -p * b3 * (a3 + 2 * r3) / (2 * r3 * (b3 - a3));
        s.HoopStressAtR = s.AxialStressAtR;
        s.RadialStressAtR = -p * b3 * (r3 - a3) / (r3 * (b3 - a3));
        s.ThickAxialStress = -3 * p * b3 / (2 * (b3 - a3));
        s.ThickHoopStress = s.ThickAxialStress;
        s.ThickRadialStress = -p;
        s.ThickOuterRadiusChange = -(p * b / E) * ((1 - nu) * (a3 + 2 * b3) / (2 * (b3 - a3)) - nu);
        s.ThickInnerRadiusChange = -3 * p * a * b3 * (1 - nu) / (2 * E * (b3 - a3));
    }
    s.ThickEquivalentStress =
        TriaxialEquivalent(s.AxialStressAtR, s.HoopStressAtR, s.RadialStressAtR);

    return AllFinite({s.WeightInAir, s.WeightInWater, s.ThinAxialStress, s.ThinOuterRadiusChange,
                      s.ThinEquivalentStress, s.SeatStress, s.AxialStressAtR, s.RadialStressAtR,
                      s.ThickAxialStress, s.ThickRadialStress, s.ThickOuterRadiusChange,
                      s.ThickInnerRadiusChange, s.ThickEquivalentStress,
                      shearWritten ? s.MaxShearStress : 0.0,
                      bucklingWritten ? s.BucklingPressure : 0.0});
}

}  // namespace tidewell
