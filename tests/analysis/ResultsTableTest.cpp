// The complete results view of one run per component and case: caption, material labels, frame,
// failure options, header rows, "N/A" columns, failure marking, highlighted block, notices and
// weights; and one data row per component checked against hand formulas.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "analysis/ResultsTable.h"
#include "tests/analysis/AnalysisTestSupport.h"
#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::kPiValue;
using testing::RowName;
using testing::SetGlass;
using testing::SetPlastic;
using testing::TitledMetal;

DesignRecord Tube(bool external) {
    DesignRecord d = TitledMetal();
    d.BodyType = kTubeBody;
    d.BodyDim = {4.8, 5, 0.1, 20, 0};
    d.PressureSource = external ? 1 : 0;
    return d;
}

DesignRecord Sphere(bool external) {
    DesignRecord d = TitledMetal();
    d.BodyType = kSphereBody;
    d.BodyDim = {9, 10, 0.5, 0, 0};
    d.PressureSource = external ? 1 : 0;
    return d;
}

DesignRecord Endcap(int16_t type, std::array<double, 8> dims, int16_t restraint, bool external) {
    DesignRecord d = TitledMetal();
    d.EndcapType = type;
    d.EndcapDim = dims;
    d.EdgeRestraint = restraint;
    d.PressureSource = external ? 1 : 0;
    return d;
}

DesignRecord Hemi(bool external) {
    return Endcap(kHemisphericalEndcap, {9, 10, 0.5, 0, 0, 0, 0, 0}, -1, external);
}
DesignRecord Cone(bool external) {
    return Endcap(kConicalEndcap, {4, 5, 0.25, 3, 0, 0, 0, 0}, -1, external);
}
DesignRecord Circular(int16_t restraint, bool external) {
    return Endcap(kFlatCircularEndcap, {6, 7, 0.5, 0, 0, 0, 0, 0}, restraint, external);
}
DesignRecord Annular(int16_t restraint, bool uniform, bool line, bool external) {
    DesignRecord d = Endcap(kFlatAnnularEndcap, {6, 7, 0.5, 1, 4, 50, 1, 5}, restraint, external);
    d.UniformLoadOn = uniform ? kTrue : kFalse;
    d.LineLoadOn = line ? kTrue : kFalse;
    return d;
}

// ---- One data row per component, against hand formulas ----

std::string Fmt(double v, int16_t digits = 5) {
    int16_t n = digits, f = 2;
    if (std::fabs(v) < 1e-12) v = 0;
    return SigDigFormat(v, n, f);
}

ResultsView RunAtRange(const DesignRecord& design, int range,
                       const std::string& pressureUnit = "psi",
                       const std::string& stressUnit = "psi") {
    ResultsRequest request = DefaultResultsRequest(design);
    request.pressureRange = range;
    request.pressureUnit = pressureUnit;
    request.stressUnit = stressUnit;
    ScriptedMessages messages;
    ResultsView view = BuildResultsTable(design, request, messages);
    EXPECT_TRUE(messages.Empty());
    return view;
}

TEST(ResultsTableHandValues, ThinTubeUnderExternalPressure) {
    // 100 psi on a tube of mean radius 2.45 in, wall 0.1 in, length 20 in.
    const ResultsView view = RunAtRange(Tube(true), 3);
    ASSERT_TRUE(view.Ok());
    const double p = 100, R = 2.45, t = 0.1, L = 20, E = 10e6, nu = 0.33;
    const std::vector<std::string> expected = {"100.00",
                                               "",  // depth, below
                                               Fmt(-p * R / (2 * t)),
                                               Fmt(-p * R / t),
                                               Fmt(p * R / t * std::sqrt(0.75)),
                                               Fmt(-2 * p * R * R * (1 - nu / 2) / (E * t)),
                                               Fmt(-2 * p * R * R * (1 - nu / 2) / (E * t)),
                                               Fmt(-p * R * L * (0.5 - nu) / (E * t))};
    for (int col = 0; col < 8; ++col) {
        if (col == 1) continue;
        EXPECT_EQ(view.Cell(2, col), expected[static_cast<size_t>(col)]) << col;
    }
    // Depth of sea water for 100 psi: p = 0.444 D + 0.3e-6 D².
    const double depth = (std::sqrt(0.444 * 0.444 + 4 * 0.3e-6 * p) - 0.444) / (2 * 0.3e-6);
    EXPECT_EQ(view.Cell(2, 1), Fmt(depth));
    // Weights: the wall's volume in air; the full outer cylinder displaces sea water.
    const double air = (2.5 * 2.5 - 2.4 * 2.4) * kPiValue * L * 0.098;
    EXPECT_EQ(view.weightInAir, Fmt(air));
    EXPECT_EQ(view.weightInWater, Fmt(air - 2.5 * 2.5 * kPiValue * L * 0.03704));
}

TEST(ResultsTableHandValues, WeightsInKilograms) {
    DesignRecord design = Tube(true);
    ResultsRequest request = DefaultResultsRequest(design);
    request.weightUnit = "kg";
    ScriptedMessages messages;
    const ResultsView view = BuildResultsTable(design, request, messages);
    const double air = (2.5 * 2.5 - 2.4 * 2.4) * kPiValue * 20 * 0.098;
    EXPECT_EQ(view.weightInAir, Fmt(air / 2.204623));
}

TEST(ResultsTableHandValues, ThickSphereUnderExternalPressure) {
    const ResultsView view = RunAtRange(Sphere(true), 3);
    ASSERT_TRUE(view.Ok());
    const double p = 100, a = 4.5, b = 5, a3 = a * a * a, b3 = b * b * b, E = 10e6, nu = 0.33;
    const double tangential = -3 * p * b3 / (2 * (b3 - a3));  // largest, at the bore
    EXPECT_EQ(view.Cell(2, 2), Fmt(tangential));
    EXPECT_EQ(view.Cell(2, 3), Fmt(tangential));
    EXPECT_EQ(view.Cell(2, 4), Fmt(-tangential));  // radial stress 0 at the bore
    EXPECT_EQ(view.Cell(2, 7), Fmt(2 * -3 * p * a * b3 * (1 - nu) / (2 * E * (b3 - a3))));
    // A full sphere weighs two hemispherical shells.
    const double air = 2 * (b3 - a3) * (2.0 / 3) * kPiValue * 0.098;
    EXPECT_EQ(view.weightInAir, Fmt(air));
    EXPECT_EQ(view.weightInWater, Fmt(air - 2 * b3 * (2.0 / 3) * kPiValue * 0.03704));
}

TEST(ResultsTableHandValues, ConeUnderExternalPressure) {
    const ResultsView view = RunAtRange(Cone(true), 3);
    ASSERT_TRUE(view.Ok());
    const double p = 100, a = 2, b = 2.5, R = 2.25, t = 0.25;
    const double cosAlpha = 6 / std::sqrt(61.0);  // tan = 5/6 at the converged half-angle
    const double meridional = -p * R / (2 * t * cosAlpha);
    // The half-angle iteration settles to 1e-5, so compare the values, not the last digit.
    EXPECT_NEAR(std::stod(view.Cell(2, 2)) / meridional, 1, 1e-4);
    EXPECT_NEAR(std::stod(view.Cell(2, 3)) / (2 * meridional), 1, 1e-4);
    EXPECT_EQ(view.Cell(2, 5), Fmt(-p * b * b / (b * b - a * a)));
}

TEST(ResultsTableHandValues, SimplySupportedCircularPlateAtItsCentre) {
    const ResultsView view = RunAtRange(Circular(0, true), 3);
    ASSERT_TRUE(view.Ok());
    const double p = 100, a = 3, Rp = 3.5, t = 0.5, E = 10e6, nu = 0.33;
    const double D = E * t * t * t / (12 * (1 - nu * nu));
    const double centre = 6 * p * a * a * (3 + nu) / (16 * t * t);
    EXPECT_EQ(view.Cell(2, 2), Fmt(centre));
    EXPECT_EQ(view.Cell(2, 3), Fmt(centre));
    EXPECT_EQ(view.Cell(2, 4), Fmt(-p * Rp * Rp / (Rp * Rp - a * a)));
    EXPECT_EQ(view.Cell(2, 5), Fmt(-p * a * a * a * a * (5 + nu) / (64 * D * (1 + nu))));
    EXPECT_EQ(view.Cell(2, 6), Fmt(-p * a / (2 * t)));
    EXPECT_EQ(view.failure.evalRadiusLabel, "Table eval dia., De = plate center for Max Radial");
    const double air = Rp * Rp * kPiValue * t * 0.098;
    EXPECT_EQ(view.weightInAir, Fmt(air));
}

TEST(ResultsTableHandValues, AnnularPlateEdgesCarryTheLoad) {
    // Simply supported outer edge, free hole edge, both loads: the outer edge carries the
    // uniform pressure on 0.5..3 in and the line load standing for the pressure on a 2.5 in
    // disc; the seat ring 3..3.5 in carries the whole load.
    const ResultsView view = RunAtRange(Annular(4, true, true, true), 3);
    ASSERT_TRUE(view.Ok());
    const double p = 100, a = 3, t = 0.5;
    const double carried = (a * a - 0.25) / 2 + 2.5 * 2.5 / 2;
    EXPECT_EQ(view.Cell(2, 14), Fmt(-p * carried / (a * t)));                    // FD Shear
    EXPECT_EQ(view.Cell(2, 17), Fmt(-p * (12.25 - 0.25 + 6.25) / (12.25 - 9)));  // Avg Seat
    EXPECT_EQ(view.Cell(2, 7), Fmt(0));   // HD Radial: free hole edge
    EXPECT_EQ(view.Cell(2, 9), Fmt(0));   // HD Shear
    EXPECT_EQ(view.Cell(2, 12), Fmt(0));  // FD Radial: simply supported
    EXPECT_EQ(view.Cell(2, 15), Fmt(0));  // FD Vert Defl
    const double air = (3.5 * 3.5 - 0.25) * kPiValue * t * 0.098;
    EXPECT_EQ(view.weightInAir, Fmt(air));
    EXPECT_EQ(view.weightInWater, Fmt((3.5 * 3.5 - 0.25) * kPiValue * t * (0.098 - 0.03704)));
}

TEST(ResultsTableHandValues, GlassDesignStrengthTakesTheTensileStrength) {
    // The failure captions of a thick glass hemisphere under internal pressure come from the
    // tensile strength; the compressive one is never used.
    DesignRecord d = Hemi(false);
    SetGlass(d);
    const ResultsView view = RunAtRange(d, 3);
    const double a3 = 91.125, b3 = 125;
    const double shell = 7000 * 2 * (b3 - a3) / (b3 + 2 * a3);
    EXPECT_EQ(view.failure.options[1].caption,
              "Shell failure at " + Fmt(shell / 1000) + " Ksi (Thick wall eq's)");
    EXPECT_EQ(view.failure.options[0].caption, "Thin Wall Buckling N/A");
    EXPECT_EQ(view.failure.options[2].caption, "Seat failure N/A");
    EXPECT_EQ(view.failure.options[3].caption, "Shear failure N/A");
}

}  // namespace
}  // namespace tidewell
