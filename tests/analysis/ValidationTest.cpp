// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fault list of a design: each fault on its own line, in order.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/DesignValidation.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::RowName;
using testing::TitledMetal;

// A complete, valid design of each kind; the cases below break it.
DesignRecord ValidTube() {
    DesignRecord d = TitledMetal();
    d.BodyType = kTubeBody;
    d.BodyDim = {4, 5, 0.5, 20, 0};
    return d;
}

DesignRecord ValidAnnular() {
    return testing::AnnularMetal();
}

DesignRecord ValidCircular() {
    return testing::MetalEndcap(kFlatCircularEndcap, {6, 7, 0.5, 0, 0, 0, 0, 0});
}

DesignRecord ValidCone() {
    return testing::MetalEndcap(kConicalEndcap, {4, 5, 0.25, 3, 0, 0, 0, 0});
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
    {"WholeDesignChecksBoth", ValidCone, [](D& d) { d.BodyType = kTubeBody; d.EndcapDim[3] = 0; },
     {"Body Geometry Invalid:", "     Body I.D.", "     Body O.D.", "     Body wall thickness",
      "     Body length", "     Endcap height"}},
    {"CircularNothingEntered", ValidCircular, [](D& d) { d.EndcapDim = {}; },
     {"     Endcap free diameter", "     Endcap O.D.", "     Endcap thickness"}},
    {"AnnularNothingEntered", ValidAnnular,
     [](D& d) { d.EndcapDim = {}; d.UniformLoadOn = d.LineLoadOn = 0; },
     {"No loading selected for endcap", "     Endcap free diameter", "     Endcap O.D.",
      "     Endcap thickness", "     Center hole", "     Number of iterations",
      "     Line load application diameter", "     Uniform loading I.D.",
      "     Line loading O.D."}},
    {"AnnularWithoutRestraint", ValidAnnular,
     [](D& d) { d.EdgeRestraint = -1; d.EndcapDim[2] = d.EndcapDim[3] = 0; },
     {"     Endcap thickness", kRestraint, "     Center hole"}},
    {"AnnularRestraintBeyondList", ValidAnnular, [](D& d) { d.EdgeRestraint = 12; }, {kRestraint}},
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

}  // namespace
}  // namespace tidewell
