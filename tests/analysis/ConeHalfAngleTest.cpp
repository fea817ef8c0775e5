// The cone half-angle iteration: it settles on atan(D2 / (2 h)), including flat cones whose
// first steps swing to negative angles, and it reports failure instead of looping when it
// cannot settle.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::RowName;

constexpr double kDegree = 3.14159265358979323846 / 180;

struct SettlingCase {
    std::string name;
    double d1, d2, h;
    double expectedDegrees;  // worked by hand from atan(d2 / (2 h))
};

class ConeHalfAngleSettles : public ::testing::TestWithParam<SettlingCase> {};

TEST_P(ConeHalfAngleSettles, OnTheFixedPoint) {
    const SettlingCase c = GetParam();
    const std::optional<double> alpha = ConeHalfAngle(c.d1, c.d2, c.h);
    ASSERT_TRUE(alpha.has_value());
    const double fixedPoint = std::atan(c.d2 / (2 * c.h));
    // The iteration stops once a step changes the angle by less than 1e-5 of itself; it
    // contracts, so the remaining error is smaller than that step.
    EXPECT_NEAR(*alpha, fixedPoint, 1e-5 * fixedPoint);
    EXPECT_NEAR(*alpha / kDegree, c.expectedDegrees, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Geometries, ConeHalfAngleSettles,
    ::testing::Values(
        // The mid-surface apex coincides with the outer one: the start value is the answer.
        SettlingCase{"FortyFiveDegrees", 6, 6, 3, 45.0}, SettlingCase{"Steep", 6, 6.6, 12, 15.376},
        SettlingCase{"Moderate", 6, 14, 3, 66.801},
        // Flat cone, height below (D2 - D1) / 4: the first step goes negative; the old
        // absolute-value test stopped near 76 degrees.
        SettlingCase{"FlatCone", 6, 14, 0.75, 83.884},
        SettlingCase{"VeryFlat", 10, 12, 0.3, 87.138},
        SettlingCase{"SmallBore", 0.1, 14, 3, 66.801}),
    RowName<SettlingCase>);

struct FailingCase {
    std::string name;
    double d1, d2, h;
};

class ConeHalfAngleFails : public ::testing::TestWithParam<FailingCase> {};

TEST_P(ConeHalfAngleFails, ReportsInsteadOfLooping) {
    const FailingCase c = GetParam();
    EXPECT_FALSE(ConeHalfAngle(c.d1, c.d2, c.h).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Geometries, ConeHalfAngleFails,
    ::testing::Values(
        // No bore: each step maps the angle back to the one before (a two-cycle).
        FailingCase{"NoBoreCycles", 0, 14, 3},
        // A negative bore makes each step larger than the one before: it diverges.
        FailingCase{"NegativeBoreDiverges", -2, 14, 3},
        // A bore of 1/14000 of the base contracts so slowly that the bound is reached.
        FailingCase{"TinyBoreReachesTheBound", 0.001, 14, 3},
        // Undefined inputs.
        FailingCase{"NaNHeight", 6, 14, std::nan("")},
        FailingCase{"NaNDiameter", std::nan(""), 14, 3}),
    RowName<FailingCase>);

}  // namespace
}  // namespace tidewell
