// Conical endcap checked against membrane equilibrium and the membrane strains integrated along the
// meridian, its weight from solid geometry, and the fixed circular plate against its hand values.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::RowName;

using testing::kPiExact;

void ExpectRel(double actual, double expected, double tol, const std::string& what) {
    EXPECT_NEAR(actual, expected, tol * std::fabs(expected) + 1e-12) << what;
}

// ---- Conical endcap ----

struct ConeCase {
    std::string name;
    double innerDiameter, outerDiameter, height;
    double E, nu;
    bool internal;
    double pressure;
};

AnalysisState ConeState(const ConeCase& c) {
    AnalysisState s;
    s.ComponentCode = kConeComponent;
    s.InnerRadius = c.innerDiameter / 2;
    s.OuterRadius = c.outerDiameter / 2;
    s.WallThickness = 0.25;
    s.MeanRadius = (s.InnerRadius + s.OuterRadius) / 2;
    s.ConeHeight = c.height;
    // As the results builder sets it.
    s.ConeMidHeight = c.height - ((s.OuterRadius - s.InnerRadius) / 2) / (s.OuterRadius / c.height);
    s.YoungsModulus = c.E;
    s.PoissonRatio = c.nu;
    s.Density = 0.283;
    s.PressureDirection = c.internal ? kInternalPressure : kExternalPressure;
    s.PressureSign = c.internal ? 1 : -1;
    ResetResults(s);
    return s;
}

// Membrane displacements of a cone closed at its apex, found by integrating the strains along
// the meridian (arc length from the apex) rather than from closed forms.
struct ConeMembrane {
    double alpha;  // half-angle from the axis
    double k;      // signed pressure / (E t cos alpha)
    double nu;
    // Stresses at the point of radius rho are proportional to rho = s sin(alpha).
    double MeridionalStrain(double s) const { return k * s * std::sin(alpha) * (0.5 - nu); }
    double HoopStrain(double s) const { return k * s * std::sin(alpha) * (1 - nu / 2); }
    double RadialDisplacement(double s) const { return s * std::sin(alpha) * HoopStrain(s); }
    double MeridionalDisplacement(double s) const {  // trapezoid rule, apex held
        const int steps = 2000;
        double sum = 0;
        for (int i = 0; i < steps; ++i) {
            const double s0 = s * i / steps, s1 = s * (i + 1) / steps;
            sum += (MeridionalStrain(s0) + MeridionalStrain(s1)) / 2 * (s1 - s0);
        }
        return sum;
    }
    // Displacement along the axis, away from the apex.
    double AxialDisplacement(double s) const {
        return (MeridionalDisplacement(s) - RadialDisplacement(s) * std::sin(alpha)) /
               std::cos(alpha);
    }
    // Outward normal displacement; its derivative along the meridian is the rotation.
    double NormalDisplacement(double s) const {
        return RadialDisplacement(s) * std::cos(alpha) - AxialDisplacement(s) * std::sin(alpha);
    }
};

class ConeMembraneTest : public ::testing::TestWithParam<ConeCase> {};

TEST_P(ConeMembraneTest, MatchesEquilibriumAndIntegratedStrains) {
    const ConeCase c = GetParam();
    AnalysisState s = ConeState(c);
    ComputeStresses(s, c.pressure, s.InnerRadius, 0, 0, 2, 0);
    ASSERT_FALSE(s.ResultNotFinite);
    ASSERT_FALSE(s.ConeAngleNotConverged);

    const double alpha = std::atan(c.outerDiameter / (2 * c.height));
    const double R = s.MeanRadius;
    const double t = s.WallThickness;
    const double sp = (c.internal ? 1 : -1) * c.pressure;
    // Cap of radius R: p pi R^2 = meridional * 2 pi R t * cos(alpha).
    const double meridional = sp * kPiExact * R * R / (2 * kPiExact * R * t * std::cos(alpha));
    // Meridian straight (no curvature), hoop radius R / cos(alpha): hoop = p (R / cos) / t.
    const double hoop = sp * (R / std::cos(alpha)) / t;
    const double tol = 1e-4;  // the half-angle iteration stops within about 1e-5
    ExpectRel(s.ThinAxialStress, meridional, tol, "meridional");
    ExpectRel(s.ThinHoopStress, hoop, tol, "hoop");
    ExpectRel(s.ThinEquivalentStress,
              std::sqrt(meridional * meridional + hoop * hoop - meridional * hoop), tol,
              "equivalent");
    ExpectRel(s.ThinOuterRadiusChange, R * (hoop - c.nu * meridional) / c.E, tol, "radius");
    EXPECT_EQ(s.ThinInnerRadiusChange, s.ThinOuterRadiusChange);

    const ConeMembrane m{alpha, sp / (c.E * t * std::cos(alpha)), c.nu};
    const double meridianLength = R / std::sin(alpha);
    ExpectRel(s.ThinLengthChange, m.AxialDisplacement(meridianLength), tol, "height change");
    const double ds = meridianLength * 1e-4;
    const double rotation =
        (m.NormalDisplacement(meridianLength + ds) - m.NormalDisplacement(meridianLength - ds)) /
        (2 * ds);
    ExpectRel(s.MeridianRotation, rotation, tol, "meridian rotation");

    const double a = s.InnerRadius, b = s.OuterRadius;
    ExpectRel(s.SeatStress, sp * b * b / (b * b - a * a), 1e-12, "seat");
    EXPECT_EQ(s.WallTheory, "Thin Wall");
    EXPECT_EQ(s.ThickHoopStress, 0.0) << "no thick-wall formula for the cone";
}

TEST_P(ConeMembraneTest, WeightIsSolidConeLessSimilarInnerCone) {
    const ConeCase c = GetParam();
    AnalysisState s = ConeState(c);
    ComputeStresses(s, c.pressure, s.InnerRadius, 0, 0, 2, 0);
    const double a = s.InnerRadius, b = s.OuterRadius, h = c.height;
    const double outer = kPiExact * b * b * h / 3;
    const double inner = kPiExact * a * a * (a * h / b) / 3;  // same apex angle, base radius a
    ExpectRel(s.WeightInAir, (outer - inner) * s.Density, 1e-9, "air");
    ExpectRel(s.WeightInWater, (outer - inner) * s.Density - outer * 0.03704, 1e-9, "water");
}

INSTANTIATE_TEST_SUITE_P(
    Cones, ConeMembraneTest,
    ::testing::Values(ConeCase{"SteepInternal", 6, 6.6, 12, 30e6, 0.3, true, 500},
                      ConeCase{"FortyFiveExternal", 9.5, 10, 5, 10e6, 0.33, false, 300},
                      ConeCase{"FlatExternal", 6, 14, 0.75, 30e6, 0.3, false, 200}),
    RowName<ConeCase>);

// ---- Flat circular plate ----

struct CircularPlateCase {
    std::string name;
    int16_t restraint;  // 0 simply supported, 1 fixed
    double freeRadius, plateRadius, thickness;
    double E, nu;
    double pressure;
};

AnalysisState PlateState(const CircularPlateCase& c, bool internal = false) {
    AnalysisState s;
    s.ComponentCode = kCircularPlateComponent;
    s.OuterRadius = c.freeRadius;
    s.InnerRadius = c.plateRadius;
    s.WallThickness = c.thickness;
    s.MeanRadius = (c.freeRadius + c.plateRadius) / 2;
    s.YoungsModulus = c.E;
    s.PoissonRatio = c.nu;
    s.Density = 0.1;
    s.EdgeRestraint = c.restraint;
    s.PressureDirection = internal ? kInternalPressure : kExternalPressure;
    s.PressureSign = internal ? 1 : -1;
    return s;
}

TEST(CircularPlateHandValues, FixedEdge) {
    // Solid plate, fixed edge: yc = -p a^4 / (64 D), centre stress 6 p a^2 (1 + nu) / (16 t^2),
    // edge stress 3 p a^2 / (4 t^2). a = 4, t = 0.5, p = 1000, nu = 0.3, E = 30e6.
    const AnalysisState s0 = PlateState({"", 1, 4, 4.5, 0.5, 30e6, 0.3, 1000});
    AnalysisState s = s0;
    ComputeStresses(s, 1000, 0, 0, 0, 2, 0);
    const double D = 30e6 * 0.125 / (12 * 0.91);  // 343406.6
    EXPECT_NEAR(s.CenterDeflection, -1000 * 256 / (64 * D), 1e-12);
    EXPECT_NEAR(s.CenterStress, 31200, 1e-6);           // 6*1000*16*1.3/(16*0.25)
    EXPECT_NEAR(s.OuterEdgeRadialStress, 48000, 1e-6);  // 0.75*1000*16/0.25
    EXPECT_EQ(s.OuterEdgeSlope, 0.0);
}

}  // namespace
}  // namespace tidewell
