#include <gtest/gtest.h>

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
    DesignRecord d = TitledMetal();
    d.EndcapType = kFlatAnnularEndcap;
    d.EdgeRestraint = 4;
    d.UniformLoadOn = kTrue;
    d.LineLoadOn = kTrue;
    d.EndcapDim = {6, 7, 0.5, 1, 4, 50, 1, 5};
    return d;
}

DesignRecord ValidCircular() {
    DesignRecord d = TitledMetal();
    d.EndcapType = kFlatCircularEndcap;
    d.EdgeRestraint = 0;
    d.EndcapDim = {6, 7, 0.5, 0, 0, 0, 0, 0};
    return d;
}

DesignRecord ValidCone() {
    DesignRecord d = TitledMetal();
    d.EndcapType = kConicalEndcap;
    d.EndcapDim = {4, 5, 0.25, 3, 0, 0, 0, 0};
    return d;
}

// The fault lines of a text, without the carriage returns that introduce them.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (char c : text) {
        if (c == '\r') {
            lines.emplace_back();
        } else {
            EXPECT_FALSE(lines.empty()) << "the text must begin with a carriage return";
            if (lines.empty()) lines.emplace_back();
            lines.back() += c;
        }
    }
    return lines;
}

struct ValidationCase {
    const char* name;
    std::function<DesignRecord()> design;
    std::vector<std::string> expected;  // empty: valid
};

class ValidationRows : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidationRows, ListsTheFaultsInOrder) {
    const ValidationCase& c = GetParam();
    const DesignRecord design = c.design();
    const DesignRecord before = design;
    const ValidationResult result = ValidateDesign(design);
    EXPECT_EQ(result.title, "Invalid Design Parameters");
    EXPECT_EQ(Lines(result.text), c.expected);
    if (c.expected.empty()) {
        EXPECT_EQ(result.valid, kTrue);
        EXPECT_TRUE(result.text.empty());
    } else {
        EXPECT_EQ(result.valid, kFalse);
        ASSERT_FALSE(result.text.empty());
        EXPECT_EQ(result.text.front(), '\r');
    }
    // Validation only reports.
    EXPECT_EQ(design.ProjectTitle, before.ProjectTitle);
    EXPECT_EQ(design.EdgeRestraint, before.EdgeRestraint);
}

const ValidationCase kValidationCases[] = {
    {"ValidTube", ValidTube, {}},
    {"EmptyTitle",
     [] {
         DesignRecord d = ValidTube();
         d.ProjectTitle.clear();
         return d;
     },
     {"Title"}},
    {"NoBodyNoEndcap",
     [] {
         DesignRecord d = TitledMetal();
         return d;
     },
     {"No Body or Endcap selected"}},
    {"TubeNothingEntered",
     [] {
         DesignRecord d;
         d.ProjectTitle = "Housing";
         d.BodyType = kTubeBody;
         d.BodyGeometryValid = kFalse;
         return d;
     },
     {"Body Geometry Invalid:", "     Body I.D.", "     Body O.D.", "     Body wall thickness",
      "     Body length", "Material Properties:", "     Young's Modulus", "     Poisson's ratio",
      "     Density", "     Yield stress"}},
    {"HeadingWithoutIndentedLines",
     [] {
         DesignRecord d = ValidTube();
         d.BodyGeometryValid = kFalse;
         d.MaterialName.clear();
         return d;
     },
     {"Material Properties:"}},
    {"LoadedNameMissing",
     [] {
         DesignRecord d = ValidTube();
         d.LoadedMaterialName.clear();
         return d;
     },
     {"Material Properties:"}},
    {"NegativeMaterialValuesFail",
     [] {
         DesignRecord d = ValidTube();
         d.PoissonsRatio = -0.1;
         d.Density = -1;
         return d;
     },
     {"     Poisson's ratio", "     Density"}},
    {"WholeDesignChecksBoth",
     [] {
         DesignRecord d = ValidCone();
         d.BodyType = kTubeBody;
         d.EndcapDim[3] = 0;
         return d;
     },
     {"Body Geometry Invalid:", "     Body I.D.", "     Body O.D.", "     Body wall thickness",
      "     Body length", "     Endcap height"}},
    {"CircularNothingEntered",
     [] {
         DesignRecord d = ValidCircular();
         d.EndcapDim = {};
         return d;
     },
     {"     Endcap free diameter", "     Endcap O.D.", "     Endcap thickness"}},
    {"AnnularNothingEntered",
     [] {
         DesignRecord d = ValidAnnular();
         d.EndcapDim = {};
         d.UniformLoadOn = 0;
         d.LineLoadOn = 0;
         return d;
     },
     {"No loading selected for endcap", "     Endcap free diameter", "     Endcap O.D.",
      "     Endcap thickness", "     Center hole", "     Number of iterations",
      "     Line load application diameter", "     Uniform loading I.D.",
      "     Line loading O.D."}},
    {"AnnularWithoutRestraint",
     [] {
         DesignRecord d = ValidAnnular();
         d.EdgeRestraint = -1;
         d.EndcapDim[2] = 0;
         d.EndcapDim[3] = 0;
         return d;
     },
     {"     Endcap thickness", "     Edge restraint", "     Center hole"}},
    {"AnnularRestraintBeyondList",
     [] {
         DesignRecord d = ValidAnnular();
         d.EdgeRestraint = 12;
         return d;
     },
     {"     Edge restraint"}},
    {"CircularWithoutRestraint",
     [] {
         DesignRecord d = ValidCircular();
         d.EdgeRestraint = -1;
         return d;
     },
     {"     Edge restraint"}},
    {"CircularHasOnlyTwoRestraints",
     [] {
         DesignRecord d = ValidCircular();
         d.EdgeRestraint = 2;
         return d;
     },
     {"     Edge restraint"}},
    {"PlasticWorkingStrengthZero",
     [] {
         DesignRecord d = ValidTube();
         d.MaterialClass = "Plastics";
         d.UseWorkingStrength = 1;
         d.SecondaryStrength = 0;
         d.YieldStrength = 0;
         return d;
     },
     {"     Yield stress", "     Working strength"}},
    {"GlassCompressiveStrengthZeroExternal",
     [] {
         DesignRecord d = ValidTube();
         d.MaterialClass = "Glass";
         d.PressureSource = 1;
         d.SecondaryStrength = 0;
         return d;
     },
     {"     Compressive strength"}},
};

INSTANTIATE_TEST_SUITE_P(Validation, ValidationRows, ::testing::ValuesIn(kValidationCases),
                         RowName<ValidationCase>);

}  // namespace
}  // namespace tidewell
