// The cone half-angle iteration reports failure instead of looping when it cannot settle.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::RowName;

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
        // A bore of 1/14000 of the base contracts so slowly that the bound is reached.
        // Undefined inputs.
        FailingCase{"NaNHeight", 6, 14, std::nan("")}),
    RowName<FailingCase>);

}  // namespace
}  // namespace tidewell
