// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fault list of a design: each fault on its own line, in order; and the design operations:
// choosing a body or endcap, a new project, clearing the design, and the program's version.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/DesignOperations.h"
#include "analysis/DesignValidation.h"
#include "analysis/ProgramVersion.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::AnnularMetal;
using testing::RowName;
using testing::TitledMetal;

// A complete, valid design of each kind; the cases below break it.
DesignRecord ValidTube() {
    DesignRecord d = TitledMetal();
    d.BodyType = kTubeBody;
    d.BodyDim = {4, 5, 0.5, 20, 0};
    return d;
}

DesignRecord ValidCircular() {
    return testing::MetalEndcap(kFlatCircularEndcap, {6, 7, 0.5, 0, 0, 0, 0, 0});
}

using D = DesignRecord;

struct ValidationCase {
    const char* name;
    DesignRecord (*base)();
    std::function<void(DesignRecord&)> spoil;
    std::vector<std::string> expected;  // empty: valid
};

class ValidationRows : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidationRows, ListsTheFaultsInOrder) {
    const ValidationCase& c = GetParam();
    DesignRecord design = c.base();
    if (c.spoil) c.spoil(design);
    const ValidationResult result = ValidateDesign(design);
    EXPECT_EQ(result.title, "Invalid Design Parameters");
    // Each fault on a line of its own, introduced by a carriage return.
    std::string text;
    for (const std::string& line : c.expected) text += "\r" + line;
    EXPECT_EQ(result.text, text);
    EXPECT_EQ(result.valid, c.expected.empty() ? kTrue : kFalse);
}

DesignRecord Untitled() {
    DesignRecord d;
    d.ProjectTitle = "Housing";
    d.BodyType = kTubeBody;
    d.BodyGeometryValid = kFalse;
    return d;
}

const std::string kModulus = "     Young's Modulus", kPoisson = "     Poisson's ratio";
const std::string kRestraint = "     Edge restraint";

// clang-format off
const ValidationCase kValidationCases[] = {
    {"ValidTube", ValidTube, nullptr, {}},
    {"EmptyTitle", ValidTube, [](D& d) { d.ProjectTitle.clear(); }, {"Title"}},
    {"NoBodyNoEndcap", TitledMetal, nullptr, {"No Body or Endcap selected"}},
    {"TubeNothingEntered", Untitled, nullptr,
     {"Body Geometry Invalid:", "     Body I.D.", "     Body O.D.", "     Body wall thickness",
      "     Body length", "Material Properties:", kModulus, kPoisson, "     Density",
      "     Yield stress"}},
    {"HeadingWithoutIndentedLines", ValidTube,
     [](D& d) { d.BodyGeometryValid = kFalse; d.MaterialName.clear(); }, {"Material Properties:"}},
    {"LoadedNameMissing", ValidTube, [](D& d) { d.LoadedMaterialName.clear(); },
     {"Material Properties:"}},
    {"NegativeMaterialValuesFail", ValidTube,
     [](D& d) { d.PoissonsRatio = -0.1; d.Density = -1; }, {kPoisson, "     Density"}},
    {"WholeDesignChecksBoth", [] { return testing::MetalEndcap(kConicalEndcap, {4, 5, 0.25, 3}); },
     [](D& d) { d.BodyType = kTubeBody; d.EndcapDim[3] = 0; },
     {"Body Geometry Invalid:", "     Body I.D.", "     Body O.D.", "     Body wall thickness",
      "     Body length", "     Endcap height"}},
    {"CircularNothingEntered", ValidCircular, [](D& d) { d.EndcapDim = {}; },
     {"     Endcap free diameter", "     Endcap O.D.", "     Endcap thickness"}},
    {"AnnularNothingEntered", AnnularMetal,
     [](D& d) { d.EndcapDim = {}; d.UniformLoadOn = d.LineLoadOn = 0; },
     {"No loading selected for endcap", "     Endcap free diameter", "     Endcap O.D.",
      "     Endcap thickness", "     Center hole", "     Number of iterations",
      "     Line load application diameter", "     Uniform loading I.D.",
      "     Line loading O.D."}},
    {"AnnularFirstRestraint", AnnularMetal, [](D& d) { d.EdgeRestraint = 0; }, {}},
    {"AnnularLastRestraint", AnnularMetal, [](D& d) { d.EdgeRestraint = 11; }, {}},
    {"AnnularUniformLoadingIdAlone", AnnularMetal, [](D& d) { d.EndcapDim[6] = 0; },
     {"     Uniform loading I.D."}},
    {"AnnularLineLoadingOdAlone", AnnularMetal, [](D& d) { d.EndcapDim[7] = 0; },
     {"     Line loading O.D."}},
    {"AnnularWithoutRestraint", AnnularMetal,
     [](D& d) { d.EdgeRestraint = -1; d.EndcapDim[2] = d.EndcapDim[3] = 0; },
     {"     Endcap thickness", kRestraint, "     Center hole"}},
    {"AnnularRestraintBeyondList", AnnularMetal, [](D& d) { d.EdgeRestraint = 12; }, {kRestraint}},
    {"CircularWithoutRestraint", ValidCircular, [](D& d) { d.EdgeRestraint = -1; }, {kRestraint}},
    {"CircularHasOnlyTwoRestraints", ValidCircular, [](D& d) { d.EdgeRestraint = 2; },
     {kRestraint}},
    {"PlasticWorkingStrengthZero", ValidTube,
     [](D& d) { d.MaterialClass = "Plastics"; d.UseWorkingStrength = 1;
                d.SecondaryStrength = d.YieldStrength = 0; },
     {"     Yield stress", "     Working strength"}},
    {"GlassCompressiveStrengthZeroExternal", ValidTube,
     [](D& d) { d.MaterialClass = "Glass"; d.PressureSource = 1; d.SecondaryStrength = 0; },
     {"     Compressive strength"}},
    // Material values of 0 or less (and a Poisson's ratio of 0.5 or more) however they arrived.
    {"NegativeModulus", ValidTube, [](D& d) { d.YoungsModulus = -10e6; }, {kModulus}},
    {"NanModulus", ValidTube, [](D& d) { d.YoungsModulus = std::nan(""); }, {kModulus}},
    {"PoissonOfOneHalf", ValidTube, [](D& d) { d.PoissonsRatio = 0.5; }, {kPoisson}},
    {"PoissonJustBelowOneHalf", ValidTube, [](D& d) { d.PoissonsRatio = 0.4999; }, {}},
    {"NegativeYield", ValidTube, [](D& d) { d.YieldStrength = -35000; }, {"     Yield stress"}},
    {"NegativeWorkingStrengthInUse", ValidTube,
     [](D& d) { testing::SetPlastic(d); d.UseWorkingStrength = 1; d.SecondaryStrength = -3000; },
     {"     Working strength"}},
    {"NegativeWorkingStrengthUnused", ValidTube,
     [](D& d) { testing::SetPlastic(d); d.SecondaryStrength = -3000; }, {}},
    {"NegativeCompressiveStrength", ValidTube,
     [](D& d) { testing::SetGlass(d); d.PressureSource = 1; d.SecondaryStrength = -1; },
     {"     Compressive strength"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Validation, ValidationRows, ::testing::ValuesIn(kValidationCases),
                         RowName<ValidationCase>);

DesignRecord NewDesign() {
    DesignRecord design;
    NewProject(design);
    return design;
}

TEST(SelectBody, EndcapOnlySelectsFlatCircularWhenNoEndcap) {
    DesignRecord design = NewDesign();
    const DesignUiActions actions = SelectBody(design, 2);
    ASSERT_TRUE(actions.restraintList.has_value());
    EXPECT_EQ(actions.restraintList->caption, "Edge Restraint Options");
    EXPECT_EQ((std::vector<int>{design.BodyType, design.EndcapType, design.EdgeRestraint,
                                int(actions.restraintList->entries.size()),
                                actions.endcapSelection.value_or(-9), actions.closeResults}),
              (std::vector<int>{kNoBody, kFlatCircularEndcap, 0, 2, 3, true}));
}

// A design is a body alone or an endcap alone, whatever was chosen before (an emptied body list
// too), the body editor closes when the body changes, and a changed design is analysed whole:
// every choice of the body list from every body and endcap.
TEST(SelectBody, BodyOrEndcapNeverBoth) {
    const int16_t bodies[] = {kTubeBody, kSphereBody, kNoBody};
    for (int from = -1; from < 3; ++from) {
        for (int endcap = 0; endcap < 4; ++endcap) {
            for (int to = 0; to < 3; ++to) {
                DesignRecord design = NewDesign();
                SelectBody(design, from);
                if (from == 2) SelectEndcap(design, endcap);
                design.AnalysisScope = kEndcapEditorScope;
                // A body editor left open would show the geometry of the body that went.
                EXPECT_EQ(SelectBody(design, to).closeBodyEditor, from != to);
                EXPECT_EQ(design.BodyType, bodies[to]) << from << endcap << to;
                EXPECT_EQ(design.EndcapType > 0, to == 2) << from << endcap << to;
                if (from != to) {
                    EXPECT_EQ(design.AnalysisScope, 0) << from << endcap << to;
                }
            }
        }
    }
}

// Another endcap starts empty: whatever the endcap before held, the analysis asks for every
// dimension of the new one.
TEST(SelectEndcap, ANewEndcapHasNoGeometry) {
    for (int index = 0; index < 4; ++index) {
        DesignRecord design = AnnularMetal();
        if (index == 0) design = testing::MetalEndcap(kConicalEndcap, {4, 5, 0.25, 3});
        // An editor left open would show the fields of the endcap that went.
        EXPECT_TRUE(SelectEndcap(design, index).closeEndcapEditor) << index;
        EXPECT_EQ(design.EndcapDimUnit, (std::array<double, 5>{-1, -1, -1, -1, -1})) << index;
        const std::string faults = ValidateDesign(design).text;
        for (const char* missing : {"     Endcap O.D.", "     Endcap thickness"}) {
            EXPECT_NE(faults.find(missing), std::string::npos) << index << faults;
        }
    }
    // So does another body: nothing typed for the body before is left in its editor.
    DesignRecord tube = ValidTube();
    tube.BodyDimEntered = tube.BodyDim;
    tube.BodyDimUnit = {1, 1, 1, 1, 1};
    SelectBody(tube, 1);
    EXPECT_EQ(tube.BodyDimEntered, (std::array<double, 5>{}));
    EXPECT_EQ(tube.BodyDimUnit, (std::array<int16_t, 5>{-1, -1, -1, -1, -1}));  // no unit chosen
    EXPECT_NE(ValidateDesign(tube).text.find("     Body O.D."), std::string::npos);
}

// A new project closes every window that showed the old one and keeps none of its options.
TEST(NewProject, ClosesEveryWindowOfTheOldProject) {
    DesignRecord design = AnnularMetal();
    design.ForceThickWall = design.UseWorkingStrength = 1;
    design.UniformLoadOn = 0;
    design.AnalysisScope = kEndcapEditorScope;
    const DesignUiActions a = NewProject(design);
    EXPECT_EQ(std::vector<bool>({a.closeResults, a.closePipeSizeTable, a.closeBodyEditor,
                                 a.closeEndcapEditor, a.closeMaterials}),
              std::vector<bool>(5, true));
    EXPECT_EQ(std::vector<int>({design.ForceThickWall, design.UseWorkingStrength,
                                design.UniformLoadOn, design.AnalysisScope, design.BodyType,
                                design.EndcapType, design.ProjectChanged}),
              std::vector<int>({0, 0, kTrue, 0, kTubeBody, kNoEndcap, 0}));
}

// Defaults puts every window back where a first start has it, numbers at five digits, fixed.
TEST(ResetLayout, PutsEveryWindowBack) {
    DesignRecord d;
    d.HomeFormLeft = d.HomeFormTop = d.BodyFormLeft = d.BodyFormTop = d.BodyFormHeight = 7;
    d.EndcapFormLeft = d.EndcapFormTop = d.EndcapFormHeight = d.SignificantDigits = 7;
    d.NumericFormat = 0;
    EXPECT_TRUE(ResetLayout(d).moveHomeForm);
    EXPECT_EQ(std::vector<int>({d.HomeFormLeft, d.HomeFormTop, d.BodyFormLeft, d.BodyFormTop,
                                d.BodyFormHeight, d.EndcapFormLeft, d.EndcapFormTop,
                                d.EndcapFormHeight, d.SignificantDigits, d.NumericFormat}),
              std::vector<int>({250, 250, 1000, 1000, 4125, 1250, 1250, 4125, 5, 2}));
}

TEST(ClearDesign, GivesTheClearedState) {
    DesignRecord design;
    design.SecondaryStrength = 1234;
    design.MaterialClass = "PLASTICS";
    design.YieldStrength = 5;
    design.EndcapDim[5] = 77;
    design.AngleUnit = "Radians";
    design.BodyDimUnit[2] = 3;
    design.MaterialNoticesShown = 3;
    design.BodyVolume = design.BodyReserved = design.EndcapVolume = design.EndcapReserved = 9;
    design.YoungsModulus = design.PoissonsRatio = design.Density = 7;
    ClearDesign(design);
    // The secondary strength (1234) is kept until a new material load.
    EXPECT_EQ(design.MaterialClass + "|" + design.AngleUnit, "PLASTICS|Degrees");
    EXPECT_EQ(
        std::vector<double>(
            {design.SecondaryStrength, design.YieldStrength, design.EndcapDimEntered[5],
             design.EndcapDim[5], double(design.BodyDimUnit[2]), double(design.EndcapDimUnit[4]),
             double(design.PressureRange), double(design.UniformLoadOn), double(design.LineLoadOn),
             double(design.EdgeRestraint), double(design.BodyFormHeight),
             double(design.MaterialNoticesShown), design.BodyVolume, design.BodyReserved,
             design.EndcapVolume, design.EndcapReserved, design.YoungsModulus, design.PoissonsRatio,
             design.Density}),
        std::vector<double>({1234, 0, 50, 0, -1, -1, 4, 1, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // Every text of the project, its material and its saved units is emptied.
    for (std::string D::*text :
         {&D::ProjectTitle, &D::ProjectDescription, &D::DesignerName, &D::ProjectReserved1,
          &D::ProjectReserved2, &D::MaterialName, &D::LoadedMaterialName, &D::RangeUnit,
          &D::FailureUnit, &D::WeightUnit, &D::PressureUnit, &D::DepthUnit, &D::StressUnit,
          &D::DeflectionUnit}) {
        design.*text = "old";
        ClearDesign(design);
        EXPECT_EQ(design.*text, "");
    }
}

TEST(ProgramVersion, IsMajorPlusTenthsOfMinor) {
    EXPECT_EQ(ProgramVersionText(), "4.6");
}

}  // namespace
}  // namespace tidewell
