// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's model: unit lists, the range refill, ReCalc, the governing option, the
// graph series; its safety factors kept in the preferences, a tube rated by hand, the chart.

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

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
using testing::AnnularMetal;  // hole 1 in, free diameter 6 in, both loads, 50 increments

// The window's model on the plate, loaded as the window comes up.
struct Loaded {
    explicit Loaded(DesignRecord d) : design(std::move(d)) { model.Load(); }
    DesignRecord design;
    ResultFormModel model{design};
    ScriptedMessages messages;
};

// Each list shows the stored unit, in the list's spelling, or the default of the unit system; and
// loading changes nothing.
TEST(ResultForm, ListShowsTheStoredUnitOrTheDefault) {
    const std::vector<std::tuple<L, const char*, int16_t, const char*>> rows = {
        {L::PressUnits, "Kbar", 0, "Kbar"},
        {L::PressUnits, "", 1, "Kbar"},
        {L::DepthUnits, "fathoms", 0, "Ft (sea)"},
        {L::DepthUnits, "m (FRESH)", 0, "m (fresh)"},
        {L::StressUnits, "", 0, "Ksi"},
        {L::DeflectionUnits, "", 1, "cm"},
        {L::AngleDeflectUnits, "Degrees", 0, "Degrees"},
        {L::WtUnits, "stone", 1, "kg"},
        {L::FailUnits, "m (sea)", 0, "m (sea)"},
        {L::AEndFailUnits, "", 0, "Ksi"},
        {L::DistortionUnits, "", 1, "Bar"}};
    for (const auto& [list, stored, unitSystem, shown] : rows) {
        DesignRecord d = AnnularMetal();
        d.UnitSystem = unitSystem;
        d.PressureUnit = d.DepthUnit = d.StressUnit = d.DeflectionUnit = stored;
        d.AngleUnit = d.WeightUnit = d.FailureUnit = d.RangeUnit = stored;
        Loaded run(d);
        EXPECT_EQ(run.model.UnitList(list).Text(), shown) << stored << " " << unitSystem;
        EXPECT_EQ(run.design.ProjectChanged, kFalse);
    }
}

TEST(ResultForm, RangeUnitChangeRefillsTheRangeListAndRebuildsAtOnceGoverningStays) {
    Loaded run(AnnularMetal());
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

// ReCalc accepts a diameter from the hole to the free edge as shown, not as stored.
TEST(ResultForm, ReCalcAcceptsADiameterOnThePlateAsShown) {
    const std::vector<std::tuple<int16_t, double, const char*, const char*>> rows = {
        {0, 6, "7",
         "Evaluation Diameter must be within the range of the hole diameter (1.0000 inches) and "
         "the free diameter (6.0000 inches)."},
        {0, 6, "6", ""},
        {1, 6, "177.8",
         "Evaluation Diameter must be within the range of the hole diameter (25.400 mm) and the "
         "free diameter (152.40 mm)."},
        {1, 6, "152.4", ""},
        {0, 5.999999, "6.0000", ""},
        {1, 5.999999, "152.40", ""}};
    for (const auto& [unitSystem, freeDiameter, typed, refusal] : rows) {
        SCOPED_TRACE(typed);
        DesignRecord d = AnnularMetal();
        d.UnitSystem = unitSystem;
        d.EndcapDim[0] = freeDiameter;  // inches
        Loaded run(d);
        auto& [design, model, messages] = run;
        ASSERT_TRUE(model.Rebuild(messages).Ok());
        model.EvalTextEdited(typed);
        EXPECT_TRUE(model.RecalcEnabled());
        const bool accepted = model.ReCalcPressed(messages);
        EXPECT_EQ(accepted, std::string(refusal).empty());
        if (accepted) {
            EXPECT_TRUE(messages.Empty());
            EXPECT_TRUE(model.Rebuild(messages).Ok());
            EXPECT_EQ(model.EvalText(), typed);
            EXPECT_FALSE(model.RecalcEnabled());
        } else {
            EXPECT_EQ(messages.Texts(), std::vector<std::string>{refusal});
            EXPECT_TRUE(model.RecalcEnabled());
        }
    }
}

// The graph draws the rows of the table the run made, from the hole (1 in) to the free edge
// (6 in): 2, 50, and 1000 of a file holding 5000 increments.
TEST(ResultForm, GraphSeriesDrawsTheRowsOfTheTable) {
    for (const auto& [storedIncrements, points] :
         std::vector<std::pair<double, size_t>>{{2, 2}, {50, 50}, {5000, 1000}}) {
        DesignRecord d = AnnularMetal();
        d.EndcapDim[5] = d.EndcapDimEntered[5] = storedIncrements;
        Loaded run(d);
        auto& [design, model, messages] = run;
        const ResultsView& view = model.Rebuild(messages);
        const StressGraphSeries series = PlateStressSeries(view.plateStressTable);
        ASSERT_EQ(series.radial.size(), points);
        ASSERT_EQ(series.tangential.size(), points);
        EXPECT_NEAR(series.radial.front().x, 1, 1e-6);
        EXPECT_NEAR(series.tangential.back().x, 6, 1e-6);
        EXPECT_NEAR(series.radial.back().y, view.plateStressTable.back().RadialStress / 1000, 1e-9);
    }
}

TEST(ResultForm, TypedDiameterIsKeptUntilTheDesignChanges) {
    Loaded run(AnnularMetal());
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

// An aluminium tube of I.D. 10, O.D. 11, 200 in long under external pressure: buckling at
// 2592.2252 psi (2 lobes), shell failure at 3849.0018 psi, collapse estimate 1216.6054 psi (the
// interaction curve at p_m / p_y = 2432.672 / 3333.333).
DesignRecord LongTube() {
    return testing::ExternalBody(kTubeBody, {10, 11, 0.5, 200, 0});
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
    EXPECT_EQ(
        std::vector<std::string>({shown.ratedPressure, shown.governingMode}),
        std::vector<std::string>({"Rated pressure: 405.54 psi", "Governing: Collapse estimate"}));
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
