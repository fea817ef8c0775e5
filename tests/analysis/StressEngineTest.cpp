// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The stress engine against mechanics worked here, not its formulas: Lame, cone membrane theory,
// plate solutions (annular: all twelve restraints), hand-worked buckling; and its flags.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "analysis/AnnularPlate.h"
#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using namespace testing;  // EngineState, ExpectRel, kPiExact, RowName

// Lame for a thick wall, pressures pi inside, po outside (k = 2 closed tube, 3 sphere): radial
// A - B / r^k, hoop A + B / ((k - 1) r^k); the third is the tube's axial A or the hoop again.
struct Lame {
    double a, b, pi, po;
    int k;
    double Pow(double x) const { return std::pow(x, k); }
    double A() const { return (pi * Pow(a) - po * Pow(b)) / (Pow(b) - Pow(a)); }
    double B() const { return (pi - po) * Pow(a) * Pow(b) / (Pow(b) - Pow(a)); }
    double Radial(double r) const { return A() - B() / Pow(r); }
    double Hoop(double r) const { return A() + B() / ((k - 1) * Pow(r)); }
    double Third(double r) const { return k == 2 ? A() : Hoop(r); }
    // u = r * hoop strain.
    double Displacement(double r, double E, double nu) const {
        return r / E * (Hoop(r) - nu * (Radial(r) + Third(r)));
    }
    double AxialStrain(double E, double nu) const { return (A() - nu * (Radial(a) + Hoop(a))) / E; }
};

double VonMises(double s1, double s2, double s3) {
    return std::sqrt(((s1 - s2) * (s1 - s2) + (s2 - s3) * (s2 - s3) + (s3 - s1) * (s3 - s1)) / 2);
}

struct ShellCase {
    std::string name;
    int16_t code;
    double a, b;  // inner and outer radius: b / a from thin to very thick
    bool internal;
};

class ThickWallTest : public ::testing::TestWithParam<ShellCase> {};

// Lame at the bore, mid-wall and outside; membrane values from equilibrium and Hooke's law.
TEST_P(ThickWallTest, MatchesLameAndMembraneTheory) {
    const ShellCase c = GetParam();
    const bool tube = c.code == kTubeComponent;
    const double E = 16e6, nu = 0.31, p = 1000, a = c.a, b = c.b, L = 20, sp = c.internal ? p : -p;
    const Lame lame{a, b, c.internal ? p : 0, c.internal ? 0 : p, tube ? 2 : 3};
    // Volume inside radius x: a tube of length L, a sphere, or a hemisphere.
    const double halves = c.code == kSphereComponent ? 2 : 1;
    const auto volume = [&](double x) {
        return tube ? kPiExact * x * x * L : halves * 2 * kPiExact / 3 * x * x * x;
    };
    for (const double r : {a, (a + b) / 2, b}) {
        AnalysisState s = EngineState(c.code, a, b, b - a, E, nu, c.internal);
        s.Density = 0.16;
        s.BodyLength = L;
        ResetResults(s);
        ComputeStresses(s, p, r, 0, 0, 2, 0);
        const std::string at = " at r = " + std::to_string(r);
        ExpectRel(s.AxialStressAtR, lame.Third(r), 1e-12, "axial" + at);
        ExpectRel(s.HoopStressAtR, lame.Hoop(r), 1e-12, "hoop" + at);
        ExpectRel(s.RadialStressAtR, lame.Radial(r), 1e-12, "radial" + at);
        ExpectRel(s.ThickEquivalentStress, VonMises(lame.Third(r), lame.Hoop(r), lame.Radial(r)),
                  1e-12, "equivalent" + at);
        // The largest stresses are those at the bore; the largest radial stress is the pressure.
        ExpectRel(s.ThickAxialStress, lame.Third(a), 1e-12, "axial at bore");
        ExpectRel(s.ThickHoopStress, lame.Hoop(a), 1e-12, "hoop at bore");
        EXPECT_DOUBLE_EQ(s.ThickRadialStress, -p);
        if (tube || c.internal) {
            ExpectRel(s.MaxShearStress, (lame.Hoop(a) - lame.Radial(a)) / 2, 1e-12, "shear");
        }
        ExpectRel(s.ThickInnerRadiusChange, lame.Displacement(a, E, nu), 1e-12, "inner u");
        ExpectRel(s.ThickOuterRadiusChange, lame.Displacement(b, E, nu), 1e-12, "outer u");
        // Membrane: the end load p pi R^2 on 2 pi R t; a tube's hoop stress twice that.
        const double R = (a + b) / 2, t = b - a, axial = sp * R / (2 * t);
        const double hoop = tube ? 2 * axial : axial;
        ExpectRel(s.ThinAxialStress, axial, 1e-12, "membrane axial");
        ExpectRel(s.ThinHoopStress, hoop, 1e-12, "membrane hoop");
        ExpectRel(s.ThinEquivalentStress, VonMises(axial, hoop, 0), 1e-12, "membrane equivalent");
        ExpectRel(s.ThinOuterRadiusChange, R * (hoop - nu * axial) / E, 1e-12, "membrane u");
        ExpectRel(s.WeightInAir, (volume(b) - volume(a)) * 0.16, 1e-9, "weight");
        ExpectRel(s.WeightInWater, (volume(b) - volume(a)) * 0.16 - volume(b) * 0.03704, 1e-9,
                  "weight in water");
        if (tube) {
            ExpectRel(s.ThickLengthChange, L * lame.AxialStrain(E, nu), 1e-12, "length");
            ExpectRel(s.ThinLengthChange, L * (axial - nu * hoop) / E, 1e-12, "membrane length");
        } else {  // the rim of the shell under the load on the whole outer circle
            ExpectRel(s.SeatStress, sp * b * b / (b * b - a * a), 1e-12, "seat");
        }
        EXPECT_FALSE(s.ResultNotFinite);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shells, ThickWallTest,
    ::testing::Values(ShellCase{"TubeInternalThin", kTubeComponent, 5, 5.25, true},
                      ShellCase{"TubeExternalRatio1p25", kTubeComponent, 2, 2.5, false},
                      ShellCase{"TubeInternalRatio3", kTubeComponent, 1, 3, true},
                      ShellCase{"TubeExternalRatio3", kTubeComponent, 1, 3, false},
                      ShellCase{"SphereInternalThin", kSphereComponent, 10, 10.5, true},
                      ShellCase{"SphereExternalThin", kSphereComponent, 10, 10.5, false},
                      ShellCase{"SphereInternalRatio1p5", kSphereComponent, 2, 3, true},
                      ShellCase{"SphereExternalRatio1p5", kSphereComponent, 2, 3, false},
                      ShellCase{"HemiEndcapInternalRatio3", kHemiEndcapComponent, 1, 3, true},
                      ShellCase{"HemiEndcapExternalRatio3", kHemiEndcapComponent, 1, 3, false}),
    RowName<ShellCase>);

// R = 1, t = 0.1, E = 30e6, nu = 0.3, two lobes. The tube 10 long: x = 20/pi, y = pi/20,
// f = 1.450e-4 + 3.846e-3, 3e6 f 0.8 / 1.01234 = 9461 psi; the sphere 0.365 E t^2 / R^2 = 109500.
TEST(ShellBuckling, MatchesHandValues) {
    const double R = 1, t = 0.1;
    for (const auto& [code, length, expected, tolerance] :
         {std::tuple{kTubeComponent, 10.0, 9461.0, 5.0}, {kSphereComponent, 0.0, 109500.0, 1e-6}}) {
        AnalysisState s = EngineState(code, R - t / 2, R + t / 2, t, 30e6, 0.3);
        s.BodyLength = length;
        ComputeStresses(s, 100, s.InnerRadius, 0, 0, 2, 0);
        EXPECT_NEAR(s.BucklingPressure, expected, tolerance) << code;
    }
}

struct ConeCase {
    std::string name;
    double innerDiameter, outerDiameter, height, E, nu;
    bool internal;
    double pressure;
};

AnalysisState ConeComputed(const ConeCase& c) {
    const double a = c.innerDiameter / 2, b = c.outerDiameter / 2;
    AnalysisState s = EngineState(kConeComponent, a, b, 0.25, c.E, c.nu, c.internal);
    s.ConeHeight = c.height;
    s.ConeMidHeight = c.height - ((b - a) / 2) / (b / c.height);  // as the results builder sets it
    ResetResults(s);
    ComputeStresses(s, c.pressure, a, 0, 0, 2, 0);
    return s;
}

// Membrane displacements of a cone closed at its apex, by integrating the strains along the
// meridian (arc length s from the apex).
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
    const AnalysisState s = ConeComputed(c);
    ASSERT_FALSE(s.ResultNotFinite);
    ASSERT_FALSE(s.ConeAngleNotConverged);

    const double alpha = std::atan(c.outerDiameter / (2 * c.height));
    const double R = s.MeanRadius, t = s.WallThickness;
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
    const double meridianLength = R / std::sin(alpha), ds = meridianLength * 1e-4;
    ExpectRel(s.ThinLengthChange, m.AxialDisplacement(meridianLength), tol, "height change");
    const double rotation =
        (m.NormalDisplacement(meridianLength + ds) - m.NormalDisplacement(meridianLength - ds)) /
        (2 * ds);
    ExpectRel(s.MeridianRotation, rotation, tol, "meridian rotation");

    const double a = s.InnerRadius, b = s.OuterRadius, h = c.height;
    ExpectRel(s.SeatStress, sp * b * b / (b * b - a * a), 1e-12, "seat");
    EXPECT_EQ(s.WallTheory, "Thin Wall");
    EXPECT_EQ(s.ThickHoopStress, 0.0) << "no thick-wall formula for the cone";
    // Weight: the solid cone less the similar inner cone of base radius a.
    const double outer = kPiExact * b * b * h / 3, inner = kPiExact * a * a * (a * h / b) / 3;
    ExpectRel(s.WeightInAir, (outer - inner) * s.Density, 1e-9, "air");
    ExpectRel(s.WeightInWater, (outer - inner) * s.Density - outer * 0.03704, 1e-9, "water");
}

INSTANTIATE_TEST_SUITE_P(
    Cones, ConeMembraneTest,
    ::testing::Values(ConeCase{"SteepInternal", 6, 6.6, 12, 30e6, 0.3, true, 500},
                      ConeCase{"FortyFiveExternal", 9.5, 10, 5, 10e6, 0.33, false, 300},
                      ConeCase{"FlatExternal", 6, 14, 0.75, 30e6, 0.3, false, 200}),
    RowName<ConeCase>);

// Without a bore each step maps the half-angle back to the one before; a NaN height never settles.
TEST(ConeHalfAngle, ReportsInsteadOfLooping) {
    EXPECT_FALSE(ConeHalfAngle(0, 14, 3).has_value());
    EXPECT_FALSE(ConeHalfAngle(6, 14, std::nan("")).has_value());
}

// The solid plate under uniform q, simply supported or clamped at radius a (Timoshenko's
// symmetrical bending): deflection, slope (numerically), moments and stresses across the radius.
TEST(CircularPlate, MatchesThePlateSolutionAcrossTheRadius) {
    const double q = 1000, a = 4, t = 0.5, E = 30e6, nu = 0.3,
                 D = E * t * t * t / (12 * (1 - nu * nu));
    for (const int16_t restraint : {0, 1}) {  // simply supported, fixed
        const bool fixed = restraint == 1;
        const double wa = fixed ? a * a : (5 + nu) / (1 + nu) * a * a, Ma = fixed ? 1 + nu : 3 + nu;
        const auto w = [&](double r) { return -q * (a * a - r * r) * (wa - r * r) / (64 * D); };
        const auto Mr = [&](double r) { return q / 16 * (Ma * a * a - (3 + nu) * r * r); };
        const auto Mt = [&](double r) { return q / 16 * (Ma * a * a - (1 + 3 * nu) * r * r); };
        const auto slope = [&](double r) { return (w(r + 1e-4) - w(r - 1e-4)) / 2e-4; };
        const double M = q * a * a, h = 1e-4, turn = q * a * a * a / D;
        for (const double r : {0.0, a / 2, a - h}) {
            AnalysisState s = EngineState(kCircularPlateComponent, 4.5, a, t, E, nu);
            s.EdgeRestraint = restraint;
            ComputeStresses(s, q, r, 0, 0, 2, 0);
            const std::string at = " at r = " + std::to_string(r) + (fixed ? " fixed" : "");
            EXPECT_NEAR(s.PlateDeflectionAtR, w(r), 1e-12 * -w(0)) << at;
            EXPECT_NEAR(s.PlateSlopeAtR, slope(r), 1e-6 * turn) << at;
            EXPECT_NEAR(s.RadialMomentAtR, Mr(r), 1e-12 * M) << at;
            EXPECT_NEAR(s.TangentialMomentAtR, Mt(r), 1e-12 * M) << at;
            EXPECT_NEAR(s.PlateRadialStressAtR, std::fabs(6 * Mr(r) / (t * t)), 1e-9 * M) << at;
            EXPECT_NEAR(s.PlateTangentialStressAtR, std::fabs(6 * Mt(r) / (t * t)), 1e-9 * M) << at;
            EXPECT_NEAR(s.CenterDeflection, w(0), 1e-12 * -w(0));
            EXPECT_NEAR(s.CenterStress, 6 * Mr(0) / (t * t), 1e-9 * M);
            EXPECT_NEAR(s.OuterEdgeRadialStress, std::fabs(6 * Mr(a) / (t * t)), 1e-9 * M);
            EXPECT_NEAR(s.OuterEdgeSlope, fixed ? 0 : slope(a), 1e-6 * turn);
        }
    }
}

AnalysisState Shell(int16_t code, double innerRadius, double outerRadius, double thickness) {
    AnalysisState s = EngineState(code, innerRadius, outerRadius, thickness, 30e6, 0.3);
    s.BodyLength = 10;
    s.ConeHeight = 3;
    s.ConeMidHeight = 2.5;
    s.PlateOuterRadius = outerRadius + 1;
    ResetResults(s);
    return s;
}

struct NotFiniteCase {
    std::string name;
    int16_t code;
    double innerRadius, outerRadius, thickness;
    int16_t restraint;
    bool expectNotFinite, expectUnknownRestraint;
    double length = 10;
};

class NotFiniteTest : public ::testing::TestWithParam<NotFiniteCase> {};

TEST_P(NotFiniteTest, FlagsDivisionByZeroAndClearsOnASoundCall) {
    const NotFiniteCase c = GetParam();
    AnalysisState s = Shell(c.code, c.innerRadius, c.outerRadius, c.thickness);
    s.EdgeRestraint = c.restraint;
    s.BodyLength = c.length;
    ComputeStresses(s, 1000, c.innerRadius > 0 ? c.innerRadius : 1, 0.5, 10, 2, 0);
    EXPECT_EQ(std::pair(s.ResultNotFinite, s.UnknownEdgeRestraint),
              std::pair(c.expectNotFinite, c.expectUnknownRestraint));
    // The same component with sound geometry clears the flags.
    s = Shell(c.code, 2, 3, 1);
    s.EdgeRestraint = 0;
    s.ResultNotFinite = s.UnknownEdgeRestraint = true;
    ComputeStresses(s, 1000, 2, 0.5, 10, 2, 0);
    EXPECT_EQ(std::pair(s.ResultNotFinite, s.UnknownEdgeRestraint), std::pair(false, false));
}

using NF = NotFiniteCase;
INSTANTIATE_TEST_SUITE_P(
    Flags, NotFiniteTest,
    ::testing::Values(
        NF{"TubeNoWall", kTubeComponent, 2, 2, 0, 0, true, false},
        NF{"TubeNoLengthBucklingOnly", kTubeComponent, 2, 3, 1, 0, true, false, 0},
        NF{"ConeNoWall", kConeComponent, 2, 2, 0, 0, true, false},
        NF{"CircularPlateNoThickness", kCircularPlateComponent, 5, 4, 0, 0, true, false},
        NF{"CircularPlateNoRestraint", kCircularPlateComponent, 5, 4, 0.5, -1, true, true},
        NF{"AnnularPlateNoHole", kAnnularPlateComponent, 0, 4, 0.5, 4, true, false},
        NF{"AnnularPlateRestraint12", kAnnularPlateComponent, 1, 4, 0.5, 12, true, true},
        NF{"TubeSound", kTubeComponent, 2, 3, 1, 0, false, false}),
    RowName<NotFiniteCase>);

TEST(ResetResults, ClearsTheSetsAndKeepsTheRest) {
    AnalysisState s = Shell(kTubeComponent, 2, 2.5, 0.5);
    s.PressureDirection = kInternalPressure;
    s.PressureSign = 1;
    ComputeStresses(s, 1000, 2, 0, 0, 5, 0);
    s.LobeCount = 7;
    s.BucklingPressure = 9;
    s.ShellFailurePressure = 8;
    s.SeatStress = 6;
    s.PlateRadialStressAtR = 5;
    const AnalysisState before = s;
    ResetResults(s);
    EXPECT_EQ(s.LobeCount, 2);
    // clang-format off
    for (double v : {s.BucklingPressure, s.ShellFailurePressure, s.WeightInAir, s.WeightInWater,
                     s.ThinAxialStress, s.ThinHoopStress, s.ThinRadialStress,
                     s.ThinInnerRadiusChange, s.ThinOuterRadiusChange, s.ThinLengthChange,
                     s.ThickAxialStress, s.ThickHoopStress, s.ThickRadialStress,
                     s.ThickInnerRadiusChange, s.ThickOuterRadiusChange, s.ThickLengthChange,
                     s.AxialStress, s.HoopStress, s.RadialStress, s.MaxShearStress,
                     s.InnerRadiusChange, s.OuterRadiusChange, s.LengthChange})
        EXPECT_EQ(v, 0.0);
    // clang-format on
    EXPECT_EQ(
        std::vector<double>({s.EquivalentStress, s.ThinEquivalentStress, s.ThickEquivalentStress,
                             s.HoopStressAtR, s.SeatStress, s.PlateRadialStressAtR}),
        std::vector<double>({before.EquivalentStress, before.ThinEquivalentStress,
                             before.ThickEquivalentStress, before.HoopStressAtR, 6, 5}));
}

// The restraint list of the annular plate, outer edge first.
// clang-format off
constexpr const char* kRestraints[12] = {
    "FixedFree", "FixedGuided", "FixedSimplySupported", "FixedFixed", "SimplySupportedFree",
    "SimplySupportedGuided", "SimplySupportedSimplySupported", "SimplySupportedFixed",
    "GuidedSimplySupported", "GuidedFixed", "FreeSimplySupported", "FreeFixed"};
// clang-format on

// Steel, a = 5, hole b = 1.5, seat out to 5.5.
constexpr double kA = 5.0, kB = 1.5, kT = 0.5, kE = 30e6, kNu = 0.3, kRp = 5.5;
const double kD = kE * kT * kT * kT / (12 * (1 - kNu * kNu));

struct PlateCase {
    int16_t restraint;
    bool lineLoad;
    double load;  // q (psi) or w (lb/in)
    double r0;
};

std::string CaseName(const PlateCase& c) {
    return std::string(kRestraints[c.restraint]) + (c.lineLoad ? "Line" : "Uniform");
}

std::string PlateName(const ::testing::TestParamInfo<PlateCase>& row) {
    return CaseName(row.param);
}

AnalysisState PlateState(int16_t restraint) {
    AnalysisState s = testing::EngineState(kAnnularPlateComponent, kB, kA, kT, kE, kNu, false);
    s.PlateOuterRadius = kRp;
    s.EdgeRestraint = restraint;
    return s;
}

// Deflection, slope, moments and shear per unit length.
struct Values {
    double y, slope, Mr, Mt, Q;
};
constexpr double Values::*kFields[] = {&Values::y, &Values::slope, &Values::Mr, &Values::Mt,
                                       &Values::Q};

// Everything the engine gives for one radius: at r, at the outer edge and at the hole edge.
struct Probe {
    Values here, outer, inner;
};

Probe Evaluate(const PlateCase& c, double r) {
    AnalysisState s = PlateState(c.restraint);
    const double p = c.lineLoad ? 0.0 : c.load, w = c.lineLoad ? c.load : 0.0;
    ComputeStresses(s, p, r, c.r0, w, 2, c.lineLoad ? -1 : 0);
    EXPECT_FALSE(s.ResultNotFinite);
    const double m = kT * kT / 6;  // stress to moment per unit length
    const Probe v{{s.PlateDeflectionAtR, s.PlateSlopeAtR, s.RadialMomentAtR, s.TangentialMomentAtR,
                   s.ShearForceAtR},
                  {s.OuterEdgeDeflection, s.OuterEdgeSlope, s.OuterEdgeRadialStress * m,
                   s.OuterEdgeTangentialStress * m, s.OuterEdgeShearStress * kT},
                  {s.InnerEdgeDeflection, s.InnerEdgeSlope, s.InnerEdgeRadialStress * m,
                   s.InnerEdgeTangentialStress * m, s.InnerEdgeShearStress * kT}};
    // The stresses at r are the moments and shear at r over the section.
    const Values& h = v.here;
    EXPECT_NEAR(s.PlateRadialStressAtR * m, h.Mr, 1e-9 * (std::fabs(h.Mr) + 1));
    EXPECT_NEAR(s.PlateTangentialStressAtR * m, h.Mt, 1e-9 * (std::fabs(h.Mt) + 1));
    EXPECT_NEAR(s.PlateShearStressAtR * kT, h.Q, 1e-9 * (std::fabs(h.Q) + 1));
    return v;
}

// Load between the hole and radius r; at r = a the whole load.
double LoadInside(const PlateCase& c, double r) {
    if (r <= c.r0) return 0;
    return c.lineLoad ? 2 * kPiExact * c.r0 * c.load : c.load * kPiExact * (r * r - c.r0 * c.r0);
}

// Scales for the "is zero" checks: the deflection, slope, moments and shear this load produces.
Values ScalesFor(const PlateCase& c) {
    const double force = LoadInside(c, kA) / (2 * kPiExact * kA);  // lb/in along the outer edge
    return {force * kA * kA * kA / kD, force * kA * kA / kD, force * kA, force * kA, force};
}

class AnnularPlateCaseTest : public ::testing::TestWithParam<PlateCase> {};

TEST_P(AnnularPlateCaseTest, SolutionReachesTheReportedEdgeValues) {
    const PlateCase c = GetParam();
    const Values z = ScalesFor(c);
    const Probe atA = Evaluate(c, kA), atB = Evaluate(c, kB);
    for (const auto f : kFields) {
        EXPECT_NEAR(atA.here.*f, atA.outer.*f, 1e-9 * z.*f);
        EXPECT_NEAR(atB.here.*f, atB.inner.*f, 1e-9 * z.*f);
    }
}

TEST_P(AnnularPlateCaseTest, PlateRelationsHoldAcrossTheWidth) {
    const PlateCase c = GetParam();
    const Values z = ScalesFor(c);
    for (double fraction : {0.15, 0.45, 0.85}) {
        const double r = kB + fraction * (kA - kB);
        if (std::fabs(r - c.r0) < 0.05) continue;  // keep the differences off the load circle
        const double h = 1e-4 * kA;
        const Probe probe = Evaluate(c, r);
        const Values at = probe.here, before = Evaluate(c, r - h).here;
        const Values after = Evaluate(c, r + h).here;
        const double dy = (after.y - before.y) / (2 * h);
        const double d2y = (after.y - 2 * at.y + before.y) / (h * h);
        const std::string where = CaseName(c) + " at r = " + std::to_string(r);
        EXPECT_NEAR(at.slope, dy, 1e-6 * z.slope) << "slope is dy/dr, " << where;
        EXPECT_NEAR(at.Mr, kD * (d2y + kNu * dy / r), 1e-5 * z.Mr) << "Mr, " << where;
        EXPECT_NEAR(at.Mt, kD * (dy / r + kNu * d2y), 1e-5 * z.Mt) << "Mt, " << where;
        // Moment equilibrium of a ring element: d(r Mr)/dr - Mt = r Q.
        const double dRMr = ((r + h) * after.Mr - (r - h) * before.Mr) / (2 * h);
        EXPECT_NEAR(dRMr - at.Mt, r * at.Q, 1e-5 * z.Mr) << "moment equilibrium, " << where;
        // Vertical equilibrium of the ring between the hole and r.
        EXPECT_NEAR(2 * kPiExact * r * at.Q, 2 * kPiExact * kB * probe.inner.Q - LoadInside(c, r),
                    1e-9 * LoadInside(c, kA))
            << "vertical equilibrium, " << where;
    }
}

std::vector<PlateCase> AllCases() {
    std::vector<PlateCase> cases;
    for (int16_t i = 0; i < 12; ++i) {
        cases.push_back({i, false, 100.0, 2.0});  // uniform 100 psi from r = 2 to the edge
        cases.push_back({i, true, 50.0, 3.0});    // 50 lb/in on the circle r = 3
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(TwentyFourCases, AnnularPlateCaseTest, ::testing::ValuesIn(AllCases()),
                         PlateName);

// Uniform pressure over the whole face, from the hole outwards.
INSTANTIATE_TEST_SUITE_P(WholeFace, AnnularPlateCaseTest,
                         ::testing::Values(PlateCase{3, false, 250.0, kB},
                                           PlateCase{6, false, 250.0, kB},
                                           PlateCase{10, false, 250.0, kB}),
                         PlateName);

// Seat bearing under internal pressure: uniform q (Rp^2 - b^2) / (Rp^2 - a^2) = 100 * 33.75 / 11,
// line 2 pi r0 w / (pi (Rp^2 - a^2)) = 160 / 11, none without a ring; external turns its sign only.
TEST(AnnularPlateSeat, BearingStressOnTheSeatRing) {
    for (const auto& [lineLoad, plateRadius, expected] : {std::tuple{false, 6.0, 306.8181818181818},
                                                          {true, 6.0, 14.545454545454545},
                                                          {true, 5.0, 0.0},
                                                          {false, 4.5, 0.0}}) {
        AnalysisState s = PlateState(4);
        s.PlateOuterRadius = plateRadius;
        s.PressureDirection = kInternalPressure;
        s.PressureSign = 1;
        ComputeStresses(s, 100, 3, 2, 40, 2, lineLoad ? -1 : 0);
        EXPECT_NEAR(s.SeatStress, expected, 1e-9) << lineLoad << " " << plateRadius;
        AnalysisState external = s;
        external.PressureDirection = kExternalPressure;
        external.PressureSign = -1;
        ComputeStresses(external, 100, 3, 2, 40, 2, lineLoad ? -1 : 0);
        EXPECT_EQ(external.SeatStress, -s.SeatStress);
        EXPECT_EQ(external.PlateRadialStressAtR, s.PlateRadialStressAtR);
        EXPECT_EQ(external.PlateDeflectionAtR, s.PlateDeflectionAtR);
        EXPECT_EQ(external.InnerEdgeTangentialStress, s.InnerEdgeTangentialStress);
    }
}

// Both loads at once are the sum of each load alone, the plate being linear: every summed value,
// at the hole, inside and at the free edge.
TEST(CombinedPlateLoads, AreTheSumOfEachLoadAlone) {
    using S = AnalysisState;
    for (const double r : {kB, 3.0, kA}) {
        AnalysisState both = PlateState(3), line = PlateState(3), uniform = PlateState(3);
        CombinedPlateLoads(both, 100, r, 3.5, 2, 40);
        ComputeStresses(line, 100, r, 3.5, 40, 2, -1);
        ComputeStresses(uniform, 100, r, 2, 0, 2, 0);
        for (double S::*f :
             {&S::PlateRadialStressAtR, &S::PlateTangentialStressAtR, &S::PlateDeflectionAtR,
              &S::PlateSlopeAtR, &S::InnerEdgeRadialStress, &S::OuterEdgeRadialStress,
              &S::InnerEdgeDeflection, &S::OuterEdgeSlope, &S::OuterEdgeShearStress}) {
            EXPECT_NEAR(both.*f, line.*f + uniform.*f, 1e-9 * (std::fabs(line.*f) + 1)) << r;
        }
    }
}

}  // namespace
}  // namespace tidewell
