// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One data row of the results table per component, checked against hand formulas; and the
// failure pressure search of the flat circular plate: the failure pressure of each mode is the
// strength divided by the stress per psi of that mode.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/FailureSearch.h"
#include "analysis/ResultsTable.h"
#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"
#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::kPiValue;
using testing::MetalEndcap;
using testing::RowName;
using testing::TitledMetal;

// A body of the metal under external pressure.
DesignRecord ExternalBody(int16_t type, std::array<double, 5> dims) {
    DesignRecord d = TitledMetal();
    d.BodyType = type;
    d.BodyDim = dims;
    d.PressureSource = 1;
    return d;
}

// ---- One data row per component, against hand formulas ----

std::string Fmt(double v, int16_t digits = 5) {
    int16_t n = digits, f = 2;
    if (std::fabs(v) < 1e-12) v = 0;
    return SigDigFormat(v, n, f);
}

// The table from 100 psi on, stresses in psi.
ResultsView RunAtRange(const DesignRecord& design, int range) {
    ResultsRequest request = DefaultResultsRequest(design);
    request.pressureRange = range;
    request.pressureUnit = request.stressUnit = "psi";
    ScriptedMessages messages;
    ResultsView view = BuildResultsTable(design, request, messages);
    EXPECT_TRUE(messages.Empty());
    return view;
}

TEST(ResultsTableHandValues, ThinTubeUnderExternalPressure) {
    // 100 psi on a tube of mean radius 2.45 in, wall 0.1 in, length 20 in.
    const ResultsView view = RunAtRange(ExternalBody(kTubeBody, {4.8, 5, 0.1, 20, 0}), 3);
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

TEST(ResultsTableHandValues, ThickSphereUnderExternalPressure) {
    const ResultsView view = RunAtRange(ExternalBody(kSphereBody, {9, 10, 0.5, 0, 0}), 3);
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

// A cone weighs the solid cone on its outer base less the bore, the similar cone on the inner one.
TEST(ResultsTableHandValues, ConeWeighsItsWall) {
    const ResultsView view = RunAtRange(MetalEndcap(kConicalEndcap, {4, 5, 0.25, 3}), 3);
    ASSERT_TRUE(view.Ok());
    const double a = 2, b = 2.5, h = 3, wall = kPiValue * (b * b * h - a * a * (a * h / b)) / 3;
    EXPECT_EQ(view.weightInAir, Fmt(wall * 0.098));
}

TEST(ResultsTableHandValues, SimplySupportedCircularPlateAtItsCentre) {
    DesignRecord plate = MetalEndcap(kFlatCircularEndcap, {6, 7, 0.5, 0, 0, 0, 0, 0});
    plate.PressureSource = 1;
    const ResultsView view = RunAtRange(plate, 3);
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

// ---- Failure search of the flat circular plate ----

// Flat circular plate, a = 3 in free radius, Rp = 3.5 in plate radius, t = 0.5 in, nu = 0.33.
struct PlateCase {
    const char* name;
    int16_t restraint;
    int16_t unitSystem;
    const char* radialSuffix;
    const char* evalLabel;
    double radialPerPsi, tangentialPerPsi;  // stress per psi of the radial and tangential modes
};

constexpr double kA = 3, kRp = 3.5, kT = 0.5, kNu = 0.33;
// Simply supported: centre moment pa²(3+nu)/16; fixed: centre pa²(1+nu)/16, edge pa²/8.
constexpr double kSimpleCentre = 6 * kA * kA * (3 + kNu) / (16 * kT * kT);
constexpr double kFixedCentre = 6 * kA * kA * (1 + kNu) / (16 * kT * kT);
constexpr double kFixedEdge = 0.75 * kA * kA / (kT * kT);
constexpr double kSeat = kRp * kRp / (kRp * kRp - kA * kA);

const PlateCase kPlateCases[] = {
    {"SimplySupportedExternal", 0, 0, " (plate center)",
     "Table eval dia., De = plate center for Max Radial", kSimpleCentre, kSimpleCentre},
    {"FixedExternalMillimetres", 1, 1, " (free dia. = 152.40 mm)",
     "Table eval dia., De = plate free diameter for Max Radial", kFixedEdge, kFixedCentre},
};

class CircularPlateSearchRows : public ::testing::TestWithParam<PlateCase> {};

TEST_P(CircularPlateSearchRows, FindsRadialTangentialAndSeat) {
    const PlateCase& c = GetParam();
    DesignRecord design =
        MetalEndcap(kFlatCircularEndcap, {2 * kA, 2 * kRp, kT, 0, 0, 0, 0, 0}, c.restraint);
    design.UnitSystem = c.unitSystem;
    design.PressureSource = 1;
    AnalysisState s = LoadAnalysisState(design, DefaultResultsRequest(design));
    ScriptedMessages messages;
    ResultsFormatter format(5, 2, messages);
    const FailureSearchResult result =
        FindFailurePressures(s, {"Metals", "Ksi", c.unitSystem}, format);
    ASSERT_FALSE(result.error);
    const double Y = design.YieldStrength;
    EXPECT_NEAR(s.PlateRadialFailurePressure / (Y / c.radialPerPsi), 1, 1e-4);
    EXPECT_NEAR(s.PlateTangentialFailurePressure / (Y / c.tangentialPerPsi), 1, 1e-4);
    EXPECT_NEAR(s.SeatFailurePressure / (Y / kSeat), 1, 1e-4);
    int16_t digits = 5, notation = 2;
    auto ksi = [&](double p) { return SigDigFormat(p / 1000, digits, notation) + " Ksi"; };
    ASSERT_EQ(result.frame.options.size(), 4u);
    EXPECT_EQ(result.frame.options[0].caption,
              "Radial Stress Failure at " + ksi(Y / c.radialPerPsi) + c.radialSuffix);
    EXPECT_EQ(result.frame.options[1].caption,
              "Tangential Stress Failure at " + ksi(Y / c.tangentialPerPsi) + " (plate center)");
    EXPECT_EQ(result.frame.options[2].caption, "Seat failure at " + ksi(Y / kSeat));
    EXPECT_FALSE(result.frame.options[3].visible);
    EXPECT_TRUE(result.frame.options[0].visible);
    // Equal radial and tangential pressures (simply supported centre) go to radial.
    EXPECT_EQ(result.frame.selected, 1);
    EXPECT_EQ(result.frame.evalRadiusLabel, c.evalLabel);
    EXPECT_EQ(result.frame.evalRadiusLabel2,
              "Table eval dia., De = plate center for Max Tangential");
    EXPECT_EQ(s.TableEvalRadius, c.restraint == 1 ? kA : 0.0);
}

INSTANTIATE_TEST_SUITE_P(FailureSearch, CircularPlateSearchRows, ::testing::ValuesIn(kPlateCases),
                         RowName<PlateCase>);

// A thick sphere of the metal under internal pressure yields in the shell (von Mises) and in
// shear (twice the largest shear, Tresca) at the same pressure: where the stress difference at
// the bore, 3 p b^3 / (2 (b^3 - a^3)) (Lame), reaches the yield strength.
TEST(FailureSearch, ThickSphereInternalYieldsInShellAndShearAlike) {
    DesignRecord design = TitledMetal();
    design.BodyType = kSphereBody;
    design.BodyDim = {4, 6, 1, 0, 0};
    design.YieldStrength = 0.35;  // any positive strength is searched for
    AnalysisState s = LoadAnalysisState(design, DefaultResultsRequest(design));
    ScriptedMessages messages;
    ResultsFormatter format(5, 2, messages);
    const FailureSearchResult result = FindFailurePressures(s, {"Metals", "psi", 0}, format);
    ASSERT_FALSE(result.error);
    const double a3 = 8, b3 = 27, yield = design.YieldStrength * 2 * (b3 - a3) / (3 * b3);
    EXPECT_NEAR(s.ShellFailurePressure / yield, 1, 1e-4);
    EXPECT_NEAR(s.ShearFailurePressure / yield, 1, 1e-4);
}

// The material quoted beside the results, for each class whatever the case of its name: a class
// without a second strength shows like a metal.
TEST(DefaultResultsRequest, QuotesTheStrengthsOfEachClass) {
    using Texts = std::vector<std::string>;
    for (const Texts& row :
         {Texts{"Metals", "Metals", "Yield Strength", ""},
          Texts{"PLASTICS", "PLASTICS", "Ultimate Strength", "Working Strength"},
          Texts{"Glass", "Glass", "Ult. Strength (tensile)", "Ult. Strength (comp)"},
          Texts{"ceramics", "ceramics", "Ult. Strength (tensile)", "Ult. Strength (comp)"},
          Texts{"Alloys", "Metals", "Yield Strength", ""}}) {
        DesignRecord design = TitledMetal();
        design.MaterialClass = row[0];
        design.YieldStrength = 35000.5;
        design.SecondaryStrength = 7;
        const ResultsRequest r = DefaultResultsRequest(design);
        EXPECT_EQ((Texts{r.categoryText, r.primaryStrengthCaption, r.secondaryStrengthCaption,
                         r.primaryStrengthValue, r.secondaryStrengthValue}),
                  (Texts{row[1], row[2], row[3], "35000.5", row[3].empty() ? "" : "7"}));
    }
}

// The lobe count shown is the one of the lowest buckling pressure, found here by trying every
// count: a short tube buckles in more than two lobes.
TEST(FailureSearch, LobeCountShownIsTheWeakest) {
    const DesignRecord tube = ExternalBody(kTubeBody, {10, 10.5, 0.25, 5, 0});
    ScriptedMessages messages;
    AnalysisState s;
    const ResultsView view = BuildResultsTable(tube, DefaultResultsRequest(tube), messages, s);
    int weakest = 2;
    double lowest = 1e300;
    for (int16_t n = 2; n <= 60; ++n) {
        AnalysisState trial = s;
        ComputeStresses(trial, 100, trial.InnerRadius, 0, 0, n, 0);
        if (trial.BucklingPressure < lowest) {
            lowest = trial.BucklingPressure;
            weakest = n;
        }
    }
    EXPECT_GT(weakest, 2);
    EXPECT_EQ(view.lobeCount, weakest);
}

// Twenty rows evenly spaced from the start of the range to its end, 100 to 2000 psi, for a tube
// that fails beyond them.
TEST(ResultsTableRows, TwentyEvenRowsAcrossTheRange) {
    const ResultsView view = RunAtRange(ExternalBody(kTubeBody, {4, 6, 1, 10, 0}), 3);
    ASSERT_TRUE(view.Ok());
    EXPECT_EQ(view.wallTheory, "Thick Wall");  // mean radius 2.5 walls: not above 10
    ASSERT_EQ(view.rowPressures.size(), 20U);
    for (size_t k = 0; k < 20; ++k) EXPECT_DOUBLE_EQ(view.rowPressures[k], 100.0 * (k + 1)) << k;
}

}  // namespace
}  // namespace tidewell
