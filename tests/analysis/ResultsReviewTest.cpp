// Captions of the failure modes in the less travelled corners: values that the formulas give for
// inputs the validation lets through, checked against hand values.

#include <gtest/gtest.h>

#include <string>

#include "analysis/ResultsTable.h"
#include "tests/analysis/AnalysisTestSupport.h"
#include "units/NumberFormat.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::Fmt;
using testing::RowName;

// A steel-like metal whose modulus was typed with a minus sign: the validation only refuses a
// zero modulus, so the run goes ahead.
DesignRecord NegativeModulus() {
    DesignRecord d;
    d.ProjectTitle = "Housing";
    d.BodyGeometryValid = kTrue;
    d.MaterialName = d.LoadedMaterialName = "Typo";
    d.MaterialClass = "Metals";
    d.YoungsModulus = -1.0e7;
    d.PoissonsRatio = 0.3;
    d.Density = 0.28;
    d.YieldStrength = 40000;
    d.PressureSource = 1;
    return d;
}

struct NegativeBucklingCase {
    const char* name;
    int16_t bodyType;
    int16_t endcapType;
};

class NegativeBucklingRows : public ::testing::TestWithParam<NegativeBucklingCase> {};

// The buckling caption says "N/A" only for a pressure of zero (the mode does not apply). A
// negative buckling pressure from the formula is shown as it is, so that the odd input is seen,
// and like every non-positive pressure it never governs.
TEST_P(NegativeBucklingRows, ShowsTheFormulaValueAndDoesNotGovern) {
    const NegativeBucklingCase& c = GetParam();
    DesignRecord d = NegativeModulus();
    d.BodyType = c.bodyType;
    d.BodyDim = {9, 10, 0.5, 0, 0};
    d.EndcapType = c.endcapType;
    d.EndcapDim = {9, 10, 0.5, 0, 0, 0, 0, 0};
    ResultsRequest request = DefaultResultsRequest(d);
    request.failureUnit = "psi";
    ScriptedMessages messages;
    const ResultsView view = BuildResultsTable(d, request, messages);
    ASSERT_TRUE(view.Ok()) << view.error->text;

    // Mean radius 4.75 in, wall 0.5 in: 0.365 E t^2 / R^2.
    const double buckling = 0.365 * -1.0e7 * 0.25 / (4.75 * 4.75);
    ASSERT_EQ(view.failure.options.size(), 4u);
    EXPECT_EQ(view.failure.options[0].caption, "Thin Wall Buckling at " + Fmt(buckling) + " psi");
    EXPECT_EQ(view.failure.selected, 2);
    EXPECT_EQ(view.failureMode, 2);
    EXPECT_GT(view.failurePressure, 0);
    EXPECT_LT(view.failurePressure, kNotApplicablePressure);
}

INSTANTIATE_TEST_SUITE_P(ResultsReview, NegativeBucklingRows,
                         ::testing::Values(NegativeBucklingCase{"Sphere", kSphereBody, kNoEndcap},
                                           NegativeBucklingCase{"HemisphericalEndcap", kNoBody,
                                                                kHemisphericalEndcap}),
                         RowName<NegativeBucklingCase>);

}  // namespace
}  // namespace tidewell
