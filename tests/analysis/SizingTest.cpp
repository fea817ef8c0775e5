// Sizing a tube's wall to a target rating, against walls worked by hand: where the thin-wall
// yield governs, t / (ID/2 + t/2) = k with k = S p sqrt(3)/2 / Y; where buckling governs, the
// wall at which the lowest-lobe buckling pressure of the Roark formula is B p.

#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "analysis/Sizing.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::RowName;

struct SizingRow {
    const char* name;
    double length;          // in
    double targetPressure;  // psi
    double wall;            // in, worked by hand
    const char* mode;
};

class WallSizing : public ::testing::TestWithParam<SizingRow> {};

TEST_P(WallSizing, ReachesTheHandWorkedWall) {
    const SizingRow& row = GetParam();
    DesignRecord d = testing::TitledMetal();  // E 10e6, nu 0.33, Y 35000
    d.BodyType = kTubeBody;
    d.PressureSource = 1;
    d.BodyDim = {10, 11, 0.5, row.length, 0};
    ScriptedMessages messages;
    const SizingResult result = SizeDimension(d, DefaultResultsRequest(d), DimensionChoice{},
                                              SafetyFactors{1.5, 3}, row.targetPressure, messages);
    ASSERT_TRUE(result.found);
    EXPECT_NEAR(result.value, row.wall, 1e-6 * row.wall);
    EXPECT_EQ(result.part.rating.governingMode, row.mode);
    EXPECT_GE(result.part.rating.ratedPressure, row.targetPressure);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WallSizing,
    ::testing::Values(
        // k = 1.5 * 2000 * 0.8660254 / 35000; t = 5k / (1 - k/2).
        SizingRow{"ThinWallYield", 5, 2000, 0.38546024583810784, "Shell failure"},
        // 900 psi of buckling at 2 lobes, 200 in long.
        SizingRow{"Buckling", 200, 300, 0.3462610264393389, "Thin Wall Buckling"}),
    RowName<SizingRow>);

TEST(WallSizing, RefusedWhenNoWallReachesTheTarget) {
    DesignRecord d = testing::TitledMetal();
    d.BodyType = kTubeBody;
    d.PressureSource = 1;
    d.BodyDim = {10, 11, 0.5, 5, 0};
    ScriptedMessages messages;
    // A thick tube under external pressure fails below half its yield strength.
    const SizingResult result = SizeDimension(d, DefaultResultsRequest(d), DimensionChoice{},
                                              SafetyFactors{1, 1}, 20000, messages);
    EXPECT_FALSE(result.found);
    EXPECT_EQ(result.refusal, SizingResult::Refusal::NoneReaches);
    EXPECT_LT(result.bestRatedPressure, 20000);
}

}  // namespace
}  // namespace tidewell
