// A material value of 0 or less (and a Poisson's ratio of 0.5 or more) stops the analysis with
// the line that names it, however the value reached the design.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/DesignValidation.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

enum Class { Metal, Plastic, PlasticUsingWorking, Glass };

struct MaterialValueCase {
    const char* name;
    Class material;
    double DesignRecord::*value;
    double spoilt;
    std::string faults;  // the line naming the value; empty when valid
};

class MaterialValueValidation : public ::testing::TestWithParam<MaterialValueCase> {};

TEST_P(MaterialValueValidation, ListsTheValue) {
    const MaterialValueCase& c = GetParam();
    DesignRecord d = testing::TitledMetal();
    d.BodyType = kTubeBody;
    d.BodyDim = {4, 5, 0.5, 20, 0};
    d.PressureSource = 1;  // external
    if (c.material == Plastic || c.material == PlasticUsingWorking) testing::SetPlastic(d);
    if (c.material == Glass) testing::SetGlass(d);
    d.UseWorkingStrength = c.material == PlasticUsingWorking ? 1 : 0;
    d.*c.value = c.spoilt;
    EXPECT_EQ(ValidateDesign(d).text, c.faults.empty() ? "" : "\r     " + c.faults);
}

using D = DesignRecord;
INSTANTIATE_TEST_SUITE_P(
    Rows, MaterialValueValidation,
    ::testing::Values(
        MaterialValueCase{"NegativeModulus", Metal, &D::YoungsModulus, -10e6, "Young's Modulus"},
        MaterialValueCase{"NanModulus", Metal, &D::YoungsModulus, std::nan(""), "Young's Modulus"},
        MaterialValueCase{"NegativePoisson", Metal, &D::PoissonsRatio, -0.1, "Poisson's ratio"},
        MaterialValueCase{"PoissonOfOneHalf", Metal, &D::PoissonsRatio, 0.5, "Poisson's ratio"},
        MaterialValueCase{"PoissonJustBelowOneHalf", Metal, &D::PoissonsRatio, 0.4999, ""},
        MaterialValueCase{"NegativeDensity", Metal, &D::Density, -0.1, "Density"},
        MaterialValueCase{"NegativeYield", Metal, &D::YieldStrength, -35000, "Yield stress"},
        MaterialValueCase{"NegativeWorkingStrengthInUse", PlasticUsingWorking,
                          &D::SecondaryStrength, -3000, "Working strength"},
        MaterialValueCase{"NegativeWorkingStrengthUnused", Plastic, &D::SecondaryStrength, -3000,
                          ""},
        MaterialValueCase{"NegativeCompressiveStrength", Glass, &D::SecondaryStrength, -1,
                          "Compressive strength"}),
    testing::RowName<MaterialValueCase>);

}  // namespace
}  // namespace tidewell
