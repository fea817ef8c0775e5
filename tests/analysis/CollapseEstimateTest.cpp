// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The collapse estimate against a hand-worked cylinder, the classical buckling pressures it must
// reduce to, the interaction curves at and between their points, the limits of the
// out-of-roundness root, and the cases it leaves unassessed.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "analysis/CollapseEstimate.h"
#include "analysis/ResultsTable.h"
#include "tests/analysis/AnalysisTestSupport.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::RowName;

// A tube's state with its inputs only: consistent units of any system (here mm and MPa).
AnalysisState TubeState(double meanRadius, double t, double length, double E, double nu,
                        double strength) {
    AnalysisState s =
        testing::EngineState(kTubeComponent, meanRadius - t / 2, meanRadius + t / 2, t, E, nu);
    s.BodyLength = length;
    s.YieldStrength = strength;
    return s;
}

// R = 600 mm, t = 4 mm, L = 476.8 mm, steel E = 210000 MPa, nu = 0.3, sigma = 235 MPa: the
// worked example of a vessel-code cylinder (p_m = 0.940 MPa at 10 lobes, p_r / p_y = 0.301).
TEST(CollapseEstimate, HandWorkedCylinder) {
    const CollapseEstimate c =
        EstimateCollapse(TubeState(600, 4, 476.8, 210000, 0.3, 235), "Metals", 0, 0.005);
    ASSERT_TRUE(c.assessed);
    EXPECT_NEAR(c.elasticPressure, 0.940, 0.0005);
    EXPECT_EQ(c.lobes, 10);
    EXPECT_NEAR(c.yieldPressure, 1.567, 0.0005);
    EXPECT_NEAR(c.interactionPressure / c.yieldPressure, 0.301, 0.0005);
    EXPECT_LE(c.estimate, c.interactionPressure);
    EXPECT_EQ(c.estimate, std::min(c.interactionPressure, c.outOfRoundPressure));
}

struct CurveRow {
    const char* name;
    double (*curve)(double);
    double x;
    double factor;  // read off the published table
};

class InteractionCurve : public ::testing::TestWithParam<CurveRow> {};

TEST_P(InteractionCurve, ReadsThePublishedTable) {
    EXPECT_NEAR(GetParam().curve(GetParam().x), GetParam().factor, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, InteractionCurve,
    ::testing::Values(CurveRow{"CylinderAtZero", CylinderInteractionFactor, 0, 0},
                      CurveRow{"CylinderAtPoint", CylinderInteractionFactor, 1.0, 0.5},
                      CurveRow{"CylinderAtLastPoint", CylinderInteractionFactor, 7.0, 0.959},
                      // 0.251 + 0.4 (0.375 - 0.251), and halfway from .605 to .68.
                      CurveRow{"CylinderBetween", CylinderInteractionFactor, 0.6, 0.3006},
                      CurveRow{"CylinderHalfway", CylinderInteractionFactor, 1.375, 0.6425},
                      CurveRow{"CylinderBeyond", CylinderInteractionFactor, 50, 0.959},
                      CurveRow{"SphereAtPoint", SphereInteractionFactor, 2.0, 0.324},
                      CurveRow{"SphereBetween", SphereInteractionFactor, 1.25, 0.2175},
                      CurveRow{"SphereAtLastPoint", SphereInteractionFactor, 6.5, 0.57},
                      CurveRow{"SphereBeyond", SphereInteractionFactor, 9, 0.57}),
    RowName<CurveRow>);

// Without out-of-roundness the ring's first yield is the lower of the elastic buckling and yield
// pressures (where the two are equal the root moves as the square root of u); every added
// imperfection lowers it.
TEST(CollapseEstimate, OutOfRoundRootLimitsAndMonotony) {
    const double R = 100, t = 2, strength = 300;  // p_y = 6
    for (const double elastic : {2.0, 6.0, 40.0}) {
        EXPECT_NEAR(OutOfRoundPressure(strength, R, t, elastic, 1e-12), std::min(elastic, 6.0),
                    1e-4 * elastic)
            << elastic;
        double previous = std::min(elastic, 6.0);
        for (double u = 0.001; u < 0.2; u += 0.01) {
            const double p = OutOfRoundPressure(strength, R, t, elastic, u);
            EXPECT_LT(p, previous) << elastic << " " << u;
            previous = p;
        }
    }
}

// The sphere is Zoelly's classical value, 1.21 E t^2 / R^2 at nu = 0.3; a very long tube buckles
// in two lobes at the ring's 2E / (1 - nu^2) (t / D)^3.
TEST(CollapseEstimate, ReducesToTheClassicalBucklingPressures) {
    EXPECT_NEAR(SphereElasticBuckling(30e6, 0.3, 10, 0.2) / (1.21 * 30e6 * 0.04 / 100), 1, 0.001);
    const CylinderBuckling ring = CylinderElasticBuckling(30e6, 0.3, 5, 0.1, 1e5);
    EXPECT_EQ(ring.lobes, 2);
    EXPECT_NEAR(ring.pressure / (2 * 30e6 / 0.91 * std::pow(0.1 / 10, 3)), 1, 1e-6);
}

DesignRecord Sphere(int16_t body, int16_t endcap) {
    DesignRecord d = testing::TitledMetal();
    d.PressureSource = 1;
    d.BodyType = body;
    d.EndcapType = endcap;
    if (body != 0) d.BodyDim = {10, 10.6, 0.3, 0, 0};
    if (endcap != 0) d.EndcapDim = {10, 10.6, 0.3, 0, 0, 0, 0, 0};
    return d;
}

ResultsView Analysed(const DesignRecord& d) {
    ScriptedMessages messages;
    return BuildResultsTable(d, DefaultResultsRequest(d), messages);
}

TEST(CollapseEstimate, HemisphericalEndcapEqualsTheSphere) {
    const CollapseEstimate sphere = Analysed(Sphere(kSphereBody, 0)).collapse;
    const CollapseEstimate endcap = Analysed(Sphere(0, kHemisphericalEndcap)).collapse;
    ASSERT_TRUE(sphere.assessed && endcap.assessed);
    EXPECT_FALSE(sphere.tube);
    EXPECT_DOUBLE_EQ(endcap.estimate, sphere.estimate);
    EXPECT_DOUBLE_EQ(endcap.elasticPressure, sphere.elasticPressure);
    // p_y = 2 Y t / R with R = 5.15.
    EXPECT_NEAR(sphere.yieldPressure, 2 * 35000 * 0.3 / 5.15, 1e-9);
}

struct NotAssessedRow {
    const char* name;
    DesignRecord design;
};

class NotAssessed : public ::testing::TestWithParam<NotAssessedRow> {};

TEST_P(NotAssessed, SaysWhy) {
    const ResultsView view = Analysed(GetParam().design);
    ASSERT_TRUE(view.Ok());
    EXPECT_FALSE(view.collapse.assessed);
    EXPECT_FALSE(view.collapse.notAssessedReason.empty());
    EXPECT_FALSE(view.advice.collapseLow);
}

DesignRecord InternalTube() {
    DesignRecord d = Sphere(kTubeBody, 0);
    d.BodyDim = {10, 10.6, 0.3, 20, 0};
    d.PressureSource = 0;
    return d;
}

DesignRecord ExternalEndcap(int16_t type, std::array<double, 8> dims, int16_t restraint) {
    DesignRecord d = testing::MetalEndcap(type, dims, restraint);
    d.PressureSource = 1;
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NotAssessed,
    ::testing::Values(NotAssessedRow{"InternalPressure", InternalTube()},
                      NotAssessedRow{"FlatCircular",
                                     ExternalEndcap(kFlatCircularEndcap, {6, 7, 0.5}, 0)},
                      NotAssessedRow{"FlatAnnular", testing::AnnularMetal()},
                      NotAssessedRow{"Conical", ExternalEndcap(kConicalEndcap, {4, 8, 0.3, 5}, 0)}),
    RowName<NotAssessedRow>);

// The strength of the yield pressure sigma t / R, as the shell check chooses it.
struct StrengthRow {
    const char* name;
    const char* materialClass;
    int16_t useWorkingStrength;
    double strength;  // of primary 10000, secondary 3000
};

class CollapseStrengthChoice : public ::testing::TestWithParam<StrengthRow> {};

TEST_P(CollapseStrengthChoice, YieldPressureUsesIt) {
    const StrengthRow& row = GetParam();
    AnalysisState s = TubeState(10, 0.5, 20, 1e6, 0.3, 10000);
    s.SecondStrength = 3000;
    const CollapseEstimate c =
        EstimateCollapse(s, row.materialClass, row.useWorkingStrength, 0.005);
    ASSERT_TRUE(c.assessed);
    EXPECT_NEAR(c.yieldPressure, row.strength * 0.5 / 10, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Rows, CollapseStrengthChoice,
                         ::testing::Values(StrengthRow{"MetalYield", "Metals", 0, 10000},
                                           StrengthRow{"MetalIgnoresTheWorkingOption", "METALS", 1,
                                                       10000},
                                           StrengthRow{"CeramicCompressive", "Ceramics", 0, 3000},
                                           StrengthRow{"GlassCompressive", "glass", 0, 3000},
                                           StrengthRow{"PlasticUltimate", "Plastics", 0, 10000},
                                           StrengthRow{"PlasticWorking", "Plastics", 1, 3000}),
                         RowName<StrengthRow>);

}  // namespace
}  // namespace tidewell
