// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's model: list selection, the range refill, ReCalc, the governing option,
// the graph series, and one scripted session per behaviour the window must keep; and its safety
// factors and chart as the user drives them: factors kept in the preferences, bad input refused,
// the rating of a tube worked by hand, and the chart's points.

#include <gtest/gtest.h>

#include "analysis/AnalysisTestSupport.h"
#include "analysis/ResultsTable.h"
#include "forms/ResultFormModel.h"
#include "forms/ResultsChart.h"
#include "forms/SafetyFactorsModel.h"
#include "forms/StressGraphSeries.h"
#include "project/MemorySettingsStore.h"
#include "project/Registry.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using L = ResultUnitList;

// An aluminium annular plate, hole 1 in, free diameter 6 in, both loads, 50 increments.
DesignRecord Plate() {
    DesignRecord d = testing::TitledMetal();
    d.EndcapType = kFlatAnnularEndcap;
    d.EdgeRestraint = 4;
    d.UniformLoadOn = kTrue;
    d.LineLoadOn = kTrue;
    d.PressureSource = 1;
    d.EndcapDim = {6, 7, 0.5, 1, 4, 50, 1, 5};
    return d;
}

// The window's model on the plate, loaded as the window comes up.
struct Loaded {
    explicit Loaded(DesignRecord d) : design(std::move(d)) { model.Load(); }
    DesignRecord design;
    ResultFormModel model{design};
    ScriptedMessages messages;
};

struct SelectCase {
    const char* name;
    L list;
    const char* stored;
    int16_t unitSystem;
    const char* shown;
};

class UnitSelection : public ::testing::TestWithParam<SelectCase> {};

TEST_P(UnitSelection, ListShowsTheStoredUnitOrTheDefaultAndLoadingChangesNothing) {
    const SelectCase& c = GetParam();
    DesignRecord d = Plate();
    d.UnitSystem = c.unitSystem;
    d.PressureUnit = d.DepthUnit = d.StressUnit = d.DeflectionUnit = c.stored;
    d.AngleUnit = d.WeightUnit = d.FailureUnit = d.RangeUnit = c.stored;
    Loaded run(d);
    EXPECT_EQ(run.model.UnitList(c.list).Text(), c.shown);
    EXPECT_EQ(run.design.ProjectChanged, kFalse);
}

INSTANTIATE_TEST_SUITE_P(
    ResultForm, UnitSelection,
    ::testing::Values(SelectCase{"PressStored", L::PressUnits, "Kbar", 0, "Kbar"},
                      SelectCase{"PressEmptyMetric", L::PressUnits, "", 1, "Kbar"},
                      SelectCase{"DepthUnknown", L::DepthUnits, "fathoms", 0, "Ft (sea)"},
                      SelectCase{"DepthStoredOtherCase", L::DepthUnits, "m (FRESH)", 0,
                                 "m (fresh)"},
                      SelectCase{"StressEmpty", L::StressUnits, "", 0, "Ksi"},
                      SelectCase{"DeflectionEmptyMetric", L::DeflectionUnits, "", 1, "cm"},
                      SelectCase{"AngleStored", L::AngleDeflectUnits, "Degrees", 0, "Degrees"},
                      SelectCase{"WeightUnknownMetric", L::WtUnits, "stone", 1, "kg"},
                      SelectCase{"FailStored", L::FailUnits, "m (sea)", 0, "m (sea)"},
                      SelectCase{"AnnularFailEmpty", L::AEndFailUnits, "", 0, "Ksi"},
                      SelectCase{"RangeUnitEmptyMetric", L::DistortionUnits, "", 1, "Bar"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ResultForm, RangeUnitChangeRefillsTheRangeListAndRebuildsAtOnceGoverningStays) {
    Loaded run(Plate());
    auto& [design, model, messages] = run;
    ASSERT_TRUE(model.Rebuild(messages).Ok());
    EXPECT_TRUE(model.UnitChosen(L::DistortionUnits, 1));
    EXPECT_EQ(model.RangeList().Text(), "0.001 - 0.02 Bar");
    EXPECT_EQ(design.RangeUnit, "Bar");
    EXPECT_EQ(design.ProjectChanged, kTrue);
    // 0.001 Bar is 0.0145 psi: the table follows the list with no further action.
    EXPECT_NEAR(model.Rebuild(messages).rowPressures.at(0), 0.0145038, 1e-6);
    EXPECT_TRUE(model.RangeChosen(3));
    EXPECT_NEAR(model.Rebuild(messages).rowPressures.at(0), 14.5038, 1e-4);
    model.UnitChosen(L::DistortionUnits, 1);  // already in Bar: the range stays
    EXPECT_EQ(model.RangeList().Text(), "1 - 20 Bar");
    // The governing failure option cannot be changed by a click.
    const int governing = model.View().failure.selected;
    for (int clicked = 1; clicked <= 5; ++clicked)
        EXPECT_EQ(model.FailOptionClicked(clicked), governing);
}

struct ReCalcCase {
    const char* name;
    int16_t unitSystem;
    double freeDiameter;  // inches
    const char* typed;
    const char* refusal;  // empty: accepted
};

class ReCalc : public ::testing::TestWithParam<ReCalcCase> {};

TEST_P(ReCalc, AcceptsADiameterOnThePlateAsShown) {
    const ReCalcCase& c = GetParam();
    DesignRecord d = Plate();
    d.UnitSystem = c.unitSystem;
    d.EndcapDim[0] = c.freeDiameter;
    Loaded run(d);
    auto& [design, model, messages] = run;
    ASSERT_TRUE(model.Rebuild(messages).Ok());
    model.EvalTextEdited(c.typed);
    EXPECT_TRUE(model.RecalcEnabled());
    const bool accepted = model.ReCalcPressed(messages);
    EXPECT_EQ(accepted, std::string(c.refusal).empty());
    if (accepted) {
        EXPECT_TRUE(messages.Empty());
        EXPECT_TRUE(model.Rebuild(messages).Ok());
        EXPECT_EQ(model.EvalText(), c.typed);
        EXPECT_FALSE(model.RecalcEnabled());
    } else {
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{c.refusal});
        EXPECT_TRUE(model.RecalcEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(
    ResultForm, ReCalc,
    ::testing::Values(
        ReCalcCase{"BeyondTheFreeEdge", 0, 6, "7",
                   "Evaluation Diameter must be within the range of the hole diameter (1.0000 "
                   "inches) and the free diameter (6.0000 inches)."},
        ReCalcCase{"AtTheFreeEdge", 0, 6, "6", ""},
        ReCalcCase{"MetricBeyond", 1, 6, "177.8",
                   "Evaluation Diameter must be within the range of the hole diameter (25.400 "
                   "mm) and the free diameter (152.40 mm)."},
        ReCalcCase{"MetricAtTheFreeEdge", 1, 6, "152.4", ""},
        ReCalcCase{"FreeEdgeAsShownNotAsStored", 0, 5.999999, "6.0000", ""},
        ReCalcCase{"MetricFreeEdgeAsShown", 1, 5.999999, "152.40", ""}),
    [](const auto& row) { return std::string(row.param.name); });

struct GraphCase {
    const char* name;
    double storedIncrements;
    size_t points;
};

class GraphSeries : public ::testing::TestWithParam<GraphCase> {};

TEST_P(GraphSeries, DrawsTheRowsOfTheTableTheRunMade) {
    DesignRecord d = Plate();
    d.EndcapDim[5] = d.EndcapDimEntered[5] = GetParam().storedIncrements;
    Loaded run(d);
    auto& [design, model, messages] = run;
    const ResultsView& view = model.Rebuild(messages);
    const StressGraphSeries series = PlateStressSeries(view.plateStressTable);
    ASSERT_EQ(series.radial.size(), GetParam().points);
    ASSERT_EQ(series.tangential.size(), GetParam().points);
    // From the hole (1 in) to the free edge (6 in).
    EXPECT_NEAR(series.radial.front().x, 1, 1e-6);
    EXPECT_NEAR(series.tangential.back().x, 6, 1e-6);
    EXPECT_NEAR(series.radial.back().y, view.plateStressTable.back().RadialStress / 1000, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(ResultForm, GraphSeries,
                         ::testing::Values(GraphCase{"Two", 2, 2}, GraphCase{"Fifty", 50, 50},
                                           GraphCase{"FileHolding5000", 5000, 1000}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ResultForm, TypedDiameterIsKeptUntilTheDesignChanges) {
    Loaded run(Plate());
    auto& [design, model, messages] = run;
    const std::string proposed = model.Rebuild(messages).failure.proposedEvalDiameter;
    ASSERT_NE(proposed, "3.0000");
    model.EvalTextEdited("3.0000");
    ASSERT_TRUE(model.ReCalcPressed(messages));
    const std::string atThree = model.Rebuild(messages).Cell(2, 2);
    model.UnitChosen(L::StressUnits, 2);  // psi
    model.UnitChosen(L::StressUnits, 0);  // back to Ksi
    EXPECT_EQ(model.Rebuild(messages).Cell(2, 2), atThree);
    EXPECT_EQ(model.EvalText(), "3.0000");
    design.EndcapDim[2] = 0.6;  // a thicker plate: the proposal returns
    model.Rebuild(messages);
    EXPECT_EQ(model.EvalText(), model.View().failure.proposedEvalDiameter);
}

// ---- Safety factors and the chart ----

// An aluminium tube of I.D. 10, O.D. 11, 200 in long under external pressure: buckling at
// 2592.2252 psi (2 lobes), shell failure at 3849.0018 psi, collapse estimate 1216.6054 psi (the
// interaction curve at p_m / p_y = 2432.672 / 3333.333).
DesignRecord LongTube() {
    DesignRecord d;
    d.ProjectTitle = "Tube";
    d.MaterialClass = "Metals";
    d.YoungsModulus = 10e6;
    d.PoissonsRatio = 0.33;
    d.Density = 0.098;
    d.YieldStrength = 35000;
    d.BodyType = kTubeBody;
    d.PressureSource = 1;
    d.BodyDim = {10, 11, 0.5, 200, 0};
    return d;
}

TEST(SafetyFactors, SessionKeepsFactorsInThePreferencesAndRefusesBadInput) {
    MemorySettingsStore store;
    Registry registry(store);
    WritePreference(registry, kSafetyBucklingKey, "3");
    SafetyFactorsModel model(store);
    model.Load();
    ScriptedMessages messages;
    // One field given: it applies to every mode. The collapse estimate 1216.6054 / 3.
    DesignRecord tube = LongTube();
    ResultsRequest request = DefaultResultsRequest(tube);
    request.pressureUnit = "psi";
    RatingShown shown = model.Rate(tube, request, messages);
    EXPECT_EQ(shown.ratedPressure, "Rated pressure: 405.54 psi");
    EXPECT_EQ(shown.governingMode, "Governing: Collapse estimate");
    EXPECT_EQ(shown.advisories.size(), 3U);  // interaction, long tube, estimate below 2/3

    EXPECT_FALSE(model.FieldCommitted(SafetyField::Strength, "0.9", messages));
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(model.Text(SafetyField::Strength), "");
    // Strength 2 and buckling 1.2: the estimate, a strength mode, 1216.6054 / 2 governs.
    EXPECT_TRUE(model.FieldCommitted(SafetyField::Strength, " 2 ", messages));
    EXPECT_TRUE(model.FieldCommitted(SafetyField::Buckling, "1.2", messages));
    EXPECT_EQ(model.Rate(tube, request, messages).ratedPressure, "Rated pressure: 608.30 psi");
    std::string saved;
    ReadPreference(registry, kSafetyStrengthKey, saved);
    EXPECT_EQ(saved, "2");

    EXPECT_TRUE(model.FieldCommitted(SafetyField::Strength, "", messages));
    EXPECT_TRUE(model.FieldCommitted(SafetyField::Buckling, "", messages));
    EXPECT_FALSE(model.Rate(tube, request, messages).on);
    EXPECT_EQ(messages.shown.size(), 1U);
}

// The housing's endcap belongs to the tube's project: another project, or a sphere, has none.
TEST(SafetyFactors, HousingEndcapBelongsToTheTubesProject) {
    MemorySettingsStore store;
    SafetyFactorsModel model(store);
    DesignRecord tube = LongTube();
    tube.ProjectFilePath = "/p/Tube.prj";
    model.SetEndcapProject(tube, "/p/Cap.prj");
    SafetyFactorsModel reloaded(store);
    reloaded.Load();
    EXPECT_EQ(reloaded.EndcapProject(tube), "/p/Cap.prj");
    DesignRecord other = tube;
    other.ProjectFilePath = "/p/Other.prj";
    EXPECT_EQ(reloaded.EndcapProject(other), "");
    DesignRecord sphere = tube;
    sphere.BodyType = kSphereBody;
    EXPECT_EQ(reloaded.EndcapProject(sphere), "");
}

TEST(ResultsChart, ColumnAgainstDepthWithTheFailedRowMarked) {
    ResultsView view;
    view.columnCount = 3;
    view.cells = {{"Pressure", "Depth", "Max Hoop"},
                  {"psi", "Ft (sea)", "Stress, psi"},
                  {"1000.0", "2248.8", "-20500"},
                  {"1500.0 (fail)", "3366.9", "N/A"},
                  {"2000.0 (fail)", "4480.7", "-41000"}};
    view.failureRow = 3;
    EXPECT_EQ(ChartColumns(view), std::vector<std::string>{"Max Hoop (Stress, psi)"});
    const ChartSeries series = ChartOf(view, 0, true);
    EXPECT_EQ(series.xTitle, "Depth (Ft (sea))");
    ASSERT_EQ(series.points.size(), 2U);
    EXPECT_DOUBLE_EQ(series.points[1].x, 4480.7);
    EXPECT_FALSE(series.failure.has_value());  // the failed row shows no number
    view.failureRow = 4;
    ASSERT_TRUE(ChartOf(view, 0, false).failure.has_value());
    EXPECT_DOUBLE_EQ(ChartOf(view, 0, false).failure->x, 2000.0);
}

}  // namespace
}  // namespace tidewell
