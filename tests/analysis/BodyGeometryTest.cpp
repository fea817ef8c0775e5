#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/BodyGeometry.h"

namespace tidewell {
namespace {

struct BodyCase {
    const char* name;
    int16_t body;
    double id, od, wall, length;
    int16_t expected;
};

class MarkBodyGeometryTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(MarkBodyGeometryTest, FollowsTheBodyEditorsRule) {
    const BodyCase c = GetParam();
    DesignRecord design;
    design.BodyType = c.body;
    design.BodyDim = {c.id, c.od, c.wall, c.length, 0};
    design.BodyGeometryValid = 7;  // neither flag value, so every row shows a write
    MarkBodyGeometry(design);
    EXPECT_EQ(design.BodyGeometryValid, c.expected);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Bodies, MarkBodyGeometryTest,
    ::testing::Values(BodyCase{"CompleteTube", kTubeBody, 5, 6, 0.5, 20, kTrue},
                      BodyCase{"TubeWithoutLength", kTubeBody, 5, 6, 0.5, 0, kFalse},
                      BodyCase{"SphereNeedsNoLength", kSphereBody, 5, 6, 0.5, 0, kTrue},
                      BodyCase{"ZeroWall", kSphereBody, 5, 6, 0, 0, kFalse},
                      BodyCase{"NegativeInside", kTubeBody, -5, 6, 0.5, 20, kFalse},
                      BodyCase{"NaNOutside", kTubeBody, 5, kNaN, 0.5, 20, kFalse},
                      BodyCase{"NoBodyUntouched", kNoBody, 0, 0, 0, 0, 7}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
