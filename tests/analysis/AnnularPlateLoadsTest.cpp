// The annular plate under both loads (superposition) and the load selection that the results
// table and the plate failure scan share.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/StressEngine.h"
#include "tests/analysis/AnalysisTestSupport.h"

namespace tidewell {
namespace {

using testing::kPiExact;
using testing::RowName;
using testing::SteelAnnularPlate;

AnalysisState Plate(int16_t restraint) {
    AnalysisState s = SteelAnnularPlate(restraint);
    s.LineLoadRadius = 3;
    s.UniformLoadInnerRadius = 2;
    s.LineLoadOuterRadius = 2.5;
    return s;
}

// The fields that the two load cases add up to.
constexpr double AnalysisState::*kSummed[] = {&AnalysisState::PlateRadialStressAtR,
                                              &AnalysisState::OuterEdgeRadialStress,
                                              &AnalysisState::InnerEdgeRadialStress,
                                              &AnalysisState::PlateTangentialStressAtR,
                                              &AnalysisState::OuterEdgeTangentialStress,
                                              &AnalysisState::InnerEdgeTangentialStress,
                                              &AnalysisState::PlateDeflectionAtR,
                                              &AnalysisState::OuterEdgeDeflection,
                                              &AnalysisState::InnerEdgeDeflection,
                                              &AnalysisState::PlateSlopeAtR,
                                              &AnalysisState::OuterEdgeSlope,
                                              &AnalysisState::InnerEdgeSlope,
                                              &AnalysisState::OuterEdgeShearStress,
                                              &AnalysisState::InnerEdgeShearStress,
                                              &AnalysisState::PlateShearStressAtR,
                                              &AnalysisState::SeatStress};

struct CombinedCase {
    std::string name;
    int16_t restraint;
    double r;
};

class CombinedPlateLoadsTest : public ::testing::TestWithParam<CombinedCase> {};

TEST_P(CombinedPlateLoadsTest, SumsTheTwoLoadCasesAndKeepsUniformMoments) {
    const CombinedCase c = GetParam();
    const double p = 150, w = 40;
    AnalysisState line = Plate(c.restraint);
    ComputeStresses(line, p, c.r, 3, w, 2, -1);
    AnalysisState uniform = Plate(c.restraint);
    ComputeStresses(uniform, p, c.r, 2, 0, 2, 0);

    AnalysisState both = Plate(c.restraint);
    CombinedPlateLoads(both, p, c.r, 3, 2, w);
    for (auto field : kSummed) {
        EXPECT_NEAR(both.*field, line.*field + uniform.*field,
                    1e-12 * (std::fabs(line.*field) + std::fabs(uniform.*field)) + 1e-15);
    }
    EXPECT_EQ(both.RadialMomentAtR, uniform.RadialMomentAtR);
    EXPECT_EQ(both.TangentialMomentAtR, uniform.TangentialMomentAtR);
    EXPECT_EQ(both.ShearForceAtR, uniform.ShearForceAtR);
    EXPECT_FALSE(both.ResultNotFinite);
}

TEST_P(CombinedPlateLoadsTest, EdgeShearsCarryBothLoads) {
    const CombinedCase c = GetParam();
    const double p = 150, w = 40;
    AnalysisState both = Plate(c.restraint);
    CombinedPlateLoads(both, p, c.r, 3, 2, w);
    const double total = p * kPiExact * (25 - 4) + 2 * kPiExact * 3 * w;
    const double t = both.WallThickness;
    EXPECT_NEAR(
        2 * kPiExact * (5 * both.OuterEdgeShearStress * t - 1.5 * both.InnerEdgeShearStress * t),
        -total, 1e-9 * total);
}

INSTANTIATE_TEST_SUITE_P(Restraints, CombinedPlateLoadsTest,
                         ::testing::Values(CombinedCase{"FixedFreeInside", 0, 1.8},
                                           CombinedCase{"FixedFixedBetweenLoads", 3, 2.5},
                                           CombinedCase{"SimplySupportedFreeOutside", 4, 4},
                                           CombinedCase{"GuidedFixedAtTheEdge", 9, 5},
                                           CombinedCase{"FreeSimplySupportedAtTheHole", 10, 1.5}),
                         RowName<CombinedCase>);

TEST(PlateLineLoad, SpreadsTheDiscPressureAlongTheCircle) {
    AnalysisState s = Plate(4);
    const double p = 200;
    // 2 pi rL w = p pi rD^2: the same total force.
    EXPECT_NEAR(2 * kPiExact * s.LineLoadRadius * PlateLineLoad(s, p),
                p * kPiExact * s.LineLoadOuterRadius * s.LineLoadOuterRadius, 1e-9);
}

struct SelectionCase {
    std::string name;
    int16_t uniformOn, lineOn;
    int16_t expectedFlag;
};

class PlateLoadSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(PlateLoadSelection, EvaluatesTheChosenLoads) {
    const SelectionCase c = GetParam();
    const double p = 300, r = 3.7;
    AnalysisState selected = Plate(6);
    selected.UniformLoadOn = c.uniformOn;
    selected.LineLoadOn = c.lineOn;
    ComputeSelectedPlateLoads(selected, p, r);
    EXPECT_EQ(selected.LineLoadFlag, c.expectedFlag);
    EXPECT_FALSE(selected.ResultNotFinite);

    // The same plate evaluated by hand for the loads the flags name.
    AnalysisState expected = Plate(6);
    const double w = p * 2.5 * 2.5 / (2 * 3);  // disc of radius 2.5 spread on the circle r = 3
    if (c.uniformOn && c.lineOn) {
        CombinedPlateLoads(expected, p, r, 3, 2, w);
    } else if (c.lineOn) {
        ComputeStresses(expected, p, r, 3, w, 2, -1);
    } else {
        ComputeStresses(expected, c.uniformOn ? p : 0.0, r, 2, 0, 2, 0);
    }
    for (auto field : kSummed) EXPECT_DOUBLE_EQ(selected.*field, expected.*field);
    EXPECT_DOUBLE_EQ(selected.RadialMomentAtR, expected.RadialMomentAtR);
}

INSTANTIATE_TEST_SUITE_P(Flags, PlateLoadSelection,
                         ::testing::Values(SelectionCase{"Both", -1, -1, 0},
                                           SelectionCase{"BothCheckBoxes", 1, 1, 0},
                                           SelectionCase{"LineOnly", 0, 1, -1},
                                           SelectionCase{"UniformOnly", 1, 0, 0},
                                           SelectionCase{"Neither", 0, 0, 0}),
                         RowName<SelectionCase>);

}  // namespace
}  // namespace tidewell
