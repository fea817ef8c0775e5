// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Ratings, advisories and sizing against hand-worked thin-wall and buckling values; the collapse
// estimate against a worked cylinder, classical buckling and the published interaction curves.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <tuple>
#include <utility>
#include <vector>

#include "analysis/CollapseEstimate.h"
#include "analysis/DesignValidation.h"
#include "analysis/Rating.h"
#include "analysis/ResultsTable.h"
#include "analysis/Sizing.h"
#include "tests/analysis/AnalysisTestSupport.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::AnnularMetal;
using testing::ExternalBody;
using testing::ExternalEndcap;
using testing::RowName;

constexpr double kNA = kNotApplicablePressure;

// An aluminium tube under external pressure: I.D. 10, O.D. 11, wall 0.5 in (R/t = 10.5, thin).
// Shell failure by von Mises: Y t / ((sqrt 3 / 2) R) = 3849.0018 psi. Buckling (2 lobes at
// 200 in, 4 lobes at 5 in): 2592.2252 and 27603.551 psi.
DesignRecord AluminiumTube(double length) {
    return ExternalBody(kTubeBody, {10, 11, 0.5, length, 0});
}

HousingRating Rate(const DesignRecord& d, SafetyFactors factors) {
    ScriptedMessages messages;
    HousingRating rating = RateDesign(d, DefaultResultsRequest(d), factors, messages);
    EXPECT_TRUE(rating.Ok()) << rating.error.value_or("");
    EXPECT_TRUE(messages.shown.empty());
    return rating;
}

// The smallest failure pressure over the factor of its kind (strength, buckling) rates the modes.
TEST(RatedModes, SmallestFailureOverFactor) {
    const std::vector<ModeFailure> shell = {{"Thin Wall Buckling", ModeKind::Buckling, 9000},
                                            {"Shell failure", ModeKind::Strength, 3000},
                                            {"Seat failure", ModeKind::Strength, kNA},
                                            {"Shear failure", ModeKind::Strength, kNA}};
    for (const auto& [factors, pressure, mode] :
         {std::tuple{SafetyFactors{1, 1}, 3000.0, "Shell failure"},
          {SafetyFactors{1.5, 3}, 2000.0, "Shell failure"},
          {SafetyFactors{1, 4}, 2250.0, "Thin Wall Buckling"}}) {
        const Rating rating = RateModes(shell, factors);
        EXPECT_TRUE(rating.rated);
        EXPECT_DOUBLE_EQ(rating.ratedPressure, pressure);
        EXPECT_EQ(rating.governingMode, mode);
    }
    EXPECT_FALSE(RateModes({{"Shell failure", ModeKind::Strength, kNA}}, {2, 2}).rated);
}

TEST(RateDesign, FactorsOfOneGiveTheGoverningFailurePressureExactly) {
    const DesignRecord tube = AluminiumTube(200);
    ScriptedMessages messages;
    const ResultsView view = BuildResultsTable(tube, DefaultResultsRequest(tube), messages);
    const HousingRating rating = Rate(tube, {1, 1});
    ASSERT_EQ(rating.parts.size(), 1U);
    EXPECT_EQ(rating.Governing().rating.ratedPressure,
              std::min(view.failurePressure, view.collapse.estimate));
    // An annular plate's modes as well: a seat too narrow for the plate governs.
    DesignRecord plate = AnnularMetal();
    plate.EndcapDim[1] = 6.01;
    const ResultsView plateView = BuildResultsTable(plate, DefaultResultsRequest(plate), messages);
    const HousingRating plateRating = Rate(plate, {1, 1});
    EXPECT_EQ(plateRating.Governing().rating.ratedPressure, plateView.failurePressure);
    EXPECT_EQ(plateRating.Governing().rating.governingMode, "Seat failure");
}

// The 5 in tube with a hemispherical endcap I.D. 10, O.D. 10.4, wall 0.2 (R = 5.1): shell 2tY/R =
// 2745.098, seat 2640.533, buckling 5613.226 psi; its elastic buckling 18812 psi is over 6.5 p_y,
// so its collapse estimate is 0.57 p_y. The tubes rate on their collapse estimates (out-of-round
// root at 5 in, interaction curve at 200 in), worked from the formulas written out separately.
DesignRecord TubeWithThinEndcap() {
    DesignRecord d = AluminiumTube(5);
    d.EndcapType = kHemisphericalEndcap;
    d.EndcapDim = {10, 10.4, 0.2, 0, 0, 0, 0, 0};
    return d;
}

// Each governs on its collapse estimate.
TEST(RatedDesign, GoverningPartAndMode) {
    for (const auto& [design, pressure, part] :
         {std::tuple{AluminiumTube(5), 2844.551913811394 / 1.5, "Body"},
          {AluminiumTube(200), 1216.6054472633214 / 1.5, "Body"},
          {TubeWithThinEndcap(), 0.57 * 2 * 0.2 * 35000 / 5.1 / 1.5, "Endcap"}}) {
        const HousingRating rating = Rate(design, {1.5, 3});
        EXPECT_NEAR(rating.Governing().rating.ratedPressure, pressure, pressure * 1e-6);
        EXPECT_STREQ(PartName(rating.Governing()), part);
        EXPECT_EQ(rating.Governing().rating.governingMode, "Collapse estimate");
    }
    // Beside the estimate the classical modes still name their lowest: the endcap's seat.
    EXPECT_EQ(GoverningFailureMode(Rate(TubeWithThinEndcap(), {1.5, 3}).Governing()),
              "Seat failure");
}

// Two projects: the endcap rates on its own weaker material (0.57 2tY/R with Y = 17500); a first
// project without a body is refused.
TEST(RateHousing, EndcapProjectRatedWithItsOwnMaterial) {
    const DesignRecord tube = AluminiumTube(5);
    DesignRecord endcap = TubeWithThinEndcap();
    endcap.BodyType = 0;
    endcap.YieldStrength = 17500;
    ScriptedMessages messages;
    const HousingRating rating =
        RateHousing(tube, DefaultResultsRequest(tube), endcap, {1.5, 3}, messages);
    ASSERT_TRUE(rating.Ok()) << rating.error.value_or("");
    EXPECT_NEAR(rating.Governing().rating.ratedPressure, 0.57 * 2 * 0.2 * 17500 / 5.1 / 1.5, 1e-6);
    EXPECT_STREQ(PartName(rating.Governing()), "Endcap");
    EXPECT_FALSE(
        RateHousing(endcap, DefaultResultsRequest(endcap), endcap, {1.5, 3}, messages).Ok());
    endcap.EndcapDim[2] = 0;  // an endcap that cannot be analysed stops the rating, saying why
    const HousingRating stopped =
        RateHousing(tube, DefaultResultsRequest(tube), endcap, {1.5, 3}, messages);
    EXPECT_FALSE(stopped.Ok());
    EXPECT_NE(stopped.error.value_or(""), "");
}

// A sphere's state after its search, with the two pressures that compete.
AnalysisState Searched(int16_t code, double buckling, double strength) {
    AnalysisState s;
    s.ComponentCode = code;
    s.PressureDirection = kExternalPressure;
    s.BucklingPressure = buckling;
    s.ShellFailurePressure = strength;
    s.YoungsModulus = 10e6;
    s.PoissonRatio = 0.33;
    s.WallThickness = 0.5;
    s.MeanRadius = 5.25;
    return s;
}

TEST(Interaction, AdvisedWithinAFactorOfTwoOnly) {
    const CollapseEstimate none;
    CollapseEstimate collapse;
    collapse.assessed = true;
    collapse.estimate = 700;
    const InteractionAdvice inside =
        AdviseInteraction(Searched(kSphereComponent, 1000, 1990), collapse);
    EXPECT_TRUE(inside.interaction);
    EXPECT_EQ(inside.collapseEstimate, 700);  // the one estimate the program has
    EXPECT_EQ(AdviseInteraction(Searched(kSphereComponent, 1000, 1990), none).collapseEstimate, 0);
    EXPECT_TRUE(AdviseInteraction(Searched(kHemiEndcapComponent, 2010, 1010), none).interaction);
    EXPECT_FALSE(AdviseInteraction(Searched(kSphereComponent, 1000, 2010), none).interaction);
    EXPECT_TRUE(AdviseInteraction(Searched(kSphereComponent, 1000, 2000), none)
                    .interaction);  // exactly two
    AnalysisState internal = Searched(kSphereComponent, 1000, 1500);
    internal.PressureDirection = kInternalPressure;
    EXPECT_FALSE(AdviseInteraction(internal, collapse).interaction);
    EXPECT_FALSE(AdviseInteraction(internal, collapse).collapseLow);
    EXPECT_FALSE(AdviseInteraction(Searched(kSphereComponent, kNA, 1500), none).interaction);
}

TEST(Interaction, CollapseNoteAboveOneAndAHalfTimesTheEstimate) {
    AnalysisState s = Searched(kTubeComponent, 1000, 5000);
    s.FailurePressure = 1000;
    CollapseEstimate collapse;
    collapse.assessed = true;
    for (const auto& [estimate, noted] :
         std::vector<std::pair<double, bool>>{{666, true}, {667, false}, {1000, false}}) {
        collapse.estimate = estimate;
        const InteractionAdvice advice = AdviseInteraction(s, collapse);
        EXPECT_EQ(advice.collapseLow, noted) << estimate;
        EXPECT_EQ(advice.governingFailurePressure, noted ? 1000 : advice.governingFailurePressure);
    }
    collapse.assessed = false;
    collapse.estimate = 1;
    EXPECT_FALSE(AdviseInteraction(s, collapse).collapseLow);
}

TEST(Interaction, LongTubeWithinTenPercentOfTheInfiniteTube) {
    // 2E/(1 - nu^2) (t/D)^3 with D = 10.5: 2423.5148 psi.
    const double infinite = 2423.514752922;
    const CollapseEstimate none;
    const AnalysisState near = Searched(kTubeComponent, 1.099 * infinite, 1e6);
    EXPECT_TRUE(AdviseInteraction(near, none).longTube);
    EXPECT_NEAR(AdviseInteraction(near, none).infiniteTubePressure, infinite, 1e-6);
    EXPECT_FALSE(AdviseInteraction(Searched(kTubeComponent, 1.101 * infinite, 1e6), none).longTube);
    EXPECT_FALSE(AdviseInteraction(Searched(kSphereComponent, infinite, 1e6), none).longTube);
    // The real 200 in tube buckles at 1.0696 times the infinite tube's pressure, within a
    // factor 1.49 of its shell failure: both advisories.
    const PartRating tube = Rate(AluminiumTube(200), {1, 1}).Governing();
    EXPECT_TRUE(tube.advice.longTube);
    EXPECT_TRUE(tube.advice.interaction);
    EXPECT_FALSE(Rate(AluminiumTube(5), {1, 1}).Governing().advice.longTube);
}

TEST(Depth, PressureAtDepthFollowsTheSeaWaterLaw) {
    ScriptedMessages messages;
    // 0.444 D + 0.3e-6 D^2 at 1000 ft; 1000 m is 3280.84 ft.
    EXPECT_NEAR(PressureAtDepth(1000, "Ft (sea)", messages), 444.3, 1e-9);
    const double feet = 1000 / 0.3048;
    EXPECT_NEAR(PressureAtDepth(1000, "m (sea)", messages), 0.444 * feet + 0.3e-6 * feet * feet,
                1e-9);
    EXPECT_EQ(PressureAtDepth(0, "m (sea)", messages), 0.0);
}

TEST(RateDesign, NothingToRateSaysSo) {
    ScriptedMessages messages;
    const DesignRecord none = testing::TitledMetal();
    EXPECT_EQ(RateDesign(none, DefaultResultsRequest(none), {1, 1}, messages).error,
              "The design has no body or endcap that can be rated.");
}

// Sizing the length of the tube with the buckling row's wall gives back its 200 in; the entered
// length follows in its own unit, any of the length list.
TEST(LengthSizing, GivesBackTheLengthTheWallWasSizedFor) {
    const double wall = 0.3462610264393389, millimetres[] = {25.4, 1, 304.8, 1000, 10};
    DesignRecord d = AluminiumTube(200);
    d.BodyDim = {10, 10 + 2 * wall, wall, 200, 0};
    ScriptedMessages messages;
    const DimensionChoice length{SizedDimension::Length, false};
    const SizingResult result =
        SizeDimension(d, DefaultResultsRequest(d), length, {1, 3}, 300, messages);
    ASSERT_TRUE(result.found) << result.problem;
    EXPECT_NEAR(result.value, 200, 1e-5);
    d.YoungsModulus = 0;  // a run that has to stop stops the sizing, saying why
    const SizingResult stopped =
        SizeDimension(d, DefaultResultsRequest(d), length, {1, 3}, 300, messages);
    EXPECT_EQ(stopped.refusal, SizingResult::Refusal::AnalysisStopped);
    EXPECT_NE(stopped.problem, "");
    for (int unit = -1; unit <= 5; ++unit) {  // a position outside the list stays in inches
        d.BodyDimUnit[3] = unit;
        EXPECT_NEAR(WithDimension(d, length, 100).BodyDimEntered[3],
                    unit >= 0 && unit < 5 ? 2540 / millimetres[unit] : 100, 1e-12);
    }
}

// Whichever of I.D., O.D. and wall is set, the others follow so that O.D. = I.D. + 2 walls.
TEST(WithDimension, DiametersAndWallStayConsistent) {
    const DesignRecord d = AluminiumTube(200);  // I.D. 10, O.D. 11, wall 0.5
    EXPECT_EQ(VariedScope(testing::AnnularMetal()), kEndcapEditorScope);  // no body: the endcap
    const std::pair<DimensionChoice, std::array<double, 3>> rows[] = {
        {{SizedDimension::Wall, false}, {10, 11.5, 0.75}},
        {{SizedDimension::Wall, true}, {9.5, 11, 0.75}},
        {{SizedDimension::OuterDiameter, false}, {10, 12, 1}},
        {{SizedDimension::InnerDiameter, false}, {9, 11, 1}}};
    for (const auto& [choice, expected] : rows) {
        const double value = expected[static_cast<size_t>(DimensionField(choice))];
        const DesignRecord sized = WithDimension(d, choice, value);
        EXPECT_EQ((std::array<double, 3>{sized.BodyDim[0], sized.BodyDim[1], sized.BodyDim[2]}),
                  expected);
        // Both ends of the range a sizing scans leave a bore and a wall.
        const DimensionRange range = PhysicalRange(d, choice);
        for (const double end : {range.weakest, range.strongest}) {
            const DesignRecord atEnd = WithDimension(d, choice, end);
            EXPECT_GT(std::min(atEnd.BodyDim[0], atEnd.BodyDim[2]), 0) << end;
        }
    }
}

// Where buckling governs, the wall whose lowest-lobe buckling pressure is B p; a short tube's
// collapse estimate (out-of-round root at 0.5 %) governs, its wall bisected on separate formulas.
TEST(WallSizing, ReachesTheHandWorkedWall) {
    // Length and target pressure, factors, the wall worked by hand (0: none reaches it), mode.
    const std::tuple<double, double, SafetyFactors, double, const char*> rows[] = {
        // Out-of-roundness root of 1.5 * 2000 psi (p_m 38480 psi at 4 lobes, p_y 3489.5 psi).
        {5, 2000, {1.5, 3}, 0.5246565357312413, "Collapse estimate"},
        // 900 psi of buckling at 2 lobes, 200 in long (the estimate there is about 430 psi).
        {200, 300, {1, 3}, 0.3462610264393389, "Thin Wall Buckling"},
        // A thick tube under external pressure fails below half its yield strength.
        {5, 20000, {1, 1}, 0, ""}};
    for (const auto& [length, target, factors, wall, mode] : rows) {
        const DesignRecord d = AluminiumTube(length);
        ScriptedMessages messages;
        const SizingResult result = SizeDimension(d, DefaultResultsRequest(d), DimensionChoice{},
                                                  factors, target, messages);
        if (wall == 0) {
            EXPECT_FALSE(result.found);
            EXPECT_EQ(result.refusal, SizingResult::Refusal::NoneReaches);
            EXPECT_LT(result.bestRatedPressure, target);
            EXPECT_EQ(result.bestValue, result.scanned.strongest);  // a thicker wall rates higher
            continue;
        }
        EXPECT_TRUE(result.found) << target;
        EXPECT_NEAR(result.value, wall, 1e-6 * wall);
        EXPECT_EQ(result.part.rating.governingMode, mode);
        EXPECT_GE(result.part.rating.ratedPressure, target);
    }
}

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
    // Shortened to L = 60 mm with t = 1 mm the same formula, worked by hand, is lowest at 33
    // lobes: 0.2924 MPa (the short-tube closed form 2.42 E (t/D)^2.5 / ((1 - nu^2)^0.75
    // (L/D - 0.45 (t/D)^0.5)) gives 0.294).
    const CylinderBuckling shortTube = CylinderElasticBuckling(210000, 0.3, 600, 1, 60);
    EXPECT_EQ(shortTube.lobes, 33);
    EXPECT_NEAR(shortTube.pressure, 0.2924, 0.00005);
}

// Every point of the two curves as the vessel codes print them: p_r / p_y at x = 0, 0.25, ... 7 for
// cylinders and at x = 0, 0.5, ... 6.5 for spheres; straight between points, flat beyond the last.
TEST(InteractionCurve, EveryPublishedPoint) {
    const double cylinder[] = {0,    .125, .251, .375, .5,   .605, .68,  .72,  .755, .78,
                               .803, .822, .836, .849, .861, .87,  .879, .887, .896, .905,
                               .914, .917, .923, .929, .935, .941, .947, .953, .959};
    const double sphere[] = {0,    .09, .18,  .255, .324, .386, .435,
                             .479, .51, .533, .548, .565, .567, .57};
    for (size_t k = 0; k < std::size(cylinder); ++k) {
        EXPECT_NEAR(CylinderInteractionFactor(0.25 * k), cylinder[k], 1e-12) << k;
    }
    for (size_t k = 0; k < std::size(sphere); ++k) {
        EXPECT_NEAR(SphereInteractionFactor(0.5 * k), sphere[k], 1e-12) << k;
    }
    // 0.251 + 0.4 (0.375 - 0.251), and halfway from .605 to .68.
    for (const auto& [x, factor] : {std::pair{0.6, 0.3006}, {1.375, 0.6425}, {50.0, 0.959}}) {
        EXPECT_NEAR(CylinderInteractionFactor(x), factor, 1e-12) << x;
    }
    for (const auto& [x, factor] : {std::pair{1.25, 0.2175}, {9.0, 0.57}}) {
        EXPECT_NEAR(SphereInteractionFactor(x), factor, 1e-12) << x;
    }
}

// Without out-of-roundness the ring first yields at the lower of the elastic buckling and yield
// pressures (where equal, the root moves as sqrt(u)); every added imperfection lowers it.
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

ResultsView Analysed(const DesignRecord& d) {
    ScriptedMessages messages;
    return BuildResultsTable(d, DefaultResultsRequest(d), messages);
}

TEST(CollapseEstimate, HemisphericalEndcapEqualsTheSphere) {
    const CollapseEstimate sphere = Analysed(ExternalBody(kSphereBody, {10, 10.6, 0.3})).collapse;
    const CollapseEstimate endcap =
        Analysed(ExternalEndcap(kHemisphericalEndcap, {10, 10.6, 0.3}, -1)).collapse;
    ASSERT_TRUE(sphere.assessed && endcap.assessed);
    EXPECT_FALSE(sphere.tube);
    EXPECT_DOUBLE_EQ(endcap.estimate, sphere.estimate);
    EXPECT_DOUBLE_EQ(endcap.elasticPressure, sphere.elasticPressure);
    // p_y = 2 Y t / R with R = 5.15.
    EXPECT_NEAR(sphere.yieldPressure, 2 * 35000 * 0.3 / 5.15, 1e-9);
}

DesignRecord InternalTube() {
    DesignRecord d = ExternalBody(kTubeBody, {10, 10.6, 0.3, 20, 0});
    d.PressureSource = 0;
    return d;
}

// Internal pressure, flat plates and cones are not assessed, and say why.
TEST(CollapseEstimate, NotAssessedSaysWhy) {
    for (const DesignRecord& design :
         {InternalTube(), ExternalEndcap(kFlatCircularEndcap, {6, 7, 0.5}, 0), AnnularMetal(),
          ExternalEndcap(kConicalEndcap, {4, 8, 0.3, 5}, 0)}) {
        const ResultsView view = Analysed(design);
        EXPECT_TRUE(view.Ok()) << design.EndcapType;
        EXPECT_FALSE(view.collapse.assessed) << design.EndcapType;
        EXPECT_FALSE(view.collapse.notAssessedReason.empty()) << design.EndcapType;
        EXPECT_FALSE(view.advice.collapseLow) << design.EndcapType;
    }
}

// The strength in the yield pressure sigma t / R (primary 10000, secondary 3000) is the shell
// check's: metals yield, whatever the option; ceramics and glass compressive; plastics either.
TEST(CollapseEstimate, YieldPressureUsesTheShellCheckStrength) {
    AnalysisState s = TubeState(10, 0.5, 20, 1e6, 0.3, 10000);
    s.SecondStrength = 3000;
    const std::tuple<const char*, int16_t, double> rows[] = {
        {"Metals", 0, 10000}, {"METALS", 1, 10000},   {"Ceramics", 0, 3000},
        {"glass", 0, 3000},   {"Plastics", 0, 10000}, {"Plastics", 1, 3000}};
    for (const auto& [materialClass, useWorking, strength] : rows) {
        const CollapseEstimate c = EstimateCollapse(s, materialClass, useWorking, 0.005);
        EXPECT_TRUE(c.assessed) << materialClass << useWorking;
        EXPECT_NEAR(c.yieldPressure, strength * 0.5 / 10, 1e-9) << materialClass << useWorking;
    }
}

}  // namespace
}  // namespace tidewell
