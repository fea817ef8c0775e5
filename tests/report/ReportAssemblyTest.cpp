// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Assembling the report's texts from the design, the materials editor's texts and a results view.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "report/ReportAssembly.h"

namespace tidewell {
namespace {

MaterialFieldTexts AcrylicTexts() {
    MaterialFieldTexts texts;
    texts.strength = "10";
    texts.strength2 = "4.5";
    texts.modulus = "0.45";
    texts.density = "1.19";
    texts.poisson = "0.37";
    texts.comment = "Cast sheet.";
    texts.units.strength = 0;   // "Ksi"
    texts.units.strength2 = 1;  // "psi"
    texts.units.modulus = 0;    // "Mpsi"
    texts.units.density = 3;    // "gr/cu cm"
    return texts;
}

DesignRecord AnnularDesign() {
    DesignRecord design;
    design.ProgramVersion = "4.6";
    design.EndcapType = kFlatAnnularEndcap;
    design.PressureSource = 1;
    design.UnitSystem = 1;
    design.EdgeRestraint = 4;
    // Every field and unit its own, so that two swapped fields show.
    design.EndcapDimEntered = {254, 279.4, 25.4, 50.8, 76.2, 50, 101.6, 127};
    design.EndcapDimUnit = {1, 4, 1, 3, -1};
    design.MaterialName = "Acrylic (cast)";
    design.MaterialClass = "Plastics";
    return design;
}

ResultsView AnnularView() {
    ResultsView view;
    view.componentCode = kAnnularPlateComponent;
    view.weightInAir = "1.8088";
    view.weightInWater = "0.14560";
    view.failure.options = {{"Radial a", true},
                            {"Tangential b", true},
                            {"Shear c", false},
                            {"Shear d", true},
                            {"Seat e", true}};
    view.failure.selected = 2;
    view.failure.annularEvalLabel = "Table eval dia., De (mm):";
    view.failure.proposedEvalDiameter = "63.500";
    view.cells = {{"Pressure"}, {"Bar"}, {"10.000"}};
    return view;
}

TEST(ReportAssembly, FlatAnnularPlateInMetricUnits) {
    const ReportInput in =
        AssembleReportInput(AnnularDesign(), AcrylicTexts(), AnnularView(),
                            ResultsWindowTexts{"kg", ""}, ReportClock{"09:00:00", "2024-01-02"});
    using Texts = std::vector<std::string>;
    EXPECT_EQ((Texts{in.programVersion, in.timeText, in.dateText}),
              (Texts{"4.6", "09:00:00", "2024-01-02"}));
    EXPECT_EQ(in.componentCode, 1);
    EXPECT_TRUE(in.externalPressure);
    // The increments field (50) is reformatted like the others.
    EXPECT_EQ(in.fieldTexts, (std::array<std::string, 8>{"254.00", "279.40", "25.400", "50.800",
                                                         "76.200", "50.000", "101.60", "127.00"}));
    // The fifth unit is unset: the metric default.
    EXPECT_EQ((Texts{in.unitTexts[0], in.unitTexts[1], in.unitTexts[3], in.unitTexts[4]}),
              (Texts{"mm", "cm", "m", "mm"}));
    EXPECT_EQ((Texts{in.edgeRestraint, in.weightInAir, in.weightInWater, in.weightUnit}),
              (Texts{"Simply Supported/Free", "1.8088", "0.14560", "kg"}));
    ASSERT_EQ(in.failureOptions.size(), 5U);
    EXPECT_FALSE(in.failureOptions[0].selected);
    EXPECT_TRUE(in.failureOptions[1].selected);
    EXPECT_FALSE(in.failureOptions[2].visible);
    EXPECT_EQ(in.failureOptions[3].caption, "Shear d");
    EXPECT_TRUE(in.secondStrengthVisible);
    EXPECT_EQ((Texts{in.materialName, in.strength.label, in.strength.value, in.strength.unit,
                     in.secondStrength.label, in.secondStrength.value, in.secondStrength.unit,
                     in.modulus.value, in.modulus.unit, in.density.unit, in.poissonRatio,
                     in.comment, in.distortionCaption1, in.distortionCaption2}),
              (Texts{"Acrylic (cast)", "Ultimate Strength", "10", "Ksi", "Working Strength", "4.5",
                     "psi", "0.45", "Mpsi", "gr/cu cm", "0.37", "Cast sheet.",
                     "Table eval dia., De (mm):", "63.500"}));
    EXPECT_EQ(in.grid, AnnularView().cells);
}

TEST(ReportAssembly, TubeTakesTheBodyFieldsAndHidesTheSecondStrengthOfAMetal) {
    DesignRecord design;
    design.BodyType = kTubeBody;
    design.PressureSource = 0;
    design.UnitSystem = 0;
    design.BodyDimEntered = {5, 6, 0.5, 24, 99};
    design.BodyDimUnit = {0, 0, 0, -1, 0};
    design.EndcapDimEntered = {1, 1, 1, 1, 1, 1, 1, 1};
    design.MaterialName = "Titanium";
    design.MaterialClass = "Metals";
    ResultsView view;
    view.componentCode = kTubeComponent;
    view.failure.options = {{"a", true}, {"b", true}, {"c", true}, {"d", true}};
    view.failure.selected = 1;
    MaterialFieldTexts texts;
    texts.strength = "120";
    texts.units.strength = 0;
    const ReportInput in =
        AssembleReportInput(design, texts, view, ResultsWindowTexts{"lbs", ""}, ReportClock{});
    EXPECT_FALSE(in.externalPressure);
    EXPECT_EQ(in.fieldTexts[0], "5.0000");
    EXPECT_EQ(in.fieldTexts[3], "24.000");
    EXPECT_EQ(in.fieldTexts[4], "");  // the spare body dimension is never shown
    EXPECT_EQ(in.unitTexts[3], "in");
    EXPECT_EQ(in.strength.label, "Yield Strength");
    EXPECT_FALSE(in.secondStrengthVisible);
    EXPECT_TRUE(in.failureOptions[0].selected);
    EXPECT_EQ(in.edgeRestraint, "");
    EXPECT_EQ(in.distortionCaption1, "");
}

}  // namespace
}  // namespace tidewell
