// The thick-walled tube against the Lame solution (stresses anywhere in the wall, radial
// displacement from Hooke's law), and buckling pressures against hand values.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::RowName;

using testing::kPiExact;

struct ShellCase {
    std::string name;
    int16_t code;
    double innerRadius;
    double outerRadius;
    double length;
    double E;
    double nu;
    double density;
    bool internal;
    double pressure;
    double evalRadius;  // where the point stresses are checked, between a and b
};

AnalysisState StateFor(const ShellCase& c) {
    AnalysisState s;
    s.ComponentCode = c.code;
    s.InnerRadius = c.innerRadius;
    s.OuterRadius = c.outerRadius;
    s.WallThickness = c.outerRadius - c.innerRadius;
    s.MeanRadius = (c.innerRadius + c.outerRadius) / 2;
    s.BodyLength = c.length;
    s.YoungsModulus = c.E;
    s.PoissonRatio = c.nu;
    s.Density = c.density;
    s.PressureDirection = c.internal ? kInternalPressure : kExternalPressure;
    s.PressureSign = c.internal ? 1 : -1;
    ResetResults(s);
    return s;
}

// Principal stresses of a thick-walled closed cylinder under inner pressure pi and outer pressure
// po at radius r (Lame): radial A - B / r^2, hoop A + B / r^2, axial the end load over the wall.
struct TubeLame {
    double a, b, pi, po;
    double A() const { return (pi * a * a - po * b * b) / (b * b - a * a); }
    double B() const { return (pi - po) * a * a * b * b / (b * b - a * a); }
    double Radial(double r) const { return A() - B() / (r * r); }
    double Hoop(double r) const { return A() + B() / (r * r); }
    double Axial() const { return A(); }
    // u = r * hoop strain.
    double Displacement(double r, double E, double nu) const {
        return r / E * (Hoop(r) - nu * (Radial(r) + Axial()));
    }
    double AxialStrain(double E, double nu) const {
        return (Axial() - nu * (Radial(a) + Hoop(a))) / E;
    }
};

// The state of a case after one stress run at its pressure and evaluation radius.
AnalysisState Computed(const ShellCase& c) {
    AnalysisState s = StateFor(c);
    ComputeStresses(s, c.pressure, c.evalRadius, 0, 0, 2, 0);
    return s;
}

double VonMises(double s1, double s2, double s3) {
    return std::sqrt(((s1 - s2) * (s1 - s2) + (s2 - s3) * (s2 - s3) + (s3 - s1) * (s3 - s1)) / 2);
}

void ExpectRel(double actual, double expected, double tol, const char* what) {
    EXPECT_NEAR(actual, expected, tol * std::fabs(expected) + 1e-12) << what;
}

class TubeLameTest : public ::testing::TestWithParam<ShellCase> {};

TEST_P(TubeLameTest, ThickWallMatchesLame) {
    const ShellCase c = GetParam();
    AnalysisState s = Computed(c);
    const double p = c.pressure;
    const TubeLame lame{c.innerRadius, c.outerRadius, c.internal ? p : 0, c.internal ? 0 : p};
    const double r = c.evalRadius;
    const double a = c.innerRadius;
    const double b = c.outerRadius;

    ExpectRel(s.AxialStressAtR, lame.Axial(), 1e-12, "axial at r");
    ExpectRel(s.HoopStressAtR, lame.Hoop(r), 1e-12, "hoop at r");
    ExpectRel(s.RadialStressAtR, lame.Radial(r), 1e-12, "radial at r");
    ExpectRel(s.ThickEquivalentStress, VonMises(lame.Axial(), lame.Hoop(r), lame.Radial(r)), 1e-12,
              "equivalent at r");
    // The largest hoop stress is at the bore; the largest radial stress is the pressure.
    ExpectRel(s.ThickHoopStress, lame.Hoop(a), 1e-12, "hoop at bore");
    ExpectRel(s.ThickAxialStress, lame.Axial(), 1e-12, "axial");
    EXPECT_DOUBLE_EQ(s.ThickRadialStress, -p);
    // Largest shear at the bore: half the difference of hoop and radial stress there.
    ExpectRel(s.MaxShearStress, (lame.Hoop(a) - lame.Radial(a)) / 2, 1e-12, "max shear");
    ExpectRel(s.ThickInnerRadiusChange, lame.Displacement(a, c.E, c.nu), 1e-12, "inner u");
    ExpectRel(s.ThickOuterRadiusChange, lame.Displacement(b, c.E, c.nu), 1e-12, "outer u");
    ExpectRel(s.ThickLengthChange, c.length * lame.AxialStrain(c.E, c.nu), 1e-12, "length");
    EXPECT_FALSE(s.ResultNotFinite);
}

INSTANTIATE_TEST_SUITE_P(Tubes, TubeLameTest,
                         ::testing::Values(ShellCase{"SteelInternalBore", kTubeComponent, 2.0, 2.5,
                                                     20, 30e6, 0.3, 0.283, true, 1500, 2.0},
                                           ShellCase{"SteelInternalMidWall", kTubeComponent, 2.0,
                                                     2.5, 20, 30e6, 0.3, 0.283, true, 1500, 2.27},
                                           ShellCase{"AluminumExternalBore", kTubeComponent, 3.0,
                                                     3.75, 12, 10e6, 0.33, 0.098, false, 2500, 3.0},
                                           ShellCase{"ThinAcrylicExternal", kTubeComponent, 5.0,
                                                     5.25, 30, 450e3, 0.37, 0.043, false, 100,
                                                     5.1}),
                         RowName<ShellCase>);

struct BucklingCase {
    std::string name;
    int16_t code;
    double R, t, L, E, nu;
    int16_t lobes;
    double expected;  // psi, worked by hand
    double tolerance;
};

class ShellBucklingTest : public ::testing::TestWithParam<BucklingCase> {};

TEST_P(ShellBucklingTest, MatchesHandValue) {
    const BucklingCase c = GetParam();
    AnalysisState s;
    s.ComponentCode = c.code;
    s.InnerRadius = c.R - c.t / 2;
    s.OuterRadius = c.R + c.t / 2;
    s.MeanRadius = c.R;
    s.WallThickness = c.t;
    s.BodyLength = c.L;
    s.YoungsModulus = c.E;
    s.PoissonRatio = c.nu;
    s.PressureDirection = kExternalPressure;
    s.PressureSign = -1;
    ComputeStresses(s, 100, s.InnerRadius, 0, 0, c.lobes, 0);
    EXPECT_NEAR(s.BucklingPressure, c.expected, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Buckling, ShellBucklingTest,
    ::testing::Values(
        // x = 20/pi, y = pi/20: f = 1.450e-4 + 3.846e-3; 3e6 * f * 0.8 / 1.01234 = 9461
        BucklingCase{"TubeTwoLobes", kTubeComponent, 1, 0.1, 10, 30e6, 0.3, 2, 9461, 5},
        // x = 30/pi: f = 1/(9*92.19^2) + 0.0082418*1.0221 = 8.437e-3; * 3e6*0.8/1.00548 = 20139
        // 0.365 * 30e6 * 0.01 / 1
        BucklingCase{"Sphere", kSphereComponent, 1, 0.1, 0, 30e6, 0.3, 2, 109500, 1e-6}),
    RowName<BucklingCase>);

}  // namespace
}  // namespace tidewell
