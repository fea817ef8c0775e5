// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The results table: failure row, the annular plate's evaluation diameter, runs that must stop,
// data rows against hand formulas, and the failure search: strength over stress per psi per mode.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "analysis/FailureSearch.h"
#include "analysis/PlateFailure.h"
#include "analysis/ResultsTable.h"
#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"
#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::AnnularMetal;
using testing::ExternalBody;
using testing::ExternalEndcap;
using testing::Fmt;
using testing::kPiValue;
using testing::MetalEndcap;
using testing::RowName;
using testing::TitledMetal;
using Texts = std::vector<std::string>;

// A thin plastic tube whose hoop stress is exactly 20 p (mean radius 2.5 in, wall 0.125 in):
// under internal pressure it fails at exactly strength / 20.
DesignRecord PlasticTubeFailingAt(double failurePsi) {
    DesignRecord d = TitledMetal();
    d.MaterialClass = "Plastics";
    d.YieldStrength = 20 * failurePsi;
    d.SecondaryStrength = 1;
    d.BodyType = kTubeBody;
    d.BodyDim = {4.875, 5.125, 0.125, 10, 0};
    return d;
}

ResultsView Build(const DesignRecord& design, const std::function<void(ResultsRequest&)>& adjust,
                  ScriptedMessages& messages, AnalysisState* state = nullptr) {
    ResultsRequest request = DefaultResultsRequest(design);
    if (adjust) adjust(request);
    AnalysisState local;
    return BuildResultsTable(design, request, messages, state ? *state : local);
}

// Failing between rows (of the smallest range too), on a row, on the first row, below and above
// the range: the failure row inserted or not, marked from there on and highlighted.
TEST(ResultsTableRows, FailureRowInsertedMarkedAndHighlighted) {
    // Failure pressure, range, row count, failure row (-1: none), column 0 of the first data rows.
    const std::tuple<double, int, int, int, Texts> rows[] = {
        {0.25, 0, 23, 4, {"0.10000", "0.20000", "0.25000 (fail)", "0.30000 (fail)"}},
        {250, 3, 23, 4, {"100.00", "200.00", "250.00 (fail)", "300.00 (fail)"}},
        {400, 3, 22, 5, {"100.00", "200.00", "300.00", "400.00 (fail)", "500.00 (fail)"}},
        {100, 3, 22, 2, {"100.00 (fail)", "200.00 (fail)"}},
        {250, 4, 22, 2, {"1000.0 (fail)", "2000.0 (fail)"}},
        {250, 2, 22, -1, {"10.000", "20.000"}}};
    for (const auto& [failurePsi, range, rowCount, failureRow, firstCells] : rows) {
        SCOPED_TRACE(firstCells.back());
        ScriptedMessages messages;
        const ResultsView view = Build(
            PlasticTubeFailingAt(failurePsi),
            [&, range = range](ResultsRequest& r) {
                r.pressureRange = range;
                r.pressureUnit = "psi";
            },
            messages);
        ASSERT_TRUE(view.Ok());
        EXPECT_EQ(view.failurePressure, failurePsi);
        ASSERT_EQ(view.rowCount, rowCount);
        EXPECT_EQ(view.failureRowInserted, rowCount == 23);
        for (size_t i = 0; i < firstCells.size(); ++i) {
            EXPECT_EQ(view.Cell(static_cast<int>(2 + i), 0), firstCells[i]) << i;
        }
        EXPECT_EQ(view.failureRow, failureRow);
        // Every row from the failure row on is marked, none before it.
        for (int row = 2; row < view.rowCount; ++row) {
            const bool marked = view.Cell(row, 0).find(" (fail)") != std::string::npos;
            EXPECT_EQ(marked, failureRow >= 0 && row >= failureRow) << row;
        }
        // The failed rows are highlighted, or the last cell when nothing failed.
        const int last = view.rowCount - 1;
        const CellBlock& h = view.highlighted;
        EXPECT_EQ((std::vector<int>{h.firstRow, h.firstColumn, h.lastRow, h.lastColumn}),
                  (failureRow < 0 ? std::vector<int>{last, 7, last, 7}
                                  : std::vector<int>{failureRow, 0, last, 7}));
    }
}

TEST(ResultsTableRows, AnnularTableIsEvaluatedAtTheGoverningRadiusNotItsRoundedText) {
    // The plate fails first at its free edge, 3.55 in across; two significant digits propose
    // "3.6", outside the plate, but the table must show the stresses at the free edge.
    DesignRecord design = AnnularMetal();
    design.EdgeRestraint = 0;  // fixed outer edge, free hole edge
    design.LineLoadOn = kFalse;
    design.EndcapDim = {3.55, 4.5, 0.25, 1, 2, 50, 1, 3};
    design.SignificantDigits = 2;
    ScriptedMessages messages;
    AnalysisState s;
    const ResultsView view = Build(design, nullptr, messages, &s);
    ASSERT_TRUE(view.Ok()) << view.error->text;
    ASSERT_EQ(s.PlateFailureRadii[0], 3.55 / 2);
    EXPECT_EQ(view.failure.proposedEvalDiameter, "3.6");
    design.SignificantDigits = 5;
    EXPECT_EQ(Build(design, nullptr, messages).failure.proposedEvalDiameter, "3.5500");
    for (int row = 2; row < view.rowCount; ++row) {
        EXPECT_EQ(view.Cell(row, 2), view.Cell(row, 12)) << row;  // De Radial = FD Radial
        EXPECT_EQ(view.Cell(row, 5), view.Cell(row, 15)) << row;  // De Vert Defl = FD Vert Defl
    }
}

// A too narrow seat governs, at the free hole edge with no radial moment: the table is there.
TEST(ResultsTableRows, AnnularTableIsEvaluatedWhereTheGoverningModeFails) {
    DesignRecord design = AnnularMetal();  // simply supported outside, hole edge free
    design.EndcapDim[1] = 6.01;
    ScriptedMessages messages;
    AnalysisState s;
    const ResultsView view = Build(design, nullptr, messages, &s);
    ASSERT_TRUE(view.Ok()) << view.error->text;
    ASSERT_EQ(s.PlateFailureMode, 5);
    for (int row = 2; row < view.rowCount; ++row) EXPECT_EQ(view.Cell(row, 2), Fmt(0)) << row;
}

// The state holds the radii of the typed diameters, the wall and the length or height, whatever
// the component; the circular plate's full radius is the inner one, the annular plate's the hole.
TEST(LoadAnalysisState, RadiiOfTheTypedDiameters) {
    DesignRecord tube = TitledMetal(), sphere = TitledMetal();
    tube.BodyType = kTubeBody;
    tube.BodyDim = {4, 5, 0.5, 20, 0};
    sphere.BodyType = kSphereBody;
    sphere.BodyDim = {9, 10, 0.5, 0, 0};
    using Values = std::vector<double>;  // inner, outer, wall, length, height, plate, line loads
    const std::pair<DesignRecord, Values> rows[] = {
        {tube, {2, 2.5, 0.5, 20, 0, 0, 0, 0, 0}},
        {sphere, {4.5, 5, 0.5, 0, 0, 0, 0, 0, 0}},
        {MetalEndcap(kConicalEndcap, {4, 5, 0.25, 3}), {2, 2.5, 0.25, 0, 3, 0, 0, 0, 0}},
        {MetalEndcap(kHemisphericalEndcap, {4, 5, 0.25}), {2, 2.5, 0.25, 0, 0, 0, 0, 0, 0}},
        {MetalEndcap(kFlatCircularEndcap, {6, 7, 0.5}), {3.5, 3, 0.5, 0, 0, 0, 0, 0, 0}},
        {AnnularMetal(), {0.5, 3, 0.5, 0, 0, 3.5, 2, 0.5, 2.5}}};
    for (const auto& [design, expected] : rows) {
        const AnalysisState s = LoadAnalysisState(design, DefaultResultsRequest(design));
        EXPECT_EQ(Values({s.InnerRadius, s.OuterRadius, s.WallThickness, s.BodyLength, s.ConeHeight,
                          s.PlateOuterRadius, s.LineLoadRadius, s.UniformLoadInnerRadius,
                          s.LineLoadOuterRadius}),
                  expected);
    }
}

TEST(ResultsTableRows, RecalculatesAtATypedDiameterInsideThePlate) {
    const std::string outside =
        "Evaluation Diameter must be within the range of the hole diameter ";
    // Unit system, typed diameter, its radius in inches (0: refused) and the refusal.
    const std::tuple<int16_t, const char*, double, std::string> rows[] = {
        {0, "4", 2, ""},
        {0, "6", 3, ""},
        {1, "101.6", 2, ""},
        {0, "7", 0, outside + "(1.0000 inches) and the free diameter (6.0000 inches)."},
        {1, "20", 0, outside + "(25.400 mm) and the free diameter (152.40 mm)."}};
    for (const auto& [unitSystem, typed, radiusInches, refusal] : rows) {
        SCOPED_TRACE(typed);
        DesignRecord design = AnnularMetal();
        design.UnitSystem = unitSystem;
        ScriptedMessages messages;
        const ResultsView view = Build(
            design,
            [&, typed = typed](ResultsRequest& r) {
                r.evalDiameterText = typed;
                r.recalculatingAtTypedDiameter = true;
                r.stressUnit = "psi";
            },
            messages);
        ASSERT_EQ(view.Ok(), radiusInches != 0) << (view.error ? view.error->text : "");
        if (radiusInches == 0) {
            EXPECT_EQ(std::tie(view.error->text, view.error->title, view.error->icon),
                      std::tuple(refusal, "Tidewell", MessageIcon::Critical));
            EXPECT_TRUE(view.cells.empty());
            continue;
        }
        EXPECT_TRUE(view.failure.proposedEvalDiameter.empty());  // the box keeps the typed text
        AnalysisState at = LoadAnalysisState(design, DefaultResultsRequest(design));
        ComputeSelectedPlateLoads(at, view.rowPressures[0], radiusInches);
        EXPECT_EQ(view.Cell(2, 2), Fmt(at.PlateRadialStressAtR));
        EXPECT_EQ(view.Cell(2, 3), Fmt(at.PlateTangentialStressAtR));
    }
}

struct StopCase {
    const char* name;
    DesignRecord (*base)();
    void (*spoil)(DesignRecord&);
    const char* mentions;
};

class StoppedRunRows : public ::testing::TestWithParam<StopCase> {};

TEST_P(StoppedRunRows, ShowOneMessageAndNoHalfTable) {
    DesignRecord design = GetParam().base();
    GetParam().spoil(design);
    ScriptedMessages messages;
    const ResultsView view = Build(design, nullptr, messages);
    ASSERT_FALSE(view.Ok());
    EXPECT_EQ(std::tie(view.error->title, view.error->icon, view.error->buttons),
              std::tuple("Tidewell", MessageIcon::Critical, MessageButtons::Ok));
    EXPECT_NE(view.error->text.find(GetParam().mentions), std::string::npos) << view.error->text;
    // Nothing of a half-built table: no cells, rows, failure options, notices, weight or notes.
    EXPECT_EQ((std::vector<size_t>{view.cells.size(), size_t(view.rowCount),
                                   view.failure.options.size(), view.notices.size(),
                                   view.weightInAir.size(), size_t(view.materialNoticeBits)}),
              std::vector<size_t>(6, 0));
}

// clang-format off
const StopCase kStopCases[] = {
    {"ConeHalfAngleNotFound", TitledMetal,
     [](DesignRecord& d) { d.EndcapType = kConicalEndcap; d.EndcapDim = {1e-9, 10, 0.25, 1}; },
     "half-angle"},
    {"AnnularLineLoadAtTheCentre", AnnularMetal, [](DesignRecord& d) { d.EndcapDim[4] = 0; },
     "line load application diameter"},
    {"StrengthNotANumber", AnnularMetal, [](DesignRecord& d) { d.YieldStrength = std::nan(""); },
     "strength"},
    // The circular plate has two restraints (0, 1) and the annular plate twelve (0 to 11).
    {"CircularRestraintPastItsList", TitledMetal,
     [](DesignRecord& d) { d.EndcapType = kFlatCircularEndcap; d.EndcapDim = {6, 7, 0.5}; d.EdgeRestraint = 2; },
     "No edge restraint"},
    {"AnnularRestraintPastItsList", AnnularMetal, [](DesignRecord& d) { d.EdgeRestraint = 12; },
     "No edge restraint"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ResultsTableRows, StoppedRunRows, ::testing::ValuesIn(kStopCases),
                         RowName<StopCase>);

TEST(PlateFailure, HoleAsLargeAsThePlateStopsWithAMessage) {
    DesignRecord design = AnnularMetal();
    design.EndcapDim[3] = design.EndcapDim[0];  // hole = free diameter
    AnalysisState s = LoadAnalysisState(design, DefaultResultsRequest(design));
    ScriptedMessages messages;
    ResultsFormatter format(5, 2, messages);
    const PlateFailureResult result =
        FindPlateFailurePressures(s, {"Metals", "psi", 0, 50, false}, format);
    EXPECT_TRUE(messages.Empty());
    ASSERT_TRUE(result.error);
    EXPECT_NE(result.error->find("center hole"), std::string::npos) << *result.error;
}

// Every bending and shear caption of the annular plate names its diameter, in inches or mm; the
// seat names none. With both edges fixed, shear fails at the hole (1 in) and the free edge (6 in).
TEST(PlateFailure, CaptionsNameTheDiameterOfEveryModeButTheSeat) {
    // Last, the plate as it comes: a free hole edge carries no shear.
    for (const auto& [metric, restraint] : {std::pair<int16_t, int16_t>{0, 3}, {1, 3}, {0, 4}}) {
        DesignRecord design = AnnularMetal();
        design.EdgeRestraint = restraint;
        design.UnitSystem = metric;
        if (metric) design.YieldStrength = 0.35;  // any positive strength is searched for
        AnalysisState s = LoadAnalysisState(design, DefaultResultsRequest(design));
        ScriptedMessages messages;
        ResultsFormatter format(5, 2, messages);
        const PlateFailureResult result =
            FindPlateFailurePressures(s, {"Metals", "psi", metric, 50, false}, format);
        ASSERT_FALSE(result.error);
        const auto dia = [&](double inches) {
            return " (Dia. = " + Fmt(metric ? inches * 25.4 : inches) +
                   (metric ? " mm)" : " inches)");
        };
        const auto& p = s.PlateFailurePressures;
        const auto& r = s.PlateFailureRadii;
        const std::string expected[] = {
            "Radial moment failure at " + Fmt(p[1]) + " psi" + dia(2 * r[1]),
            "Tangential moment failure at " + Fmt(p[2]) + " psi" + dia(2 * r[2]),
            "Shear stress failure at " + Fmt(p[3]) + " psi" + dia(1),
            "Shear stress failure at " + Fmt(p[4]) + " psi" + dia(6),
            "Seat failure at " + Fmt(p[5]) + " psi"};
        for (size_t mode = 0; mode < 5 && restraint == 3; ++mode) {
            EXPECT_EQ(result.frame.options[mode].caption, expected[mode]) << metric;
            EXPECT_LT(p[mode + 1], kNotApplicablePressure);
        }
        // Of the two shear modes only the one that fails first is offered.
        std::vector<bool> shown;
        for (const FailureOption& option : result.frame.options) shown.push_back(option.visible);
        EXPECT_EQ(shown, (std::vector<bool>{true, true, p[3] <= p[4], p[4] < p[3], true}));
    }
}

// Glass bears on its seat with its compressive strength: a narrow seat fails where the bearing
// stress reaches it.
TEST(PlateFailure, GlassSeatFailsAtTheCompressiveStrength) {
    DesignRecord design = AnnularMetal();
    testing::SetGlass(design);  // compressive strength 100000 psi
    design.EndcapDim[1] = 6.01;
    AnalysisState s = LoadAnalysisState(design, DefaultResultsRequest(design));
    AnalysisState at100 = s;
    ComputeSelectedPlateLoads(at100, 100, s.InnerRadius);
    ScriptedMessages messages;
    ResultsFormatter format(5, 2, messages);
    ASSERT_FALSE(FindPlateFailurePressures(s, {"Glass", "psi", 0, 50, false}, format).error);
    EXPECT_NEAR(s.PlateFailurePressures[5] * std::fabs(at100.SeatStress) / 100, 100000, 10);
}

std::string Shown(double v) {
    return Fmt(std::fabs(v) < 1e-12 ? 0 : v);
}

// The table from 100 psi on, stresses in psi.
ResultsView RunAtRange(const DesignRecord& design, int range) {
    ResultsRequest request = DefaultResultsRequest(design);
    request.pressureRange = range;
    request.pressureUnit = request.stressUnit = "psi";
    ScriptedMessages messages;
    ResultsView view = BuildResultsTable(design, request, messages);
    EXPECT_TRUE(messages.Empty());
    EXPECT_TRUE(view.Ok());
    return view;
}

// The cells of the first data row in the given columns; a run that stopped has none and throws.
Texts FirstRow(const ResultsView& view, std::vector<int> columns) {
    Texts cells;
    for (const int column : columns) cells.push_back(view.Cell(2, column));
    return cells;
}

TEST(ResultsTableHandValues, ThinTubeUnderExternalPressure) {
    // 100 psi on a tube of mean radius 2.45 in, wall 0.1 in, length 20 in.
    const ResultsView view = RunAtRange(ExternalBody(kTubeBody, {4.8, 5, 0.1, 20, 0}), 3);
    const double p = 100, R = 2.45, t = 0.1, L = 20, E = 10e6, nu = 0.33;
    // Depth of sea water for 100 psi: p = 0.444 D + 0.3e-6 D².
    const double depth = (std::sqrt(0.444 * 0.444 + 4 * 0.3e-6 * p) - 0.444) / (2 * 0.3e-6);
    EXPECT_EQ(
        FirstRow(view, {0, 1, 2, 3, 4, 5, 6, 7}),
        (Texts{"100.00", Shown(depth), Shown(-p * R / (2 * t)), Shown(-p * R / t),
               Shown(p * R / t * std::sqrt(0.75)), Shown(-2 * p * R * R * (1 - nu / 2) / (E * t)),
               Shown(-2 * p * R * R * (1 - nu / 2) / (E * t)),
               Shown(-p * R * L * (0.5 - nu) / (E * t))}));
    // Weights: the wall's volume in air; the full outer cylinder displaces sea water.
    const double air = (2.5 * 2.5 - 2.4 * 2.4) * kPiValue * L * 0.098;
    EXPECT_EQ((Texts{view.weightInAir, view.weightInWater}),
              (Texts{Shown(air), Shown(air - 2.5 * 2.5 * kPiValue * L * 0.03704)}));
}

TEST(ResultsTableHandValues, ThickSphereUnderExternalPressure) {
    const ResultsView view = RunAtRange(ExternalBody(kSphereBody, {9, 10, 0.5, 0, 0}), 3);
    const double p = 100, a = 4.5, b = 5, a3 = a * a * a, b3 = b * b * b, E = 10e6, nu = 0.33;
    const double tangential = -3 * p * b3 / (2 * (b3 - a3));  // largest, at the bore
    // Radial stress 0 at the bore; outside -p beside the tangential -p (2b^3 + a^3) / (2(b^3 -
    // a^3)).
    const double outside = -p * (2 * b3 + a3) / (2 * (b3 - a3));
    EXPECT_EQ(FirstRow(view, {2, 3, 4, 7, 8}),
              (Texts{Shown(tangential), Shown(tangential), Shown(-tangential),
                     Shown(2 * -3 * p * a * b3 * (1 - nu) / (2 * E * (b3 - a3))),
                     Shown(2 * b / E * ((1 - nu) * outside + nu * p))}));
    // A full sphere weighs two hemispherical shells.
    const double air = 2 * (b3 - a3) * (2.0 / 3) * kPiValue * 0.098;
    EXPECT_EQ((Texts{view.weightInAir, view.weightInWater}),
              (Texts{Shown(air), Shown(air - 2 * b3 * (2.0 / 3) * kPiValue * 0.03704)}));
}

// A cone weighs the solid cone on its outer base less the similar cone on the bore; an annular
// plate its ring from the hole to the plate's outer edge, in water less the sea water it displaces.
TEST(ResultsTableHandValues, EndcapsWeighTheirWalls) {
    const double a = 2, b = 2.5, h = 3, wall = kPiValue * (b * b * h - a * a * (a * h / b)) / 3;
    EXPECT_EQ(RunAtRange(MetalEndcap(kConicalEndcap, {4, 5, 0.25, 3}), 3).weightInAir,
              Shown(wall * 0.098));
    const ResultsView plate = RunAtRange(AnnularMetal(), 3);
    const double ring = kPiValue * (3.5 * 3.5 - 0.5 * 0.5) * 0.5;
    EXPECT_EQ((Texts{plate.weightInAir, plate.weightInWater}),
              (Texts{Shown(ring * 0.098), Shown(ring * (0.098 - 0.03704))}));
}

// Free radius 3 on a seat ring to 3.5, and 3.5: a plate without a seat ring has no seat stress.
TEST(ResultsTableHandValues, SimplySupportedCircularPlateAtItsCentre) {
    for (const double a : {3.0, 3.5}) {
        const ResultsView view =
            RunAtRange(ExternalEndcap(kFlatCircularEndcap, {2 * a, 7, 0.5}, 0), 3);
        const double p = 100, Rp = 3.5, t = 0.5, E = 10e6, nu = 0.33;
        const double D = E * t * t * t / (12 * (1 - nu * nu));
        const double centre = 6 * p * a * a * (3 + nu) / (16 * t * t);
        EXPECT_EQ(FirstRow(view, {2, 3, 4, 5, 6}),
                  (Texts{Shown(centre), Shown(centre),
                         Shown(a < Rp ? -p * Rp * Rp / (Rp * Rp - a * a) : 0),
                         Shown(-p * a * a * a * a * (5 + nu) / (64 * D * (1 + nu))),
                         Shown(-p * a / (2 * t))}));
        EXPECT_EQ(view.failure.evalRadiusLabel,
                  "Table eval dia., De = plate center for Max Radial");
        if (a == Rp) {
            EXPECT_EQ(view.failure.options[2].caption, "Seat failure N/A");
        }
        const double volume = Rp * Rp * kPiValue * t;
        EXPECT_EQ((Texts{view.weightInAir, view.weightInWater}),
                  (Texts{Shown(volume * 0.098), Shown(volume * (0.098 - 0.03704))}));
    }
}

// Flat circular plate, a = 3 in free radius, Rp = 3.5 in plate radius, t = 0.5 in, nu = 0.33.
constexpr double kA = 3, kRp = 3.5, kT = 0.5, kNu = 0.33;
// Simply supported: centre moment pa²(3+nu)/16; fixed: centre pa²(1+nu)/16, edge pa²/8.
constexpr double kSimpleCentre = 6 * kA * kA * (3 + kNu) / (16 * kT * kT);
constexpr double kFixedCentre = 6 * kA * kA * (1 + kNu) / (16 * kT * kT);
constexpr double kFixedEdge = 0.75 * kA * kA / (kT * kT);
constexpr double kSeat = kRp * kRp / (kRp * kRp - kA * kA);

TEST(FailureSearch, CircularPlateFindsRadialTangentialAndSeat) {
    // Restraint and unit system, radial suffix, table label, stress per psi: radial, tangential.
    const std::tuple<int16_t, int16_t, const char*, const char*, double, double> rows[] = {
        {0, 0, " (plate center)", "Table eval dia., De = plate center for Max Radial",
         kSimpleCentre, kSimpleCentre},
        {1, 1, " (free dia. = 152.40 mm)",
         "Table eval dia., De = plate free diameter for Max Radial", kFixedEdge, kFixedCentre}};
    for (const auto& [restraint, unitSystem, suffix, label, radialPerPsi, tangentialPerPsi] :
         rows) {
        SCOPED_TRACE(restraint);
        DesignRecord design = ExternalEndcap(kFlatCircularEndcap, {2 * kA, 2 * kRp, kT}, restraint);
        design.UnitSystem = unitSystem;
        AnalysisState s = LoadAnalysisState(design, DefaultResultsRequest(design));
        ScriptedMessages messages;
        ResultsFormatter format(5, 2, messages);
        const FailureSearchResult result =
            FindFailurePressures(s, {"Metals", "Ksi", unitSystem}, format);
        ASSERT_FALSE(result.error);
        const double Y = design.YieldStrength;
        EXPECT_NEAR(s.PlateRadialFailurePressure / (Y / radialPerPsi), 1, 1e-4);
        EXPECT_NEAR(s.PlateTangentialFailurePressure / (Y / tangentialPerPsi), 1, 1e-4);
        EXPECT_NEAR(s.SeatFailurePressure / (Y / kSeat), 1, 1e-4);
        auto ksi = [&](double p) { return Fmt(p / 1000) + " Ksi"; };
        const auto& options = result.frame.options;
        ASSERT_EQ(options.size(), 4u);
        EXPECT_EQ(
            (Texts{options[0].caption, options[1].caption, options[2].caption}),
            (Texts{"Radial Stress Failure at " + ksi(Y / radialPerPsi) + suffix,
                   "Tangential Stress Failure at " + ksi(Y / tangentialPerPsi) + " (plate center)",
                   "Seat failure at " + ksi(Y / kSeat)}));
        EXPECT_TRUE(options[0].visible);
        EXPECT_FALSE(options[3].visible);
        // Equal radial and tangential pressures (simply supported centre) go to radial.
        EXPECT_EQ(result.frame.selected, 1);
        EXPECT_EQ(result.frame.evalRadiusLabel, label);
        EXPECT_EQ(result.frame.evalRadiusLabel2,
                  "Table eval dia., De = plate center for Max Tangential");
        EXPECT_EQ(s.TableEvalRadius, restraint == 1 ? kA : 0.0);
    }
}

// A thick sphere under internal pressure yields in the shell (von Mises) and in shear (Tresca)
// alike: where the bore's stress difference 3 p b^3 / (2 (b^3 - a^3)) (Lame) reaches the yield.
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
    // Inside pressure neither buckles the shell nor loads a seat.
    EXPECT_EQ(result.frame.options[0].caption, "Thin Wall Buckling N/A");
    EXPECT_EQ(result.frame.options[2].caption, "Seat failure N/A");
    // A glass sphere whose strength no finite pressure reaches (its bore's hoop stress is about
    // half the pressure) stops the search, saying so, instead of showing an infinity.
    testing::SetGlass(design);
    design.BodyDim = {2, 20, 9, 0, 0};
    design.YieldStrength = 1.7e308;
    AnalysisState glass = LoadAnalysisState(design, DefaultResultsRequest(design));
    EXPECT_TRUE(FindFailurePressures(glass, {"Glass", "psi", 0}, format).error);
}

// The material quoted beside the results, any case of class name; an unknown class is a metal.
TEST(DefaultResultsRequest, QuotesTheStrengthsOfEachClass) {
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
        // The results window quotes them with their units.
        design.BodyType = kTubeBody;
        design.BodyDim = {4, 5, 0.5, 20, 0};
        ScriptedMessages messages;
        EXPECT_EQ(BuildResultsTable(design, r, messages).ultimate,
                  row[2] + ":\r35000.5 psi" + (row[3].empty() ? "" : "\r" + row[3] + ":\r7 psi"));
    }
}

// The lobe count shown is the weakest of every count tried here; a short tube has more than two.
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
    EXPECT_EQ(view.failure.selected, 2);  // yields near 850 psi, long before buckling
}

// Twenty rows evenly spaced across the range, 100 to 2000 psi, for a tube failing beyond them.
TEST(ResultsTableRows, TwentyEvenRowsAcrossTheRange) {
    const ResultsView view = RunAtRange(ExternalBody(kTubeBody, {4, 6, 1, 10, 0}), 3);
    EXPECT_EQ(view.wallTheory, "Thick Wall");  // mean radius 2.5 walls: not above 10
    ASSERT_EQ(view.rowPressures.size(), 20U);
    for (size_t k = 0; k < 20; ++k) EXPECT_DOUBLE_EQ(view.rowPressures[k], 100.0 * (k + 1)) << k;
}

// The thick-plate notice below a free diameter of four thicknesses, not at four.
// The thick-plate notice below a free diameter of four thicknesses, not at four; the deflection
// notice past half the thickness, not before: at 2000 psi the centre of a 0.5 in plate free over
// 7.2 in moves 0.18 in, over 8 in 0.27 in (p a^4 (5 + nu) / (64 D (1 + nu)), worked by hand).
TEST(ResultsTableRows, PlateNoticesAtTheirBounds) {
    for (const auto& [free, outer, t, thick, deflected] : {std::tuple{2.0, 2.5, 0.5, false, false},
                                                           {2.0, 2.5, 0.51, true, false},
                                                           {7.2, 8.0, 0.5, false, false},
                                                           {8.0, 8.0, 0.5, false, true}}) {
        const ResultsView view =
            RunAtRange(ExternalEndcap(kFlatCircularEndcap, {free, outer, t}, 0), 3);
        std::string said;
        for (const Message& notice : view.notices) said += notice.text;
        EXPECT_EQ(said.find("plate thickness is < 4") != std::string::npos, thick) << free << t;
        EXPECT_EQ(said.find("exceeds half the thickness") != std::string::npos, deflected) << free;
    }
}

}  // namespace
}  // namespace tidewell
