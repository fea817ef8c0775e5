// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's model: list selection, the range refill, ReCalc, the governing option,
// the graph series, and one scripted session per behaviour the window must keep.

#include <gtest/gtest.h>

#include "analysis/AnalysisTestSupport.h"
#include "analysis/ResultsTable.h"
#include "forms/ResultFormModel.h"
#include "forms/StressGraphSeries.h"
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

}  // namespace
}  // namespace tidewell
