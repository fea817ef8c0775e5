// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Endcaps other than the annular plate: the conical endcap (membrane theory, Roark 6th ed. thin
// wall case 2a) and the flat circular plate under uniform pressure (cases 10a simply supported
// and 10b fixed). The hemispherical endcap runs the spherical-shell branch.

#include <cmath>
#include <limits>

#include "analysis/ComponentStresses.h"
#include "analysis/StressEngine.h"

namespace tidewell {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr int16_t kSimplySupportedEdge = 0;
constexpr int16_t kFixedEdge = 1;

}  // namespace

bool ConicalEndcapStresses(AnalysisState& s, double p) {
    const double a = s.InnerRadius;
    const double b = s.OuterRadius;
    const double R = s.MeanRadius;
    const double t = s.WallThickness;
    const double h = s.ConeHeight;
    const double E = s.YoungsModulus;
    const double nu = s.PoissonRatio;
    const double sp = s.PressureSign * p;

    // Outer solid cone less the inner cone; the outer cone displaces the water.
    s.WeightInAir = (b * b * kPi * h / 3 - a * a * kPi * (2 * s.ConeMidHeight - h) / 3) * s.Density;
    s.WeightInWater = s.WeightInAir - b * b * kPi * h / 3 * kSeaWaterDensity;

    // The load on the full outer circle carried by the annular base of the wall.
    s.SeatStress = sp * b * b / (b * b - a * a);

    const std::optional<double> halfAngle = ConeHalfAngle(2 * a, 2 * b, h);
    if (!halfAngle) s.ConeAngleNotConverged = true;
    // Without an angle there is no answer: NaN marks every cone result as unusable.
    const double alpha = halfAngle.value_or(kNaN);
    const double cosA = std::cos(alpha);
    const double sinA = std::sin(alpha);
    const double tanA = std::tan(alpha);

    s.ThinAxialStress = sp * R / (2 * t * cosA);  // meridional
    s.ThinHoopStress = 2 * s.ThinAxialStress;
    s.ThinOuterRadiusChange = sp * R * R * (1 - nu / 2) / (E * t * cosA);
    s.ThinInnerRadiusChange = s.ThinOuterRadiusChange;
    // Change of height: the membrane strains integrated along the meridian give a factor
    // 1 / sin(alpha) (axial projection of the meridian stretch and of the radial growth).
    s.ThinLengthChange = sp * R * R * (1 - 2 * nu - 3 * tanA * tanA) / (4 * E * t * sinA);
    s.MeridianRotation = 3 * sp * R * tanA / (2 * E * t * cosA);
    const double sa = s.ThinAxialStress;
    const double sh = s.ThinHoopStress;
    s.ThinEquivalentStress = std::sqrt((sa * sa + sh * sh + (sa - sh) * (sa - sh)) / 2);

    return AllFinite({s.WeightInAir, s.WeightInWater, s.SeatStress, s.ThinAxialStress,
                      s.ThinHoopStress, s.ThinOuterRadiusChange, s.ThinLengthChange,
                      s.MeridianRotation, s.ThinEquivalentStress});
}

bool FlatCircularPlateStresses(AnalysisState& s, double p, double r) {
    const double a = s.OuterRadius;   // unsupported (free) radius
    const double Rp = s.InnerRadius;  // the plate's full radius, resting on the seat outside a
    const double t = s.WallThickness;
    const double E = s.YoungsModulus;
    const double nu = s.PoissonRatio;

    s.WeightInAir = Rp * Rp * kPi * t * s.Density;
    s.WeightInWater = Rp * Rp * kPi * t * (s.Density - kSeaWaterDensity);

    const double D = E * t * t * t / (12 * (1 - nu * nu));  // flexural rigidity

    // Load terms of the uniform pressure at r.
    const double loadY = -p * r * r * r * r * (1.0 / 64) / D;
    const double loadSlope = -p * r * r * r * (1.0 / 16) / D;
    const double loadMoment = -p * r * r * (3 + nu) / 16;

    double centerMoment;
    double edgeMoment;
    if (s.EdgeRestraint == kSimplySupportedEdge) {
        s.CenterDeflection = -p * a * a * a * a * (5 + nu) / (64 * D * (1 + nu));
        centerMoment = p * a * a * (3 + nu) / 16;
        s.OuterEdgeSlope = p * a * a * a / (8 * D * (1 + nu));
        edgeMoment = 0;
    } else if (s.EdgeRestraint == kFixedEdge) {
        s.CenterDeflection = -p * a * a * a * a / (64 * D);
        centerMoment = p * a * a * (1 + nu) / 16;
        s.OuterEdgeSlope = 0;
        edgeMoment = -p * a * a / 8;
    } else {
        // No restraint chosen: there is no plate solution, and zero moments would pass for a
        // plate that never fails. NaN makes the caller stop instead.
        s.UnknownEdgeRestraint = true;
        s.CenterDeflection = kNaN;
        s.OuterEdgeSlope = kNaN;
        centerMoment = kNaN;
        edgeMoment = kNaN;
    }

    s.PlateDeflectionAtR = s.CenterDeflection + centerMoment * r * r / (2 * D * (1 + nu)) + loadY;
    s.PlateSlopeAtR = centerMoment * r / (D * (1 + nu)) + loadSlope;
    s.RadialMomentAtR = centerMoment + loadMoment;
    // At the centre both moments are equal (the slope term tends to the same limit).
    s.TangentialMomentAtR = r > 0 ? (1 - nu * nu) * s.PlateSlopeAtR * D / r + nu * s.RadialMomentAtR
                                  : s.RadialMomentAtR;
    s.ShearForceAtR = 0;

    // Pressure on the whole plate carried by the seat ring between a and Rp.
    s.SeatStress = a < Rp ? s.PressureSign * p * Rp * Rp / (Rp * Rp - a * a) : 0.0;

    // Bending stresses as magnitudes.
    s.OuterEdgeRadialStress = std::fabs(6 * edgeMoment / (t * t));
    s.CenterStress = std::fabs(6 * centerMoment / (t * t));
    s.PlateRadialStressAtR = std::fabs(6 * s.RadialMomentAtR / (t * t));
    s.PlateTangentialStressAtR = std::fabs(6 * s.TangentialMomentAtR / (t * t));

    // Load on the unsupported disc over the cylinder of radius a and height t.
    s.OuterEdgeShearStress = -(a * a * p * kPi) / (kTwoPi * a * t);

    return AllFinite({s.WeightInAir, s.WeightInWater, s.CenterDeflection, s.OuterEdgeSlope,
                      s.PlateDeflectionAtR, s.PlateSlopeAtR, s.RadialMomentAtR,
                      s.TangentialMomentAtR, s.SeatStress, s.OuterEdgeRadialStress, s.CenterStress,
                      s.PlateRadialStressAtR, s.PlateTangentialStressAtR, s.OuterEdgeShearStress});
}

}  // namespace tidewell
