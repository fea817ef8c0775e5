// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The results window's safety factors and chart as the user drives them: factors kept in the
// preferences, bad input refused, the rating of a tube worked by hand, and the chart's points.

#include <gtest/gtest.h>

#include "forms/ResultsChart.h"
#include "forms/SafetyFactorsModel.h"
#include "project/MemorySettingsStore.h"
#include "project/Registry.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

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
