// A material value of 0 or less (and a Poisson's ratio of 0.5 or more) stops the analysis with
// the line that names it, however the value reached the design.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "analysis/DesignValidation.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

struct MaterialValueCase {
    const char* name;
    std::function<void(DesignRecord&)> material;  // sets the class and spoils one value
    std::string faults;                           // the expected text, lines after CRs
};

class MaterialValueValidation : public ::testing::TestWithParam<MaterialValueCase> {};

TEST_P(MaterialValueValidation, ListsTheValue) {
    DesignRecord design = testing::TitledMetal();
    design.BodyType = kTubeBody;
    design.BodyDim = {4, 5, 0.5, 20, 0};
    design.PressureSource = 1;  // external
    GetParam().material(design);
    EXPECT_EQ(ValidateDesign(design).text, GetParam().faults);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MaterialValueValidation,
    ::testing::Values(
        MaterialValueCase{"NegativeModulus", [](DesignRecord& d) { d.YoungsModulus = -10e6; },
                          "\r     Young's Modulus"},
        MaterialValueCase{"NanModulus", [](DesignRecord& d) { d.YoungsModulus = std::nan(""); },
                          "\r     Young's Modulus"},
        MaterialValueCase{"NegativePoisson", [](DesignRecord& d) { d.PoissonsRatio = -0.1; },
                          "\r     Poisson's ratio"},
        MaterialValueCase{"PoissonOfOneHalf", [](DesignRecord& d) { d.PoissonsRatio = 0.5; },
                          "\r     Poisson's ratio"},
        MaterialValueCase{"PoissonJustBelowOneHalf",
                          [](DesignRecord& d) { d.PoissonsRatio = 0.4999; }, ""},
        MaterialValueCase{"PoissonOfPointSix", [](DesignRecord& d) { d.PoissonsRatio = 0.6; },
                          "\r     Poisson's ratio"},
        MaterialValueCase{"NegativeDensity", [](DesignRecord& d) { d.Density = -0.1; },
                          "\r     Density"},
        MaterialValueCase{"NegativeYield", [](DesignRecord& d) { d.YieldStrength = -35000; },
                          "\r     Yield stress"},
        MaterialValueCase{"NegativeWorkingStrengthInUse",
                          [](DesignRecord& d) {
                              testing::SetPlastic(d);
                              d.UseWorkingStrength = 1;
                              d.SecondaryStrength = -3000;
                          },
                          "\r     Working strength"},
        MaterialValueCase{"NegativeWorkingStrengthUnused",
                          [](DesignRecord& d) {
                              testing::SetPlastic(d);
                              d.SecondaryStrength = -3000;
                          },
                          ""},
        MaterialValueCase{"NegativeCompressiveStrength",
                          [](DesignRecord& d) {
                              testing::SetGlass(d);
                              d.SecondaryStrength = -1;
                          },
                          "\r     Compressive strength"},
        MaterialValueCase{"EveryValueNegative",
                          [](DesignRecord& d) {
                              d.YoungsModulus = d.PoissonsRatio = d.Density = d.YieldStrength = -1;
                          },
                          "\r     Young's Modulus\r     Poisson's ratio\r     Density\r     "
                          "Yield stress"}),
    testing::RowName<MaterialValueCase>);

}  // namespace
}  // namespace tidewell
